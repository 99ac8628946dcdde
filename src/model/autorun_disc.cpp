#include "model/autorun_disc.h"

#include "model/autorun_text.h"
#include "model/make_relative_path.h"
#include "platform/file_names.h"
#include "platform/file_replacer.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool IsInside(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && path.startsWith(WithTrailingSlash(folder));
}

} // namespace

const QStringList& PlayerFiles()
{
    static const QStringList names = {QStringLiteral("launcher.exe"), QStringLiteral("launcher.ini"),
                                      QStringLiteral("splash.bmp"), QStringLiteral("launcher.msk")};
    return names;
}

QString WithTrailingSlash(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

// Up to its last "/" the path is the local CD root, taken as it is (a Linux
// folder may hold a backslash); only the disc name after it uses backslashes.
QString DiscLocalPath(const QString& discPath)
{
    const qsizetype cut = discPath.lastIndexOf(u'/') + 1;
    if (cut == 0)
        return LocalPathOf(discPath);
    QString name = discPath.mid(cut);
    while (name.startsWith(u'\\'))
        name.remove(0, 1); // from the disc's root, which is the CD root
    return name.isEmpty() ? QDir::cleanPath(discPath) : LocalPathIn(discPath.left(cut), name);
}

bool DiscFolderExists(const QString& discPath)
{
    return !discPath.isEmpty() && QFileInfo(DiscLocalPath(discPath)).isDir();
}

bool CreateDiscFolder(const QString& discPath)
{
    return !discPath.isEmpty() && QDir().mkdir(DiscLocalPath(discPath));
}

QList<bool> PlayerFilesPresent(const QString& discFolder)
{
    QList<bool> present;
    for (const QString& name : PlayerFiles()) {
        const QFileInfo info(DiscLocalPath(discFolder + name));
        present.append(!discFolder.isEmpty() && info.isFile());
    }
    return present;
}

std::optional<QString> DiscNameOf(const QString& localFile, const QString& cdRoot, const QString& referenceFolder)
{
    const QString file = AbsoluteName(localFile);
    const QString root = DiscLocalPath(cdRoot);
    if (!IsInside(file, root))
        return std::nullopt;
    const QString reference = DiscLocalPath(referenceFolder);
    if (IsInside(file, reference))
        return MakeRelativePath(file, WithTrailingSlash(reference));
    return u'\\' + MakeRelativePath(file, WithTrailingSlash(root));
}

QString AutorunFileName(const QString& cdRoot)
{
    return cdRoot + QStringLiteral("autorun.inf");
}

void WriteAutorunFile(const QString& cdRoot, const QStringList& lines, bool replaceReadOnly)
{
    const QString name = AutorunFileName(cdRoot);
    ReplaceOptions options;
    options.replaceReadOnly = replaceReadOnly;
    ReplaceFileOrThrow(DiscLocalPath(name), AutorunFileBytes(lines), options, name);
}

void WriteAutorunWithFolder(const QString& cdRoot, const QStringList& lines, const QString& launcherPath,
                            bool replaceReadOnly)
{
    const QFileInfo root(DiscLocalPath(cdRoot));
    if (!root.isDir() || !root.isWritable() || QFileInfo(DiscLocalPath(AutorunFileName(cdRoot))).isDir())
        throw VyxError(QStringLiteral("Cannot create file ") + AutorunFileName(cdRoot)
                       + QStringLiteral("\nThe CD root is not a writable folder, or a folder has that name."));
    const bool create = !DiscFolderExists(launcherPath);
    if (create && !CreateDiscFolder(launcherPath))
        throw VyxError(QStringLiteral("Cannot create folder ") + ShownDiscPath(launcherPath));
    try {
        WriteAutorunFile(cdRoot, lines, replaceReadOnly);
    } catch (const VyxError&) {
        if (create)
            QDir().rmdir(DiscLocalPath(launcherPath));
        throw;
    }
}

bool AutorunFileHolds(const QString& cdRoot, const QStringList& lines)
{
    QFile file(DiscLocalPath(AutorunFileName(cdRoot)));
    return file.open(QIODevice::ReadOnly) && file.readAll() == AutorunFileBytes(lines);
}

QString ShownDiscPath(const QString& discPath)
{
    // As DiscLocalPath reads it: the local CD root up to the last "/", then the disc name.
    const qsizetype cut = discPath.lastIndexOf(u'/') + 1;
    return discPath.left(cut) + QDir::toNativeSeparators(discPath.mid(cut).replace(u'\\', u'/'));
}
