#include "names_file.h"

#include "core/names_file_format.h"
#include "files.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace zarvel {

namespace {

LinesRead ReadNames(const std::filesystem::path &path)
{
    ReadOnlyFile file(path);
    if (!file.IsOpen())
        return {};
    // The first 64 KiB hold four short names: when four lines have surely
    // ended there (a line end is one or two bytes), the rest of a large file
    // is not read. Only long names are read up to the limit.
    std::string bytes;
    constexpr std::size_t Start = std::size_t{64} * 1024;
    file.ReadMore(bytes, Start);
    if (bytes.size() == Start
        && std::count(bytes.begin(), bytes.end(), '\r') + std::count(bytes.begin(), bytes.end(), '\n') < 8)
        file.ReadMore(bytes, NamesFileReadLimit + 1 - Start);
    return DecodeNamesFile(bytes);
}

} // namespace

NamesFile::NamesFile(std::filesystem::path path, FailureReport report, std::vector<std::filesystem::path> olderFiles)
    : path_(std::move(path))
    , report_(std::move(report))
    , olderFiles_(std::move(olderFiles))
{
}

LinesRead NamesFile::Read() const
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path_, error)) || olderFiles_.empty())
        return ReadNames(path_);
    for (const std::filesystem::path &older : olderFiles_) {
        if (std::filesystem::exists(older, error))
            return ReadNames(older);
    }
    return {};
}

bool NamesFile::Save(const NameLines &names)
{
    const std::string reason = Write(names);
    if (reason.empty())
        return true;
    const auto path = path_.u8string();
    const std::string message
        = "Имена не сохранены в файл " + std::string(path.begin(), path.end()) + ": " + reason + ".";
    std::fprintf(stderr, "zarvel: %s\n", message.c_str());
    if (report_)
        report_(message);
    return false;
}

std::string NamesFile::Write(const NameLines &names) const { return ReplaceFileWhole(path_, EncodeNamesFile(names)); }

} // namespace zarvel
