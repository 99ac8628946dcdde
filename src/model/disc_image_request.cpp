#include "model/disc_image_request.h"

#include "model/autorun_disc.h"
#include "model/autorun_open_line.h"
#include "platform/file_names.h"
#include "platform/iso_image_writer.h"
#include "platform/vyx_error.h"

#include <QFileInfo>

namespace {

// A folder reached through a symbolic link is the same folder to xorriso.
bool InsideThroughLinks(const QString& file, const QString& folder)
{
    const QString fileFolder = QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !fileFolder.isEmpty() && !root.isEmpty() && WithTrailingSlash(fileFolder).startsWith(WithTrailingSlash(root));
}

} // namespace

void DiscImageRequest::CheckCdRoot() const
{
    if (CdRoot.isEmpty() || !QFileInfo(CdRoot).isDir())
        throw VyxError(QStringLiteral("the CD root is not a folder: ") + CdRoot);
}

void DiscImageRequest::CheckPlaces()
{
    CheckCdRoot();
    CdRoot = WithTrailingSlash(AbsoluteName(CdRoot));
    ImageFile = AbsoluteName(ImageFile);
    if (ImageFile.startsWith(CdRoot) || InsideThroughLinks(ImageFile, CdRoot))
        throw VyxError(QStringLiteral("the image must not lie inside the CD root: ") + ImageFile);
    if (Volume.isEmpty())
        Volume = IsoImageWriter::DefaultVolumeLabel(CdRoot);
}

std::optional<QString> DiscImageRequest::ProjectFile() const
{
    if (!IniFile.isEmpty())
        return IniFile;
    return AutorunProjectFile(CdRoot);
}

QStringList DiscImageRequest::LeftOut() const
{
    if (KeepEditorFiles || IniFile.isEmpty())
        return {};
    const QString name = QFileInfo(IniFile).fileName();
    return {ChangeFileExt(name, QStringLiteral(".bak")), ChangeFileExt(name, QStringLiteral(".tmp"))};
}
