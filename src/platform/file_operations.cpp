#include "platform/file_operations.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileOperations* g_current = nullptr;

bool WriteAll(int fd, const QByteArray& bytes)
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

bool FileOperations::Remove(const QString& path) { return QFile::remove(path); }

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
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    // A failed close can be the first report of a failed write.
    ok = ::close(fd) == 0 && ok;
    return ok;
}

FileOperations& FileOperations::Current()
{
    static FileOperations defaultOperations;
    return g_current ? *g_current : defaultOperations;
}

void FileOperations::SetCurrent(FileOperations* ops) { g_current = ops; }
