#pragma once
#include <QImage>
#include <QString>

// Picture files by extension: ".JPG"/".JPEG" (any case) through libjpeg-turbo,
// ".BMP" through Qt's reader, anything else refused with "Unknown picture file
// extension (.%s)", the extension as the name spells it. Every failure throws
// VyxError with a clear message; the result is always Format_RGB32.
//
// Limits keep a damaged or hostile project loadable in well under 1 GiB: a
// side of MaxSide pixels, and MaxPixels for the three pictures of a project
// together (the caller passes what is left of it as `pixelBudget`). Pixels a
// damaged BMP file does not hold are grey, as libjpeg leaves a JPEG cut short.
namespace PictureLoader {
constexpr int MaxSide = 16384;
constexpr qint64 MaxPixels = 32'000'000;
// A larger file is refused before it is read: an uncompressed 32-bit BMP of
// MaxPixels is the largest file an accepted picture honestly needs (a JPEG of
// it is smaller), and this leaves it room for headers, a palette and metadata.
constexpr qint64 MaxFileBytes = 128 * 1024 * 1024;
static_assert(MaxFileBytes >= MaxPixels * 4 + 4 * 1024 * 1024);
constexpr QRgb MissingPixel = 0xFF808080;

QImage LoadPicture(const QString& localPath, qint64 pixelBudget = MaxPixels);
// Throws the "Picture too large" error LoadPicture gives for a picture of this
// size with this much of the budget left (for pictures decoded side by side).
void CheckPixelBudget(const QImage& picture, qint64 pixelBudget, const QString& localPath);
QImage DecodeJpeg(const QString& localPath, qint64 pixelBudget = MaxPixels);
QImage DecodeBmp(const QString& localPath, qint64 pixelBudget = MaxPixels);
} // namespace PictureLoader
