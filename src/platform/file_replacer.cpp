#include "platform/file_replacer.h"

#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/writer_temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// More hops than this is a loop of links.
constexpr int MaxLinkHops = 40;
constexpr int UniqueNameTries = 100;

QString UnableToWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("Unable to write to %1: %2").arg(path, reason);
}

// The replacement keeps the replaced file's permission bits.
void CopyMode(int fd, const QString& from)
{
    struct stat st;
    if (::stat(QFile::encodeName(from).constData(), &st) == 0)
        (void)::fchmod(fd, st.st_mode & 07777);
}

} // namespace

FileReplacer::FileReplacer(const QString& target, const ReplaceOptions& options)
    : m_target(target), m_options(options)
{
}

FileReplacer::~FileReplacer() { Discard(); }

bool FileReplacer::Open()
{
    if (!ResolveTarget())
        return false;
    RemoveStaleWriterTemps(QFileInfo(m_targetPath).absolutePath());
    const QString named = Companion(m_options.tempExtension);
    // A project that carries the temporary name itself must not be removed as a stale temporary file.
    const bool created = named.isEmpty() || IsTarget(named) ? CreateUniqueTemp() : CreateNamedTemp(named);
    if (!created)
        return false;
    CopyMode(m_fd, m_targetPath);
    return true;
}

bool FileReplacer::Write(const QByteArray& bytes)
{
    FileOperations& files = FileOperations::Current();
    if (!files.WriteAll(m_fd, bytes) || !files.Sync(m_fd))
        return FailWriting(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (!files.Close(fd))
        return FailWriting(errno);
    return true;
}

bool FileReplacer::Install()
{
    KeepBackup();
    FileOperations& files = FileOperations::Current();
    if (!files.ReplaceAtomically(m_tempPath, m_targetPath)) {
        const int error = errno;
        Discard();
        return Fail(QStringLiteral("Unable to rename %1 to %2: %3").arg(m_tempPath, m_targetPath, FileErrorText(error)));
    }
    m_tempExists = false;
    Discard(); // the lock
    const QString folder = QFileInfo(m_targetPath).absolutePath();
    if (!files.SyncFolder(folder))
        m_result.warnings << QStringLiteral("The folder %1 was not flushed to disk: %2").arg(folder, FileErrorText(errno));
    m_result.ok = true;
    return true;
}

bool FileReplacer::ResolveTarget()
{
    QString path = QFileInfo(m_target).absoluteFilePath();
    for (int hop = 0; QFileInfo(path).isSymLink(); ++hop) {
        if (hop == MaxLinkHops)
            return Fail(UnableToWrite(m_target, FileErrorText(ELOOP)));
        path = QFileInfo(path).symLinkTarget();
    }
    m_targetPath = QDir::cleanPath(path);
    const QFileInfo info(m_targetPath);
    if (info.isDir())
        return Fail(UnableToWrite(m_targetPath, FileErrorText(EISDIR)));
    if (info.exists() && !info.isFile())
        return Fail(UnableToWrite(m_targetPath, QStringLiteral("not a regular file")));
    // The rename would replace it all the same, and its protection would be lost unsaid.
    // Its owner's write bit says so, also to root, whom access() would let write anything.
    if (info.exists() && !m_options.replaceReadOnly && !(info.permissions() & QFileDevice::WriteOwner)) {
        m_result.readOnly = true;
        m_result.readOnlyPath = m_targetPath;
        return Fail(QStringLiteral("%1 is read-only").arg(m_targetPath));
    }
    return true;
}

bool FileReplacer::CreateNamedTemp(const QString& path)
{
    FileOperations& files = FileOperations::Current();
    // A stale temporary file goes first; a symlink in its place is removed, never followed.
    if (!files.Remove(path) && errno != ENOENT)
        return Fail(UnableToWrite(path, FileErrorText(errno)));
    m_tempPath = path;
    m_fd = files.CreateNew(path);
    if (m_fd < 0)
        return Fail(UnableToWrite(path, FileErrorText(errno)));
    m_tempExists = true;
    return true;
}

bool FileReplacer::CreateUniqueTemp()
{
    FileOperations& files = FileOperations::Current();
    const QString folder = QFileInfo(m_targetPath).absolutePath() + u'/';
    for (int attempt = 0; attempt < UniqueNameTries; ++attempt) {
        m_tempPath = folder + NewWriterTempName();
        m_fd = files.CreateNew(m_tempPath);
        if (m_fd >= 0 && HoldTemp())
            return true;
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    return Fail(UnableToWrite(m_tempPath, FileErrorText(errno)));
}

// A cleaner that took the new file for a stale one removes it only while it
// holds the lock; then the name is gone and another is tried.
bool FileReplacer::HoldTemp()
{
    m_tempExists = true;
    if (HoldWriterTemp(m_fd, m_tempPath)) {
        m_lockFd = ::dup(m_fd);
        return true;
    }
    Discard();
    errno = EEXIST;
    return false;
}

QString FileReplacer::Companion(const QString& extension) const
{
    if (extension.isEmpty())
        return {};
    return ChangeFileExt(m_targetPath, extension);
}

bool FileReplacer::IsTarget(const QString& path) const
{
    if (path == m_targetPath)
        return true;
    // Another name of the same file (a symlink to it) is the target too.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(m_targetPath).canonicalFilePath();
}

void FileReplacer::KeepBackup()
{
    if (m_options.backupExtension.isEmpty() || !QFileInfo::exists(m_targetPath))
        return;
    const QString backup = Companion(m_options.backupExtension);
    if (IsTarget(backup)) {
        m_result.warnings << QStringLiteral("The previous file is not kept: its backup name %1 is its own name").arg(backup);
        return;
    }
    FileOperations& files = FileOperations::Current();
    if ((!files.Remove(backup) && errno != ENOENT) || !files.LinkOrCopy(m_targetPath, backup))
        m_result.warnings << QStringLiteral("The previous file is not kept as %1: %2").arg(backup, FileErrorText(errno));
}

bool FileReplacer::Fail(const QString& message)
{
    m_result.ok = false;
    m_result.error = message;
    return false;
}

bool FileReplacer::FailWriting(int error)
{
    Discard();
    return Fail(UnableToWrite(m_tempPath, FileErrorText(error)));
}

void FileReplacer::Discard()
{
    FileOperations& files = FileOperations::Current();
    if (m_fd >= 0)
        files.Close(m_fd);
    m_fd = -1;
    if (m_tempExists)
        files.Remove(m_tempPath);
    m_tempExists = false;
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    m_lockFd = -1;
}

ReadOnlyFileError::ReadOnlyFileError(const QString& path)
    : VyxError(QStringLiteral("%1 is read-only").arg(path))
{
}

void ThrowIfReadOnly(const ReplaceResult& result)
{
    if (result.readOnly)
        throw ReadOnlyFileError(result.readOnlyPath);
}

ReplaceResult ReplaceFileContents(const QString& target, const QByteArray& bytes, const ReplaceOptions& options)
{
    FileReplacer replacer(target, options);
    if (replacer.Open() && replacer.Write(bytes))
        replacer.Install();
    return replacer.Result();
}

void ReplaceFileOrThrow(const QString& target, const QByteArray& bytes, const ReplaceOptions& options,
                        const QString& shownName)
{
    FileReplacer replacer(target, options);
    if (replacer.Open() && replacer.Write(bytes) && replacer.Install())
        return;
    ThrowIfReadOnly(replacer.Result());
    QString reason = replacer.Result().error;
    if (!replacer.TempPath().isEmpty())
        reason.replace(replacer.TempPath(), shownName);
    throw VyxError(QStringLiteral("Cannot create file ") + shownName + u'\n' + reason);
}
