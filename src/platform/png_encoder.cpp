#include "platform/png_encoder.h"

#include "platform/vyx_error.h"

#include <QFile>
#include <QtEndian>
#include <vector>
#include <zlib.h>

namespace {

const QByteArray Signature("\x89PNG\r\n\x1a\n", 8);
const QByteArray SourceKeyword("Source\0", 7);

void AppendBigEndian(QByteArray& out, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), 4);
}

void AppendChunk(QByteArray& out, const char type[4], const QByteArray& data)
{
    AppendBigEndian(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* bytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    AppendBigEndian(out, quint32(crc32(crc32(0, nullptr, 0), bytes, uInt(out.size() - start))));
}

QByteArray Header(const QImage& picture)
{
    QByteArray header;
    AppendBigEndian(header, quint32(picture.width()));
    AppendBigEndian(header, quint32(picture.height()));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, adaptive filters, no interlace
    return header;
}

// Row y as filter type 1 (Sub): each byte less the same channel of the pixel to its left.
void FilterRow(const QImage& picture, int y, std::vector<Bytef>& row)
{
    const auto* pixels = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    row[0] = 1;
    Bytef* out = row.data() + 1;
    QRgb left = 0;
    const int width = picture.width();
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = pixels[x];
        *out++ = Bytef(qRed(pixel) - qRed(left));
        *out++ = Bytef(qGreen(pixel) - qGreen(left));
        *out++ = Bytef(qBlue(pixel) - qBlue(left));
        left = pixel;
    }
}

QByteArray Deflate(const QImage& picture)
{
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        throw VyxError(QStringLiteral("Cannot start the PNG compression"));
    const uLong rowBytes = 1 + 3 * uLong(picture.width());
    QByteArray data(qsizetype(deflateBound(&stream, rowBytes * uLong(picture.height()))), Qt::Uninitialized);
    stream.next_out = reinterpret_cast<Bytef*>(data.data());
    stream.avail_out = uInt(data.size());
    std::vector<Bytef> row(rowBytes);
    int result = Z_OK;
    for (int y = 0; y < picture.height() && result == Z_OK; ++y) {
        FilterRow(picture, y, row);
        stream.next_in = row.data();
        stream.avail_in = uInt(rowBytes);
        result = deflate(&stream, y + 1 == picture.height() ? Z_FINISH : Z_NO_FLUSH);
    }
    data.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw VyxError(QStringLiteral("Cannot compress the PNG picture"));
    return data;
}

} // namespace

QByteArray PngEncoder::Encode(const QImage& original, const QByteArray& source)
{
    if (original.isNull())
        throw VyxError(QStringLiteral("Cannot write an empty picture as PNG"));
    const QImage picture =
        original.format() == QImage::Format_RGB32 ? original : original.convertToFormat(QImage::Format_RGB32);
    QByteArray png = Signature;
    AppendChunk(png, "IHDR", Header(picture));
    if (!source.isEmpty())
        AppendChunk(png, "tEXt", SourceKeyword + source);
    AppendChunk(png, "IDAT", Deflate(picture));
    AppendChunk(png, "IEND", {});
    return png;
}

QByteArray PngEncoder::SourceOf(const QString& path)
{
    // The text comes before the pixels: the file's head is enough.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(4096);
    if (!head.startsWith(Signature))
        return {};
    for (qsizetype at = Signature.size(); at + 8 <= head.size();) {
        const qsizetype length = qFromBigEndian<quint32>(head.constData() + at);
        const QByteArray type = head.mid(at + 4, 4);
        if (type == "IDAT" || length > head.size() - at - 12)
            break;
        const QByteArray data = head.mid(at + 8, length);
        if (type == "tEXt" && data.startsWith(SourceKeyword))
            return data.mid(SourceKeyword.size());
        at += 12 + length;
    }
    return {};
}
