#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

// The system's side of the names file, one source file a system: POSIX
// and Windows. Messages are Russian, UTF-8.

// Replaces the file at `path` with `bytes` whole, or leaves what stands
// there exactly as it was, and leaves no temporary file behind:
// - the new bytes reach the disk before they replace the old ones, in one
//   step of the file system;
// - a folder or any other file that is no regular file is never replaced;
// - on POSIX systems a symbolic link is followed to a regular file or to
//   nothing (a dangling link creates its target), and the new file keeps
//   the old one's owner and group where the system allows, its mode, ACL
//   and extended attributes; a new file is readable by its owner only;
// - on Windows the new file takes the security of its folder.
// Creates the folder when it is missing. Returns an empty string on
// success, else what went wrong, from the system's error.
std::string ReplaceFileWhole(const std::filesystem::path &path, std::string_view bytes);

// A regular file opened for reading. A FIFO, a device or a folder at the
// path counts as no file, and opening never blocks on one.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path &path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    // False when the file is missing, no regular file or cannot be read.
    bool IsOpen() const { return handle_ != Closed; }
    // Appends up to `count` more bytes; fewer at the end of the file or
    // after an error. The system's file, not this object, moves on.
    void ReadMore(std::string &bytes, std::size_t count) const;

private:
    static constexpr std::intptr_t Closed = -1;
    std::intptr_t handle_ = Closed; // a file descriptor or a HANDLE
};

// The folder where the user's programs keep their settings, with Zarvel's
// file in it: ~/.config/zarvel/Zarvel.TXT (or under $XDG_CONFIG_HOME), on
// Windows %APPDATA%\Zarvel\Zarvel.TXT.
std::filesystem::path DefaultNamesPath();

// Where earlier versions of the program kept the names on this system, in
// the order they are looked for: on Windows, the copy Windows redirected
// an old program's writes to, then C:\Zarvel.TXT; elsewhere none.
std::vector<std::filesystem::path> OlderNamesPaths();

} // namespace zarvel
