#pragma once

#include "core/name_lines.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zarvel {

// The four names kept from one run to the next in the names file, in the
// format the core's names_file_format.h gives, on any system.
class NamesFile final : public NamesStore {
public:
    // Tells the user a message (UTF-8) about a failed save (a message box
    // in the program); it is also printed on the standard error.
    using FailureReport = std::function<void(const std::string &message)>;

    // `olderFiles`: where an older version of the program kept the names;
    // the first of them that exists is read while `path` does not, and
    // none of them is ever written.
    explicit NamesFile(
        std::filesystem::path path, FailureReport report = {}, std::vector<std::filesystem::path> olderFiles = {});

    const std::filesystem::path &Path() const { return path_; }

    // The lines at the start of the file (UTF-8): four, fewer when it ends
    // too early, none when it is missing, is no regular file or cannot be
    // read. Reads at most the first NamesFileReadLimit bytes, enough for
    // four names of the longest length a name box takes, and never blocks.
    LinesRead Read() const override;

    // Write, and on failure the message "Имена не сохранены в файл …: …."
    // on the standard error and to the report.
    bool Save(const NameLines &names) override;

    // Replaces the file whole, or leaves the old one byte for byte as it
    // was. Returns an empty string on success, else the reason in Russian.
    std::string Write(const NameLines &names) const;

private:
    std::filesystem::path path_;
    FailureReport report_;
    std::vector<std::filesystem::path> olderFiles_;
};

} // namespace zarvel
