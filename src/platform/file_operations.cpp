#include "platform/file_operations.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileOperations* g_current = nullptr;

bool WriteBytes(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

bool FileOperations::Exists(const QString& path) { return QFileInfo::exists(path); }

bool FileOperations::Remove(const QString& path)
{
    // unlink, not QFile::remove: errno must name the reason, and a folder is never removed.
    return ::unlink(QFile::encodeName(path).constData()) == 0;
}

bool FileOperations::Rename(const QString& from, const QString& to)
{
    // QFile::rename refuses an existing target.
    return QFile::rename(from, to);
}

bool FileOperations::LinkOrCopy(const QString& from, const QString& to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return QFile::copy(from, to);
}

bool FileOperations::ReplaceAtomically(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool FileOperations::WriteDurably(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                          0666);
    if (fd < 0)
        return false;
    bool ok = WriteBytes(fd, bytes) && ::fsync(fd) == 0;
    // A failed close can be the first report of a failed write.
    ok = ::close(fd) == 0 && ok;
    return ok;
}

int FileOperations::CreateNew(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

bool FileOperations::WriteAll(int fd, const QByteArray& bytes) { return WriteBytes(fd, bytes); }

bool FileOperations::Sync(int fd) { return ::fsync(fd) == 0; }

bool FileOperations::Close(int fd) { return ::close(fd) == 0; }

bool FileOperations::SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

FileOperations& FileOperations::Current()
{
    static FileOperations defaultOperations;
    return g_current ? *g_current : defaultOperations;
}

void FileOperations::SetCurrent(FileOperations* ops) { g_current = ops; }

QString FileErrorText(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return QStringLiteral("no permission");
    case EROFS:
        return QStringLiteral("read-only file system");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disk full");
    case EISDIR:
        return QStringLiteral("a folder is in the way");
    case ENOENT:
        return QStringLiteral("no such file or folder");
    case ENOTDIR:
        return QStringLiteral("a file is in the way of a folder");
    case EEXIST:
        return QStringLiteral("the name is taken");
    case EIO:
        return QStringLiteral("input/output error");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}
