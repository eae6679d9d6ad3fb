#include "files.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <array>
#include <string>
#include <system_error>

namespace zarvel {

namespace {

// What the user is told for a system error, by what was being done.
struct ErrorReason {
    DWORD error;
    const char *reason;
};

constexpr std::array<ErrorReason, 7> Reasons = {{
    {ERROR_DISK_FULL, "на диске нет места"},
    {ERROR_HANDLE_DISK_FULL, "на диске нет места"},
    {ERROR_WRITE_PROTECT, "диск доступен только для чтения"},
    {ERROR_SHARING_VIOLATION, "файл открыт другой программой"},
    {ERROR_LOCK_VIOLATION, "файл открыт другой программой"},
    {ERROR_PATH_NOT_FOUND, "в пути к файлу стоит не папка"},
    {ERROR_FILENAME_EXCED_RANGE, "слишком длинный путь"},
}};

std::string FromError(DWORD error, const char *denied)
{
    if (error == ERROR_ACCESS_DENIED)
        return denied;
    for (const ErrorReason &known : Reasons) {
        if (known.error == error)
            return known.reason;
    }
    return "ошибка записи (код " + std::to_string(error) + ")";
}

std::filesystem::path KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The new bytes in a file of their own beside the target, wholly on disk;
// an empty string on success.
std::string WriteTemporary(const std::filesystem::path &temporary, std::string_view bytes)
{
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FromError(GetLastError(), "нет прав на запись в папку");
    std::string reason;
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file))
        reason = FromError(GetLastError(), "нет прав на запись");
    if (!CloseHandle(file) && reason.empty())
        reason = FromError(GetLastError(), "нет прав на запись");
    return reason;
}

// The HANDLE kept in the file's system-neutral integer.
HANDLE Handle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle); // NOLINT(performance-no-int-to-ptr): it was a HANDLE
}

} // namespace

std::string ReplaceFileWhole(const std::filesystem::path &path, std::string_view bytes)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return "на месте файла стоит не обычный файл";
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return FromError(static_cast<DWORD>(error.value()), "нет прав на создание папки");

    // A name of this process's own, so two copies of the program never
    // write into one temporary file.
    std::filesystem::path temporary = path;
    temporary += L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    std::string reason = WriteTemporary(temporary, bytes);
    // Moved into place in one step, written through. (ReplaceFileW, which
    // would keep the old file's attributes, can leave a temporary file of
    // its own behind when it fails, as Wine's does.)
    if (reason.empty()
        && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        reason = FromError(GetLastError(), "нет прав заменить файл");
    if (!reason.empty())
        DeleteFileW(temporary.c_str()); // the old file stays as it was
    return reason;
}

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path &path)
{
    // A folder is not opened without backup semantics; a device or a pipe
    // is refused by its type.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (IsOpen())
        CloseHandle(Handle(handle_));
}

void ReadOnlyFile::ReadMore(std::string &bytes, std::size_t count) const
{
    const std::size_t start = bytes.size();
    bytes.resize(start + count);
    std::size_t have = 0;
    while (IsOpen() && have < count) {
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - have, 1U << 20));
        if (!::ReadFile(Handle(handle_), bytes.data() + start + have, chunk, &got, nullptr) || got == 0)
            break;
        have += got;
    }
    bytes.resize(start + have);
}

std::filesystem::path DefaultNamesPath()
{
    // The roaming application data, which every user may write and which
    // follows the user from one computer of a domain to another.
    return KnownFolder(FOLDERID_RoamingAppData) / L"Zarvel" / L"Zarvel.TXT";
}

std::vector<std::filesystem::path> OlderNamesPaths()
{
    // Older versions wrote C:\Zarvel.TXT. Where the drive's root was closed
    // to the user, Windows redirected those writes to the user's
    // VirtualStore, and the old program read its names back from there: that
    // copy is the newer one.
    return {KnownFolder(FOLDERID_LocalAppData) / L"VirtualStore" / L"Zarvel.TXT", L"C:\\Zarvel.TXT"};
}

} // namespace zarvel
