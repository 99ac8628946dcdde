#include "platform/picture_converter.h"

#include "platform/file_names.h"
#include "platform/file_operations.h"
#include "platform/file_replacer.h"
#include "platform/picture_loader.h"
#include "platform/regular_file.h"
#include "platform/vyx_error.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <cerrno>

namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString Lower(const QString& path) { return QFileInfo(path).suffix().toLower(); }

bool IsJpegName(const QString& path) { return Lower(path) == u"jpg" || Lower(path) == u"jpeg"; }

QByteArray ReadBytes(const QString& path)
{
    const std::optional<QByteArray> bytes = RegularFile::Read(path, PictureLoader::MaxFileBytes);
    if (!bytes && errno == ENOENT)
        throw VyxError(QStringLiteral("Picture file not found (%1)").arg(Shown(path)));
    if (!bytes)
        throw VyxError(QStringLiteral("Cannot read picture %1: %2").arg(Shown(path), FileErrorText(errno)));
    return *bytes;
}

// The picture drawn over white, without its alpha channel.
QImage Flattened(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

} // namespace

bool PictureConverter::IsPlayerFormat(const QString& path) { return IsJpegName(path) || Lower(path) == u"bmp"; }

QImage PictureConverter::Read(const QString& path, const QSize& svgSize)
{
    QByteArray bytes = ReadBytes(path);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(PictureLoader::MaxPixels * 4 / (1024 * 1024)) + 1);
    if (reader.format() == "svg" && !svgSize.isEmpty())
        reader.setScaledSize(svgSize);
    QImage picture;
    if (!reader.read(&picture) || picture.isNull())
        throw VyxError(QStringLiteral("Cannot read picture %1: %2").arg(Shown(path), reader.errorString()));
    PictureLoader::CheckPixelBudget(picture, PictureLoader::MaxPixels, path);
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QImage PictureConverter::ReadOpaque(const QString& path, const QSize& svgSize)
{
    return IsPlayerFormat(path) ? PictureLoader::LoadPicture(path) : Flattened(Read(path, svgSize));
}

QByteArray PictureConverter::Encode(const QImage& picture, const QString& target, int quality)
{
    const bool jpeg = IsJpegName(target);
    if (!jpeg && Lower(target) != u"bmp")
        throw VyxError(QStringLiteral("launcher.exe shows BMP and JPEG only: %1 is neither").arg(Shown(target)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, jpeg ? "jpeg" : "bmp");
    if (jpeg)
        writer.setQuality(std::clamp(quality, 1, 100));
    // Qt writes RGB888 as a 24-bit BMP, which every player reads.
    if (!writer.write(Flattened(picture).convertToFormat(QImage::Format_RGB888)))
        throw VyxError(QStringLiteral("Cannot encode %1: %2").arg(Shown(target), writer.errorString()));
    return bytes;
}

PictureConverter::TargetTakenError::TargetTakenError(const QString& target)
    : VyxError(QStringLiteral("%1 exists and holds another picture: not replaced").arg(Shown(target)))
{
}

void PictureConverter::Write(const QImage& picture, const QString& target, int quality)
{
    WriteEncoded(Encode(picture, target, quality), target);
}

void PictureConverter::WriteEncoded(const QByteArray& bytes, const QString& target, bool replaceOther)
{
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) {
        const std::optional<QByteArray> old = RegularFile::Read(target, PictureLoader::MaxFileBytes);
        if (old && *old == bytes)
            return;
        if (!replaceOther)
            throw TargetTakenError(target);
        ReplaceFileOrThrow(target, bytes, {}, Shown(target));
        return;
    }
    // Created new, so that a file appearing meanwhile is not written over;
    // a write that fails takes its part file with it.
    FileOperations& ops = FileOperations::Current();
    const int fd = ops.CreateNew(target);
    bool written = fd >= 0 && ops.WriteAll(fd, bytes) && ops.Sync(fd);
    written = (fd < 0 || ops.Close(fd)) && written;
    if (!written) {
        const int error = errno;
        if (fd >= 0)
            ops.Remove(target);
        throw VyxError(QStringLiteral("Cannot create file %1: %2").arg(Shown(target), FileErrorText(error)));
    }
}

bool PictureConverter::HasTransparency(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return false;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (std::any_of(line, line + argb.width(), [](QRgb pixel) { return qAlpha(pixel) < 255; }))
            return true;
    }
    return false;
}

QString PictureConverter::ProposedTarget(const QString& source, const QImage& picture)
{
    constexpr int FewColors = 256;
    QSet<QRgb> colors;
    for (int y = 0; y < picture.height() && colors.size() <= FewColors; ++y)
        for (int x = 0; x < picture.width() && colors.size() <= FewColors; ++x)
            colors.insert(picture.pixel(x, y));
    return ChangeFileExt(source, colors.size() <= FewColors ? QStringLiteral(".bmp") : QStringLiteral(".jpg"));
}
