#include "names_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvel {

namespace {

constexpr const char *Codepage = "windows-1251";

QByteArray EncodeLine(const std::string &utf8)
{
    // The codec writes the control byte 0x1A for a character it cannot
    // hold; a name should show a "?" there. Windows-1251 gives every
    // character one byte, so the bytes line up with the characters.
    const QList<uint> characters = QString::fromStdString(utf8).toUcs4();
    QStringEncoder encoder(Codepage, QStringConverter::Flag::Stateless);
    QByteArray line = encoder.encode(QString::fromStdString(utf8));
    if (line.size() != characters.size())
        return QByteArray(characters.size(), '?'); // not one byte each: hold nothing rather than guess
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\x1a' && characters[i] != 0x1a)
            line[i] = '?';
    }
    return line;
}

QString Reason(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("на диске нет места");
    case QFileDevice::PermissionsError:
        return QStringLiteral("нет прав на запись");
    case QFileDevice::OpenError:
        return QStringLiteral("файл не удаётся создать");
    case QFileDevice::RenameError:
        return QStringLiteral("старый файл не удаётся заменить");
    default:
        return QStringLiteral("ошибка записи");
    }
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
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/Zarvel.TXT");
}

QByteArray NamesFile::Encode(const NameLines &names)
{
    QByteArray bytes;
    for (const std::string &name : names)
        bytes += EncodeLine(name) + "\r\n";
    return bytes;
}

LinesRead NamesFile::FromFileStart(QByteArray bytes)
{
    const bool complete = bytes.size() <= ReadLimit;
    bytes.truncate(ReadLimit);
    LinesRead lines = SplitNameLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), complete);
    QStringDecoder decoder(Codepage, QStringConverter::Flag::Stateless);
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
    struct stat status {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    return FromFileStart(file.read(ReadLimit + 1));
}

QString NamesFile::Write(const NameLines &names) const
{
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("папку не удаётся создать");
    const bool isNew = !info.exists();

    // The new names go to a temporary file that replaces the old one only
    // once it is wholly on disk. Unbuffered, so that a failing write is
    // seen here and not lost in a final flush whose error commit() ignores.
    QSaveFile file(path_);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Reason(file);
    if (isNew)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = Encode(names);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = Reason(file);
        file.cancelWriting();
        return reason;
    }
    // commit() syncs too but ignores a failure; names that may not have
    // reached the disk must not replace the ones that have.
    if (::fdatasync(file.handle()) != 0) {
        file.cancelWriting();
        return QStringLiteral("ошибка записи на диск");
    }
    if (!file.commit())
        return Reason(file);
    return {};
}

} // namespace zarvel
