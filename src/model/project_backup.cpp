#include "model/project_backup.h"

#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

constexpr int MaxLinkHops = 40; // more is a loop of links

// The save names its backup after the name it was given, in the folder of the
// file a symlink leads to.
QString BackupName(const QString& iniName, const QString& target)
{
    return QFileInfo(target).absolutePath() + u'/' + QFileInfo(ChangeFileExt(iniName, QStringLiteral(".bak"))).fileName();
}

// The file a symlink leads to, link by link as the save follows it, so that a
// folder reached through an alias keeps its spelling. Empty when there is none.
QString Target(const QString& iniName)
{
    QString path = QFileInfo(iniName).absoluteFilePath();
    for (int hop = 0; hop < MaxLinkHops && QFileInfo(path).isSymLink(); ++hop)
        path = QFileInfo(path).symLinkTarget();
    return QFileInfo(path).isFile() ? QDir::cleanPath(path) : QString();
}

} // namespace

void KeepProjectBackup(const QString& iniName)
{
    const QString target = Target(iniName);
    if (target.isEmpty())
        return;
    const QString backup = BackupName(iniName, target);
    if (backup == target)
        return; // the save itself refuses to use the file's own name
    // Removed first, as the save does: a symlink in the backup's place must not lead the copy elsewhere.
    FileOperations& files = FileOperations::Current();
    if ((!files.Remove(backup) && errno != ENOENT) || !files.LinkOrCopy(target, backup))
        throw VyxError(QStringLiteral("Cannot keep the previous file as %1: %2").arg(backup, FileErrorText(errno)));
}
