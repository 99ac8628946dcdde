#pragma once
#include <QByteArray>
#include <QImage>

// An opaque picture as a PNG file's bytes: 8-bit RGB, every row Sub-filtered,
// one IDAT deflated at zlib's fastest level. The web page export converts
// whole menu pictures with it, where Qt's writer spends most of the export
// trying every filter on every row.
namespace PngEncoder {
// An alpha channel is not written; throws VyxError when zlib fails.
QByteArray Encode(const QImage& picture);
} // namespace PngEncoder
