#include "model/plasma_region.h"

#include "platform/vyx_error.h"

#include <QIODevice>
#include <QtEndian>

namespace {

void WriteAll(QIODevice& stream, const char* bytes, qint64 size)
{
    if (stream.write(bytes, size) != size)
        throw VyxError(QStringLiteral("Cannot write region data: %1").arg(stream.errorString()));
}

// Reads exactly `size` bytes in pieces, so a size that the stream does not
// back is never allocated at once.
QByteArray ReadExactly(QIODevice& stream, qint64 size)
{
    constexpr qint64 Piece = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() < size) {
        const QByteArray piece = stream.read(std::min(Piece, size - bytes.size()));
        if (piece.isEmpty())
            throw VyxError(QStringLiteral("Region data cut short: %1 of %2 bytes").arg(bytes.size()).arg(size));
        bytes += piece;
    }
    return bytes;
}

} // namespace

void TPlasmaRegion::AssignRegion(const Region* region)
{
    m_region = region ? *region : Region();
}

void TPlasmaRegion::AssignRegionData(const QByteArray* data)
{
    m_region = data ? Region::FromData(*data) : Region();
}

void TPlasmaRegion::WriteData(QIODevice& stream) const
{
    const QByteArray data = m_region.Data();
    char size[4];
    qToLittleEndian<int32_t>(int32_t(data.size()), size);
    WriteAll(stream, size, 4);
    WriteAll(stream, data.constData(), data.size());
}

void TPlasmaRegion::ReadData(QIODevice& stream)
{
    const QByteArray sizeBytes = ReadExactly(stream, 4);
    const int32_t size = qFromLittleEndian<int32_t>(sizeBytes.constData());
    if (size <= 0) {
        AssignRegionData(nullptr);
        return;
    }
    const QByteArray data = ReadExactly(stream, size);
    AssignRegionData(&data);
}
