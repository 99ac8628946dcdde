#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "platform/vyx_error.h"

// Pictures in the formats designers export (PNG, WebP, TIFF, GIF, SVG and the
// rest Qt's image plugins read) made into the two the player shows: JPEG or
// BMP, written beside the original. No widget is involved.
namespace PictureConverter {

// A write refused because another file holds the target's name: the caller
// may ask the user and write again with `replaceOther`.
class TargetTakenError : public VyxError {
public:
    explicit TargetTakenError(const QString& target);
};

constexpr int DefaultQuality = 90;

// True for the names the player shows itself: .bmp, .jpg, .jpeg (any case).
bool IsPlayerFormat(const QString& path);

// Any picture a Qt plugin reads, alpha kept (Format_ARGB32); an SVG is drawn
// at `svgSize` when it is not empty. The picture loader's limits hold. A file
// that is missing, damaged or of no known format throws VyxError.
QImage Read(const QString& path, const QSize& svgSize = {});

// What the mask maker and the tools scan: the player's formats through the
// picture loader, anything else through Read with its transparent parts over
// white, as Format_RGB32.
QImage ReadOpaque(const QString& path, const QSize& svgSize = {});

// The picture as the bytes of a file of the target's extension (.jpg/.jpeg at
// `quality` 1-100, or .bmp with 24 bits a pixel), transparent parts over white.
QByteArray Encode(const QImage& picture, const QString& target, int quality = DefaultQuality);

// Writes the encoded picture to `target`. A file already there is kept when it
// holds the same bytes, and refused with TargetTakenError when it holds anything else.
void Write(const QImage& picture, const QString& target, int quality = DefaultQuality);

// Writes bytes Encode made to `target` as Write does; with `replaceOther` a
// different file there is replaced whole (a temporary file renamed over it).
void WriteEncoded(const QByteArray& bytes, const QString& target, bool replaceOther = false);

// Whether any pixel is less than opaque (alpha below 255).
bool HasTransparency(const QImage& picture);

// The name beside `source` to convert to: BMP for a picture of few colours (a
// drawing, where JPEG would smear the edges), JPEG for a photo.
QString ProposedTarget(const QString& source, const QImage& picture);

} // namespace PictureConverter
