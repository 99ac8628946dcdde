#include "ui/core/picture_conversion_offer.h"

#include "platform/file_names.h"
#include "platform/picture_converter.h"
#include "ui/core/editor.h"

#include <QFileInfo>
#include <QLocale>

const QString PlayerPictureFilter =
    QStringLiteral("Pictures (BMP, JPG, JPEG)|*.bmp;*.jpg;*.jpeg|"
                   "Other pictures, converted (PNG, WebP, TIFF, GIF, SVG)|*.png;*.webp;*.tif;*.tiff;*.gif;*.svg");

namespace {

const QString Caption = QStringLiteral("Convert picture");

// One file the picture could become.
struct Conversion {
    QString Path;
    QByteArray Bytes;
};

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

QString SizeText(qsizetype bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// False when another file holds the name and the user keeps it.
bool WriteAsking(SharedDialogs& dialogs, QWidget* parent, const Conversion& chosen)
{
    try {
        PictureConverter::WriteEncoded(chosen.Bytes, chosen.Path);
        return true;
    } catch (const PictureConverter::TargetTakenError&) {
        const QString question = QStringLiteral("%1 exists and holds another picture. Replace it?").arg(FileName(chosen.Path));
        if (dialogs.Ask(parent, question, Caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
            QMessageBox::Yes)
            return false;
    }
    PictureConverter::WriteEncoded(chosen.Bytes, chosen.Path, true);
    return true;
}

} // namespace

std::optional<QString> OfferPlayerPicture(Editor& editor, QWidget* parent, const QString& absolutePath)
{
    if (PictureConverter::IsPlayerFormat(absolutePath))
        return absolutePath;
    // An SVG has no size of its own worth keeping: the menu's is the one that fits.
    const MainParams& main = editor.Project().Main;
    const QImage picture = PictureConverter::Read(absolutePath, QSize(main.SizeX, main.SizeY));
    // Both are encoded, so that the user chooses knowing what each costs on the disc.
    const QString jpegPath = ChangeFileExt(absolutePath, QStringLiteral(".jpg"));
    const QString bmpPath = ChangeFileExt(absolutePath, QStringLiteral(".bmp"));
    const Conversion jpeg{jpegPath, PictureConverter::Encode(picture, jpegPath)};
    const Conversion bmp{bmpPath, PictureConverter::Encode(picture, bmpPath)};
    const bool jpegProposed = PictureConverter::ProposedTarget(absolutePath, picture) == jpegPath;
    const QString question = QStringLiteral("launcher.exe shows BMP and JPEG only: convert %1 to %2 / %3?")
                                 .arg(FileName(absolutePath), FileName(jpegPath), FileName(bmpPath));
    const std::map<QMessageBox::StandardButton, QString> labels = {
        {ConvertToJpeg, QStringLiteral("%1 (JPEG %2, %3)")
                            .arg(FileName(jpegPath))
                            .arg(PictureConverter::DefaultQuality)
                            .arg(SizeText(jpeg.Bytes.size()))},
        {ConvertToBmp, QStringLiteral("%1 (BMP, %2)").arg(FileName(bmpPath), SizeText(bmp.Bytes.size()))},
    };
    const QMessageBox::StandardButton answer =
        editor.Dialogs().Ask(parent, question, Caption, ConvertToJpeg | ConvertToBmp | QMessageBox::Cancel,
                             jpegProposed ? ConvertToJpeg : ConvertToBmp, labels);
    if (answer != ConvertToJpeg && answer != ConvertToBmp)
        return std::nullopt;
    const Conversion& chosen = answer == ConvertToJpeg ? jpeg : bmp;
    if (!WriteAsking(editor.Dialogs(), parent, chosen))
        return std::nullopt;
    return chosen.Path;
}
