#include "model/mask_file.h"

#include "model/plasma_region.h"
#include "platform/file_names.h"
#include "platform/file_replacer.h"
#include "platform/regular_file.h"
#include "platform/vyx_error.h"

#include <QFile>
#include <QFileInfo>

namespace MaskFile {

QString NameFor(const QString& iniFileName)
{
    if (ExtractFileExt(iniFileName).compare(QLatin1String(".msk"), Qt::CaseInsensitive) == 0)
        throw VyxError(QStringLiteral("The project file %1 itself ends in \".msk\"; its mask would be written "
                                      "over it. Save the project under an \".ini\" name first.")
                           .arg(iniFileName));
    return ChangeFileExt(iniFileName, QStringLiteral(".msk"));
}

void Write(const Region& region, const QString& fileName, bool replaceReadOnly)
{
    ReplaceOptions options;
    options.replaceReadOnly = replaceReadOnly;
    ReplaceFileOrThrow(fileName, region.Data(), options, fileName);
}

Region Read(const QString& fileName)
{
    return Region::FromData(RegularFile::ReadExisting(fileName, MaxBytes));
}

void CheckReplaceable(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return;
    QFile file;
    if (!RegularFile::Open(file, fileName, MaxBytes) || !Region::HasHeader(file.read(Region::HeaderSize)))
        throw VyxError(QStringLiteral("%1 exists and is not a mask file: not replaced")
                           .arg(fileName));
}

} // namespace MaskFile

bool SaveMaskFile(const TPlasmaRegion& region, const QString& iniFileName, bool replaceReadOnly)
{
    if (!region.HasRegion())
        return false;
    MaskFile::Write(region.Current(), MaskFile::NameFor(iniFileName), replaceReadOnly);
    return true;
}
