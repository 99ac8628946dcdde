#include "model/web_page_export.h"

#include "model/web_page_document.h"
#include "model/web_page_link.h"
#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>

namespace {

[[noreturn]] void Fail(const QString& what, const QString& path)
{
    throw VyxError(QStringLiteral("%1 %2: %3").arg(what, path, FileErrorText(errno)));
}

// Only a page this export wrote may be replaced.
void CheckReplaceable(const QString& pagePath)
{
    const QFileInfo info(pagePath);
    if (!info.exists() && !info.isSymLink())
        return;
    QFile file(pagePath);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw VyxError(QStringLiteral("%1 is in the way and is not replaced").arg(pagePath));
    const QByteArray mark = QByteArrayLiteral("<meta name=\"generator\" content=\"") + WebPage::Generator + '"';
    if (!file.read(4096).contains(mark))
        throw VyxError(QStringLiteral("%1 was not written by the web page export and is not replaced").arg(pagePath));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush())
        Fail(QStringLiteral("Cannot create file"), path);
}

// A plain copy into the staging folder, which is ours alone: QFile::copy's
// temporary name and its flush to the disc cost more than the copy itself.
void CopyFile(const QString& source, const QString& target)
{
    std::error_code error;
    std::filesystem::copy_file(QFile::encodeName(source).toStdString(), QFile::encodeName(target).toStdString(),
                               error);
    if (error) {
        errno = error.value();
        Fail(QStringLiteral("Cannot copy %1 to").arg(source), target);
    }
}

void WriteAssets(const WebPage& page, const QString& folder)
{
    if (!QDir().mkpath(folder))
        Fail(QStringLiteral("Cannot create folder"), folder);
    // The copies first, while the pictures are still being encoded.
    for (const WebPageAsset& asset : page.Assets)
        if (!asset.Source.isEmpty())
            CopyFile(asset.Source, folder + u'/' + asset.Name);
    for (const WebPageAsset& asset : page.Assets)
        if (asset.Source.isEmpty())
            WriteFile(folder + u'/' + asset.Name, asset.Png.get());
}

QString UnusedName(const QString& folder, const QString& prefix)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1/%2-%3").arg(folder, prefix).arg(n);
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return name;
    }
}

// Moves `from` back to `to` after a failed step, keeping the failure's errno.
void MoveBack(const QString& from, const QString& to)
{
    const int error = errno;
    if (!from.isEmpty())
        QDir().rename(from, to);
    errno = error;
}

// The assets folder first, then the page: a browser that opens the page in
// between sees the new pictures under the old page for an instant at most. A
// step that fails puts the older export back whole. Nothing is flushed to the
// disc: the export is made from the project again in a moment, and a flush of
// the folder cost as much as the rest of the swap.
void SwapIn(const QString& staging, const QString& folder)
{
    QDir dir;
    const QString assets = folder + u'/' + QString::fromLatin1(WebPage::AssetsFolder);
    const QString newAssets = staging + u'/' + QString::fromLatin1(WebPage::AssetsFolder);
    QString old;
    if (QFileInfo::exists(assets) || QFileInfo(assets).isSymLink()) {
        old = UnusedName(folder, QStringLiteral(".index_files-old"));
        if (!dir.rename(assets, old))
            Fail(QStringLiteral("Cannot move the older export's folder"), assets);
    }
    if (!dir.rename(newAssets, assets)) {
        MoveBack(old, assets);
        Fail(QStringLiteral("Cannot move the new assets into place at"), assets);
    }
    const QString page = folder + u'/' + QString::fromLatin1(WebPage::PageName);
    if (!FileOperations::Current().ReplaceAtomically(staging + u'/' + QString::fromLatin1(WebPage::PageName), page)) {
        MoveBack(assets, newAssets);
        MoveBack(old, assets);
        Fail(QStringLiteral("Cannot move the new page into place at"), page);
    }
    if (!old.isEmpty())
        QDir(old).removeRecursively();
}

} // namespace

void WebPageExport::WritePage(const WebPage& page, const QString& folder)
{
    const QString target = QDir::cleanPath(AbsoluteName(folder));
    if (QFileInfo(target).exists() && !QFileInfo(target).isDir())
        throw VyxError(QStringLiteral("Not a folder: %1").arg(target));
    if (!QDir().mkpath(target))
        Fail(QStringLiteral("Cannot create folder"), target);
    CheckReplaceable(target + u'/' + QString::fromLatin1(WebPage::PageName));
    QTemporaryDir staging(target + QStringLiteral("/.index-new-XXXXXX"));
    if (!staging.isValid())
        Fail(QStringLiteral("Cannot create a temporary folder in"), target);
    WriteAssets(page, staging.path() + u'/' + QString::fromLatin1(WebPage::AssetsFolder));
    WriteFile(staging.path() + u'/' + QString::fromLatin1(WebPage::PageName), page.Html.toUtf8());
    SwapIn(staging.path(), target);
}

CheckFindings WebPageExport::Write(const MenuProject& project, const QString& iniFile, const QString& folder,
                                   const QString& cdRoot)
{
    const QString target = QDir::cleanPath(AbsoluteName(folder));
    const QString projectFolder = QFileInfo(AbsoluteName(iniFile)).absolutePath();
    const WebPage page = BuildWebPage(project, iniFile, WebPageNames(projectFolder, cdRoot, target));
    WritePage(page, target);
    return page.Problems;
}
