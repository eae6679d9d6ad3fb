#pragma once

#include "core/name_lines.h"

#include <QString>

#include <functional>

namespace zarvel {

// The four names kept from one run to the next: four lines ended by CR LF,
// in the program's configuration folder. The lines are Windows-1251 text
// when the code page holds all four names (the format other readers know),
// else UTF-8 after the mark EF BB BF, so that every character survives.
class NamesFile final : public NamesStore {
public:
    // Tells the user a message about a failed save (a message box in the
    // program); it is also printed on the standard error.
    using FailureReport = std::function<void(const QString &message)>;

    explicit NamesFile(QString path, FailureReport report = {});

    // ~/.config/zarvel/Zarvel.TXT, or under $XDG_CONFIG_HOME.
    static QString DefaultPath();
    const QString &Path() const { return path_; }

    // The lines at the start of the file (UTF-8): four, fewer when it ends
    // too early, none when it is missing, is no regular file or cannot be
    // read. Reads at most the first ReadLimit bytes, enough for four names
    // of the longest length a name box takes, and never blocks.
    LinesRead Read() const override;

    // Write, and on failure the message "Имена не сохранены в файл …: …."
    // on the standard error and to the report.
    bool Save(const NameLines &names) override;

    // Replaces the file whole, or leaves the old one byte for byte as it
    // was. Returns an empty string on success, else the reason in Russian.
    QString Write(const NameLines &names) const;

    // The file's bytes for the names: Windows-1251 where it holds them,
    // else UTF-8 with its mark.
    static QByteArray Encode(const NameLines &names);
    // The names in the start of a file: given up to ReadLimit + 1 bytes, it
    // reads only the first ReadLimit and knows whether that was all.
    static LinesRead FromFileStart(QByteArray bytes);

    static constexpr qint64 ReadLimit = static_cast<qint64>(NamesFileReadLimit);

private:
    QString path_;
    FailureReport report_;
};

} // namespace zarvel
