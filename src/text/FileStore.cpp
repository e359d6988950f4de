#include "text/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nudgely {

namespace {

QString parentOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

bool hasNoWriteBit(mode_t mode)
{
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Follows a chain of symbolic links to the file that a write has to replace.
int resolveLinks(const QString &path, QString *target)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QByteArray native = QFile::encodeName(current);
        struct stat info {};
        if (::lstat(native.constData(), &info) != 0) {
            if (errno != ENOENT)
                return errno;
            *target = current;
            return 0;
        }
        if (!S_ISLNK(info.st_mode)) {
            *target = current;
            return 0;
        }
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(native.constData(), link.data(), link.size());
        if (length < 0)
            return errno;
        link.truncate(length);
        const QString destination = QFile::decodeName(link);
        current = QFileInfo(destination).isAbsolute()
                      ? QFileInfo(destination).absoluteFilePath()
                      : QFileInfo(parentOf(current) + QLatin1Char('/') + destination).absoluteFilePath();
    }
    return ELOOP;
}

int makeFolders(const QString &folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct stat info {};
    if (::stat(native.constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    const QString parent = parentOf(folder);
    if (parent != folder) {
        if (const int error = makeFolders(parent))
            return error;
    }
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST)
        return errno;
    return 0;
}

// Checks the resolved target; fills the old file's status when it exists.
int checkTarget(const QString &target, struct stat *old, bool *exists)
{
    const QByteArray native = QFile::encodeName(target);
    *exists = ::stat(native.constData(), old) == 0;
    if (!*exists)
        return errno == ENOENT ? 0 : errno;
    if (S_ISDIR(old->st_mode))
        return EISDIR;
    if (!S_ISREG(old->st_mode))
        return EINVAL;
    if (hasNoWriteBit(old->st_mode) || ::access(native.constData(), W_OK) != 0)
        return EACCES;
    if (old->st_size > MaxStoredFileSize)
        return EFBIG;
    return 0;
}

int checkFolder(const QString &folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return errno == ENOENT ? 0 : errno; // created at write time
    if (!S_ISDIR(info.st_mode))
        return ENOTDIR;
    if (hasNoWriteBit(info.st_mode) || ::access(native.constData(), W_OK | X_OK) != 0)
        return EACCES;
    return 0;
}

int writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += written;
        left -= written;
    }
    return 0;
}

// Temporary files are ".<name>.<8 hex digits>.tmp" beside the target; one whose writer was
// killed stays behind. Its writer holds a lock on it while writing, so one that is unlocked
// and older than this has no writer left.
constexpr qint64 StaleTemporarySeconds = 60;

bool isTemporaryOf(const QString &entry, const QString &fileName)
{
    const QString prefix = QLatin1Char('.') + fileName + QLatin1Char('.');
    if (entry.size() != prefix.size() + 12 || !entry.startsWith(prefix) || !entry.endsWith(QLatin1String(".tmp")))
        return false;
    const QStringView digits = QStringView(entry).sliced(prefix.size(), 8);
    const auto isDigit = [](QChar c) { return QStringView(u"0123456789abcdef").contains(c); };
    return std::all_of(digits.begin(), digits.end(), isDigit);
}

// Removes the temporary files of the target left behind by writers that are gone.
void removeStaleTemporaries(const QString &target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QStringList entries = folder.entryList({QLatin1Char('.') + info.fileName() + QStringLiteral(".*.tmp")},
                                                 QDir::Files | QDir::Hidden | QDir::System);
    const qint64 now = ::time(nullptr);
    for (const QString &entry : entries) {
        if (!isTemporaryOf(entry, info.fileName()))
            continue;
        const QByteArray native = QFile::encodeName(folder.filePath(entry));
        Descriptor fd(::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat status {};
        if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
            now - status.st_mtime < StaleTemporarySeconds || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlink(native.constData());
    }
}

// A new file in the target's folder, created with the umask's permissions, and locked for
// as long as its writer lives.
int createTemporary(const QString &target, QString *temporary, int *fd)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = QStringLiteral("%1/.%2.%3.tmp")
                                      .arg(info.absolutePath(), info.fileName())
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        *fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (*fd >= 0) {
            ::flock(*fd, LOCK_EX);
            *temporary = candidate;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int writeReplacement(const QString &target, const QByteArray &bytes, const struct stat *old, bool exists)
{
    QString temporary;
    int rawFd = -1;
    if (const int error = createTemporary(target, &temporary, &rawFd))
        return error;
    Descriptor fd(rawFd);
    const QByteArray nativeTemporary = QFile::encodeName(temporary);
    int error = writeAll(fd.get(), bytes);
    if (!error && exists) {
        // Owner and group as they were, where the system allows: a user saving another's
        // file cannot give it away, but keeps its group when a member of it. The mode
        // comes after, since a change of owner may clear some of its bits.
        if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0 &&
            (errno != EPERM || (::fchown(fd.get(), uid_t(-1), old->st_gid) != 0 && errno != EPERM)))
            error = errno;
        else if (::fchmod(fd.get(), old->st_mode & 07777) != 0)
            error = errno;
    }
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (!error && ::close(fd.release()) != 0)
        error = errno;
    if (!error && ::rename(nativeTemporary.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(nativeTemporary.constData());
        return error;
    }
    // Make the rename itself durable; a failure here loses nothing already written.
    Descriptor folder(::open(QFile::encodeName(parentOf(target)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return 0;
}

int readFromDisk(const QString &path, QByteArray *bytes)
{
    bytes->clear();
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    if (info.st_size > MaxStoredFileSize)
        return EFBIG;
    QByteArray content;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            break;
        content.append(buffer, got);
        if (content.size() > MaxStoredFileSize)
            return EFBIG;
    }
    *bytes = content;
    return 0;
}

// The file a write would replace, after following links, and its status.
struct WriteTarget {
    QString path;
    struct stat old {};
    bool exists = false;
};

int resolveTarget(const QString &path, WriteTarget *target)
{
    if (const int error = resolveLinks(path, &target->path))
        return error;
    return checkTarget(target->path, &target->old, &target->exists);
}

} // namespace

int checkReplaceable(const QString &path)
{
    WriteTarget target;
    if (const int error = resolveTarget(path, &target))
        return error;
    return checkFolder(parentOf(target.path));
}

int loadFile(const QString &path, QByteArray *bytes)
{
    return readFromDisk(path, bytes);
}

int storeFile(const QString &path, const QByteArray &bytes)
{
    WriteTarget target;
    if (const int error = resolveTarget(path, &target))
        return error;
    if (!target.exists) {
        if (const int error = makeFolders(parentOf(target.path)))
            return error;
    }
    if (const int error = checkFolder(parentOf(target.path)))
        return error;
    removeStaleTemporaries(target.path);
    return writeReplacement(target.path, bytes, &target.old, target.exists);
}

} // namespace nudgely
