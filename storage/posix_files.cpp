#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zarvel {

namespace {

// What the user is told for a system error, by what was being done.
struct ErrnoReason {
    int error;
    const char *reason;
};

constexpr std::array<ErrnoReason, 9> Reasons = {{
    {ENOSPC, "на диске нет места"},
    {EDQUOT, "исчерпана дисковая квота"},
    {EFBIG, "превышен допустимый размер файла"},
    {EROFS, "диск доступен только для чтения"},
    {EIO, "ошибка записи на диск"},
    {EISDIR, "на месте файла стоит папка"},
    {ENOTDIR, "в пути к файлу стоит не папка"},
    {ELOOP, "слишком много символических ссылок"},
    {ENAMETOOLONG, "слишком длинный путь"},
}};

QString FromErrno(int error, const char *denied)
{
    if (error == EACCES || error == EPERM)
        return QString::fromUtf8(denied);
    for (const ErrnoReason &known : Reasons) {
        if (known.error == error)
            return QString::fromUtf8(known.reason);
    }
    return QStringLiteral("ошибка записи (%1)").arg(QString::fromLocal8Bit(strerror(error)));
}

// The path a save writes to: the end of any chain of symbolic links.
std::optional<QString> FollowLinks(const QString &path)
{
    QString at = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(at);
        if (!info.isSymLink())
            return at;
        at = info.symLinkTarget(); // absolute, also when the link is relative
    }
    return std::nullopt;
}

// Gives the new file the old one's owner, group, mode and extended
// attributes (an ACL is one), or fails when its access would be wider.
QString KeepAccess(int fd, const QByteArray &old, const struct stat &was)
{
    // Root can give the file back to its owner; a user keeps a group they
    // belong to. A group that cannot be kept loses its rights instead.
    mode_t mode = was.st_mode & 07777;
    if (::fchown(fd, was.st_uid, was.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), was.st_gid) != 0)
        mode &= ~static_cast<mode_t>(S_IRWXG);
    if (::fchmod(fd, mode) != 0)
        return FromErrno(errno, "права файла не удаётся сохранить");

    std::array<char, 4096> names{};
    const ssize_t length = ::listxattr(old.constData(), names.data(), names.size());
    for (ssize_t at = 0; at < length;) {
        const char *name = names.data() + at;
        at += static_cast<ssize_t>(strlen(name)) + 1;
        std::array<char, 65536> value{};
        const ssize_t size = ::getxattr(old.constData(), name, value.data(), value.size());
        const bool copied = size >= 0 && ::fsetxattr(fd, name, value.data(), static_cast<size_t>(size), 0) == 0;
        // Without its ACL the file's group bits would stand for the ACL's
        // mask, wider than the owning group's own rights.
        if (!copied && QByteArray(name) == "system.posix_acl_access")
            return QStringLiteral("список доступа файла не удаётся сохранить");
    }
    return {};
}

QString Replace(const QString &path, const QByteArray &bytes)
{
    const std::optional<QString> target = FollowLinks(path);
    if (!target)
        return FromErrno(ELOOP, "");
    const QByteArray native = QFile::encodeName(*target);
    struct stat was = {};
    const bool exists = ::stat(native.constData(), &was) == 0;
    if (exists && !S_ISREG(was.st_mode))
        return QStringLiteral("на месте файла стоит не обычный файл");
    const QString folder = QFileInfo(*target).absolutePath();
    if (!QDir().mkpath(folder))
        return FromErrno(errno, "нет прав на создание папки");

    // The new names go to a temporary file that replaces the old one only
    // once it is wholly on disk. Unbuffered, so that a failing write is
    // seen here and not lost in a final flush whose error commit() ignores.
    QSaveFile file(*target);
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FromErrno(errno, "нет прав на запись в папку");
    // The temporary file may start with wider rights than the old one:
    // until they are set, or for a new file narrowed to the owner, nothing
    // is written into it.
    QString kept;
    if (exists)
        kept = KeepAccess(file.handle(), native, was);
    else if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0)
        kept = FromErrno(errno, "права файла не удаётся задать");
    if (!kept.isEmpty()) {
        file.cancelWriting();
        return kept;
    }
    errno = 0;
    // commit() syncs too but ignores a failure; names that may not have
    // reached the disk must not replace the ones that have.
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fdatasync(file.handle()) != 0) {
        const int error = errno != 0 ? errno : EIO;
        file.cancelWriting();
        return FromErrno(error, "нет прав на запись");
    }
    errno = 0;
    if (!file.commit())
        return FromErrno(errno != 0 ? errno : EIO, "нет прав заменить файл");
    return {};
}

} // namespace

std::string ReplaceFileWhole(const std::filesystem::path &path, std::string_view bytes)
{
    return Replace(QFile::decodeName(path.c_str()), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        .toStdString();
}

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path &path)
{
    // Opened without blocking and checked to be a regular file, so that a
    // FIFO, a device or a folder at the path cannot hang or feed start-up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return;
    }
    handle_ = fd;
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (IsOpen())
        ::close(static_cast<int>(handle_));
}

void ReadOnlyFile::ReadMore(std::string &bytes, std::size_t count) const
{
    const std::size_t start = bytes.size();
    bytes.resize(start + count);
    std::size_t have = 0;
    while (IsOpen() && have < count) {
        const ssize_t got = ::read(static_cast<int>(handle_), bytes.data() + start + have, count - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        have += static_cast<std::size_t>(got);
    }
    bytes.resize(start + have);
}

std::filesystem::path DefaultNamesPath()
{
    // By the XDG rules: a relative XDG_CONFIG_HOME counts as unset, and
    // without HOME the home comes from the password database.
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return std::filesystem::path(config) / "zarvel" / "Zarvel.TXT";
    const char *home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd *user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : "";
    }
    return std::filesystem::path(home) / ".config" / "zarvel" / "Zarvel.TXT";
}

std::vector<std::filesystem::path> OlderNamesPaths() { return {}; }

} // namespace zarvel
