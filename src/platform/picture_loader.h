#pragma once
#include <QImage>
#include <QString>

// Picture files by extension: ".JPG"/".JPEG" (any case) through libjpeg-turbo,
// ".BMP" through Qt's reader, anything else refused with "Unknown picture file
// extension (.%s)", the extension as the name spells it. Every failure throws
// VyxError with a clear message; the result is always Format_RGB32.
namespace PictureLoader {
constexpr int MaxSide = 16384;
constexpr qint64 MaxPixels = 100'000'000;

QImage LoadPicture(const QString& localPath);
QImage DecodeJpeg(const QString& localPath);
QImage DecodeBmp(const QString& localPath);
} // namespace PictureLoader
