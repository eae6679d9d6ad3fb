#include "names_file.h"

#include "safe_replace.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvel {

namespace {

constexpr const char *Codepage = "windows-1251";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// A UTF-8 decoder that keeps a name's leading U+FEFF as a character of its
// own (only the file's mark is taken off, by the reader).
QStringDecoder Utf8Decoder()
{
    return QStringDecoder(
        QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

// The name in Windows-1251, or nothing when the code page cannot hold one
// of its characters.
std::optional<std::string> EncodeLine(const std::string &utf8)
{
    // The codec writes the control byte 0x1A for a character it cannot
    // hold. Windows-1251 gives every character one byte, so the bytes line
    // up with the characters.
    const QString text = Utf8Decoder().decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    const QList<uint> characters = text.toUcs4();
    QStringEncoder encoder(Codepage, QStringConverter::Flag::Stateless);
    const QByteArray line = encoder.encode(text);
    if (line.size() != characters.size())
        return std::nullopt;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\x1a' && characters[i] != 0x1a)
            return std::nullopt;
    }
    return line.toStdString();
}

} // namespace

NamesFile::NamesFile(QString path, FailureReport report)
    : path_(std::move(path))
    , report_(std::move(report))
{
}

bool NamesFile::Save(const NameLines &names)
{
    const QString reason = Write(names);
    if (reason.isEmpty())
        return true;
    const QString message = QStringLiteral("Имена не сохранены в файл %1: %2.").arg(path_, reason);
    std::fprintf(stderr, "zarvel: %s\n", qPrintable(message));
    if (report_)
        report_(message);
    return false;
}

QString NamesFile::DefaultPath()
{
    // By the XDG rules, which Qt's own lookup does not follow here: a
    // relative XDG_CONFIG_HOME counts as unset, and without HOME the home
    // comes from the password database.
    QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        const passwd *user = ::getpwuid(::getuid());
        home = user != nullptr ? QFile::decodeName(user->pw_dir) : QString();
    }
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(config))
        config = home + QStringLiteral("/.config");
    return config + QStringLiteral("/zarvel/Zarvel.TXT");
}

QByteArray NamesFile::Encode(const NameLines &names)
{
    NameLines encoded;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::optional<std::string> line = EncodeLine(names[i]);
        // Bytes that would read as the mark of UTF-8 are written as UTF-8
        // too, so the text comes back as it was.
        if (!line || (i == 0 && line->starts_with(Utf8Bom)))
            return QByteArray::fromStdString(std::string(Utf8Bom) + JoinNameLines(names));
        encoded[i] = std::move(*line);
    }
    return QByteArray::fromStdString(JoinNameLines(encoded));
}

LinesRead NamesFile::FromFileStart(QByteArray bytes)
{
    const bool complete = bytes.size() <= ReadLimit;
    bytes.truncate(ReadLimit);
    const bool utf8 = bytes.startsWith(QByteArrayView(Utf8Bom.data(), static_cast<qsizetype>(Utf8Bom.size())));
    if (utf8)
        bytes.remove(0, static_cast<qsizetype>(Utf8Bom.size()));
    LinesRead lines
        = SplitNameLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), complete);
    // Bytes that are no UTF-8 read as U+FFFD.
    QStringDecoder decoder = utf8 ? Utf8Decoder() : QStringDecoder(Codepage, QStringConverter::Flag::Stateless);
    for (std::string &line : lines)
        line = QString(decoder.decode(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())))).toStdString();
    return lines;
}

LinesRead NamesFile::Read() const
{
    // Opened without blocking and checked to be a regular file, so that a
    // FIFO, a device or a folder at the path cannot hang or feed start-up.
    const QByteArray nativePath = QFile::encodeName(path_);
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat status = {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    // The first 64 KiB hold four short names: when four lines have surely
    // ended there (a line end is one or two bytes), the rest of a large file
    // is not read. Only long names are read up to the limit.
    QByteArray bytes(qsizetype{64} * 1024, Qt::Uninitialized);
    qint64 have = std::max<qint64>(0, file.read(bytes.data(), bytes.size()));
    if (bytes.first(have).count('\r') + bytes.first(have).count('\n') < 8 && have == bytes.size()) {
        bytes.resize(ReadLimit + 1);
        have += std::max<qint64>(0, file.read(bytes.data() + have, bytes.size() - have));
    }
    bytes.truncate(have);
    return FromFileStart(std::move(bytes));
}

QString NamesFile::Write(const NameLines &names) const { return ReplaceFile(path_, Encode(names)); }

} // namespace zarvel
