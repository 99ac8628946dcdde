#include "platform/regular_file.h"

#include "platform/file_operations.h"
#include "platform/file_stamp.h"
#include "platform/vyx_error.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {
namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString SizeText(qint64 bytes)
{
    return bytes % (1024 * 1024) == 0 ? QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024))
                                      : QStringLiteral("%1 bytes").arg(bytes);
}

// Closes the descriptor on every way out until QFile owns it.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// The file's modification time, checked before anything is read.
qint64 CheckKindAndSize(int fd, const QString& path, qint64 maxBytes)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw VyxError(QStringLiteral("Cannot open file %1: %2").arg(Shown(path), FileErrorText(errno)));
    if (!S_ISREG(st.st_mode))
        throw VyxError(QStringLiteral("%1 is not a regular file").arg(Shown(path)));
    if (st.st_size > maxBytes)
        throw VyxError(QStringLiteral("%1 is larger than %2").arg(Shown(path), SizeText(maxBytes)));
    return qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

// The descriptor is checked, not the name: the name may be swapped between a check and the open.
bool OpenChecked(QFile& file, const QString& path, qint64 maxBytes, qint64& modifiedNs)
{
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0)
        return false;
    modifiedNs = CheckKindAndSize(fd.Get(), path, maxBytes);
    // Regular files never block; reads go on as usual.
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd.Get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    fd.Release();
    return true;
}

} // namespace

bool Open(QFile& file, const QString& path, qint64 maxBytes)
{
    qint64 modifiedNs = 0;
    return OpenChecked(file, path, maxBytes, modifiedNs);
}

std::optional<QByteArray> Read(const QString& path, qint64 maxBytes, FileStamp* stamp)
{
    QFile file;
    qint64 modifiedNs = 0;
    if (!OpenChecked(file, path, maxBytes, modifiedNs))
        return std::nullopt;
    // One byte more than the file holds: the file may grow while it is read,
    // and then the rest, up to one byte more than allowed, follows. Asking for
    // the cap at once would allocate all of it for every small file.
    const qint64 expected = std::min(file.size(), maxBytes) + 1;
    QByteArray bytes = file.read(expected);
    if (bytes.size() == expected && expected <= maxBytes)
        bytes += file.read(maxBytes + 1 - expected);
    if (file.error() != QFileDevice::NoError)
        throw VyxError(QStringLiteral("Cannot read file %1: %2").arg(Shown(path), file.errorString()));
    if (bytes.size() > maxBytes)
        throw VyxError(QStringLiteral("%1 is larger than %2").arg(Shown(path), SizeText(maxBytes)));
    if (stamp)
        *stamp = FileStamp::OfBytes(bytes, modifiedNs);
    return bytes;
}

QByteArray ReadExisting(const QString& path, qint64 maxBytes)
{
    std::optional<QByteArray> bytes = Read(path, maxBytes);
    if (!bytes)
        throw VyxError(QStringLiteral("Cannot open file %1: %2").arg(Shown(path), FileErrorText(errno)));
    return *std::move(bytes);
}

} // namespace RegularFile
