#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// An opaque picture as a PNG file's bytes: 8-bit RGB, every row Sub-filtered,
// one IDAT deflated at zlib's fastest level. The web page export converts
// whole menu pictures with it, where Qt's writer spends most of the export
// trying every filter on every row.
namespace PngEncoder {
// An alpha channel is not written; throws VyxError when zlib fails. A
// `source` text goes into a tEXt chunk ("Source") before the pixels, so that
// a later export can tell what the file was made from.
QByteArray Encode(const QImage& picture, const QByteArray& source = {});
// The "Source" text of a PNG file Encode wrote; empty when it has none or
// cannot be read.
QByteArray SourceOf(const QString& path);
} // namespace PngEncoder
