#include "model/web_page_export.h"

#include "model/web_page_document.h"
#include "model/web_page_link.h"
#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/png_encoder.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <future>
#include <vector>

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

bool WritePng(const QImage& picture, const QString& path)
{
    const QByteArray png = PngEncoder::Encode(picture);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(png) == png.size() && file.flush();
}

void WriteAssets(const WebPage& page, const QString& folder)
{
    if (!QDir().mkpath(folder))
        Fail(QStringLiteral("Cannot create folder"), folder);
    // Pictures are encoded side by side; copies and the rest go on meanwhile.
    std::vector<std::pair<QString, std::future<bool>>> encodings;
    for (const WebPageAsset& asset : page.Assets) {
        const QString target = folder + u'/' + asset.Name;
        if (asset.Source.isEmpty()) {
            encodings.emplace_back(target, std::async(std::launch::async, WritePng, asset.Picture, target));
        } else if (!QFile::copy(asset.Source, target)) {
            Fail(QStringLiteral("Cannot copy %1 to").arg(asset.Source), target);
        }
    }
    for (auto& [target, done] : encodings)
        if (!done.get())
            throw VyxError(QStringLiteral("Cannot create file %1").arg(target));
}

void WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(text.toUtf8()) < 0 || !file.flush())
        Fail(QStringLiteral("Cannot create file"), path);
}

QString UnusedName(const QString& folder, const QString& prefix)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1/%2-%3").arg(folder, prefix).arg(n);
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return name;
    }
}

// The assets folder first, then the page: a browser that opens the page in
// between sees the new pictures under the old page for an instant at most.
void SwapIn(const QString& staging, const QString& folder)
{
    QDir dir;
    const QString assets = folder + u'/' + QString::fromLatin1(WebPage::AssetsFolder);
    QString old;
    if (QFileInfo::exists(assets) || QFileInfo(assets).isSymLink()) {
        old = UnusedName(folder, QStringLiteral(".index_files-old"));
        if (!dir.rename(assets, old))
            Fail(QStringLiteral("Cannot move the older export's folder"), assets);
    }
    if (!dir.rename(staging + u'/' + QString::fromLatin1(WebPage::AssetsFolder), assets)) {
        const int error = errno;
        if (!old.isEmpty())
            dir.rename(old, assets);
        errno = error;
        Fail(QStringLiteral("Cannot move the new assets into place at"), assets);
    }
    const QString page = folder + u'/' + QString::fromLatin1(WebPage::PageName);
    FileOperations& ops = FileOperations::Current();
    if (!ops.ReplaceAtomically(staging + u'/' + QString::fromLatin1(WebPage::PageName), page))
        Fail(QStringLiteral("Cannot move the new page into place at"), page);
    if (!old.isEmpty())
        QDir(old).removeRecursively();
    ops.SyncFolder(folder);
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
    WriteText(staging.path() + u'/' + QString::fromLatin1(WebPage::PageName), page.Html);
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
