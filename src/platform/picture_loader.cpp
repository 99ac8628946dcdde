#include "platform/picture_loader.h"

#include "platform/bmp_header.h"
#include "platform/file_operations.h"
#include "platform/jpeg_decoder.h"
#include "platform/picture_memory.h"
#include "platform/regular_file.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cerrno>

namespace PictureLoader {
namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

[[noreturn]] void ThrowUnreadable(const QString& path, const QString& reason)
{
    throw VyxError(QStringLiteral("Cannot read picture file %1: %2").arg(Shown(path), reason));
}

// Opens the file or says plainly why it cannot be read.
void Open(QFile& file, const QString& path)
{
    if (RegularFile::Open(file, path, MaxFileBytes))
        return;
    if (errno == ENOENT)
        throw VyxError(QStringLiteral("Picture file not found (%1)").arg(Shown(path)));
    ThrowUnreadable(path, FileErrorText(errno));
}

void CheckSize(qint64 width, qint64 height, qint64 pixelBudget, const QString& path)
{
    if (width > MaxSide || height > MaxSide || width * height > MaxPixels)
        throw VyxError(QStringLiteral("Picture too large: %1 x %2 pixels; at most %3 pixels on a side and "
                                      "%4 pixels in all are accepted (%5)")
                           .arg(width)
                           .arg(height)
                           .arg(MaxSide)
                           .arg(MaxPixels)
                           .arg(Shown(path)));
    if (width * height > pixelBudget)
        throw VyxError(QStringLiteral("Picture too large: %1 x %2 pixels; the three pictures together may have "
                                      "at most %3 pixels, and %4 are left for this one (%5)")
                           .arg(width)
                           .arg(height)
                           .arg(MaxPixels)
                           .arg(std::max<qint64>(pixelBudget, 0))
                           .arg(Shown(path)));
}

// Qt's reader fills a picture of the right size and format in place, so the
// rows a damaged file does not hold keep this defined colour.
QImage PrefilledFor(QImageReader& reader)
{
    QImage image = PictureMemory::NewPicture(reader.size(), reader.imageFormat());
    if (image.isNull())
        return image;
    if (image.depth() >= 24)
        image.fill(MissingPixel);
    else
        image.fill(0); // the first palette entry
    return image;
}

} // namespace

void CheckPixelBudget(const QImage& picture, qint64 pixelBudget, const QString& localPath)
{
    CheckSize(picture.width(), picture.height(), pixelBudget, localPath);
}

// The extension decides, as in the player; the message names the extension as
// the file name spells it (without the dot, letter case kept).
QImage LoadPicture(const QString& localPath, qint64 pixelBudget)
{
    const QString extension = QFileInfo(localPath).suffix();
    const QString upper = extension.toUpper();
    if (upper == QLatin1String("JPG") || upper == QLatin1String("JPEG"))
        return DecodeJpeg(localPath, pixelBudget);
    if (upper == QLatin1String("BMP"))
        return DecodeBmp(localPath, pixelBudget);
    throw VyxError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}

QImage DecodeJpeg(const QString& localPath, qint64 pixelBudget)
{
    QFile file;
    Open(file, localPath);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        ThrowUnreadable(localPath, file.errorString());
    JpegDecoder decoder(data, localPath);
    const QSize size = decoder.ReadSize();
    CheckSize(size.width(), size.height(), pixelBudget, localPath);
    return decoder.Decode();
}

QImage DecodeBmp(const QString& localPath, qint64 pixelBudget)
{
    QFile file;
    Open(file, localPath);
    const BmpHeader header(file.peek(BmpHeader::BytesNeeded));
    // Qt's reader makes something of headers ours cannot read, sizes included.
    if (!header.IsValid())
        throw VyxError(QStringLiteral("BMP error: the file header is too short or damaged to read the picture's "
                                      "size (%1)").arg(Shown(localPath)));
    CheckSize(header.Width(), header.Height(), pixelBudget, localPath);
    QImageReader reader(&file, "bmp");
    // Our own limits come first; Qt's default allocation limit is below them.
    reader.setAllocationLimit(int(MaxPixels * 4 / (1024 * 1024)) + 1);
    // Qt's idea of the size may differ from the header's: the limits hold for
    // what is allocated and for what comes out.
    CheckSize(reader.size().width(), reader.size().height(), pixelBudget, localPath);
    QImage image = PrefilledFor(reader);
    if (!reader.read(&image) || image.isNull())
        throw VyxError(QStringLiteral("BMP error: %1 (%2)").arg(reader.errorString(), Shown(localPath)));
    CheckSize(image.width(), image.height(), pixelBudget, localPath);
    image.convertTo(QImage::Format_RGB32);
    header.WidenShortChannels(image);
    return image;
}

} // namespace PictureLoader
