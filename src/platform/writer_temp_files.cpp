#include "platform/writer_temp_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int SuffixLength = 8;

QString RandomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < SuffixLength; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return suffix;
}

// Opened without following a link and without blocking on a FIFO: only a
// regular file of ours is ever locked or removed.
// The lock is held while the name is removed, so a writer that locks the file
// a moment later sees that its name is gone.
void RemoveIfUnheld(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(name.constData());
    ::close(fd);
}

} // namespace

QString NewWriterTempName() { return QStringLiteral(".vyx") + RandomSuffix() + QStringLiteral(".tmp"); }

bool IsWriterTempName(const QString& fileName)
{
    static const QRegularExpression ours(QStringLiteral("^\\.(vyx|.+\\.)[a-z0-9]{8}\\.tmp$"));
    return ours.match(fileName).hasMatch();
}

QStringList WriterTempPatterns() { return {QStringLiteral(".vyx????????.tmp"), QStringLiteral(".*.????????.tmp")}; }

bool HoldWriterTemp(int fd, const QString& path)
{
    struct stat held, named;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
           ::lstat(QFile::encodeName(path).constData(), &named) == 0 && held.st_ino == named.st_ino &&
           held.st_dev == named.st_dev;
}

void RemoveStaleWriterTemps(const QString& folder)
{
    const QStringList names = QDir(folder).entryList(WriterTempPatterns(), QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (IsWriterTempName(name))
            RemoveIfUnheld(folder + u'/' + name);
    }
}

QStringList WriterTempsUnder(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, WriterTempPatterns(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (IsWriterTempName(it.fileName()))
            found << path;
    }
    found.sort();
    return found;
}
