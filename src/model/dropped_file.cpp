#include "model/dropped_file.h"

#include "platform/picture_converter.h"

#include <QFileInfo>
#include <QImageReader>

DroppedFileUse UseOfDroppedFile(const QString& fileName, bool onButton)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (onButton)
        return suffix == QLatin1String("rtf") || suffix == QLatin1String("txt") ? DroppedFileUse::HelpFile
                                                                                 : DroppedFileUse::Target;
    if (PictureConverter::IsPlayerFormat(fileName))
        return DroppedFileUse::Background;
    if (!suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix.toLatin1()))
        return DroppedFileUse::UnshownPicture;
    return DroppedFileUse::Nothing;
}
