#include "platform/bmp_header.h"

#include <QtEndian>
#include <bit>
#include <cstdlib>

namespace {

constexpr int InfoHeaderAt = 14; // after the 14-byte file header
constexpr quint32 CoreHeaderSize = 12; // OS/2 1.x: 16-bit sizes, no masks
constexpr quint32 BitFields = 3;
constexpr quint32 AlphaBitFields = 6;

template <typename T> T Read(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// Widens an 8-bit value that Qt made from a `bits`-bit sample.
int Widen(int value, int bits)
{
    const int max = (1 << bits) - 1;
    const int sample = value >> (8 - bits);
    return (sample * 255 + max / 2) / max;
}

} // namespace

BmpHeader::BmpHeader(const QByteArray& start)
{
    if (start.size() < InfoHeaderAt + 4 || !start.startsWith("BM"))
        return;
    const auto headerSize = Read<quint32>(start, InfoHeaderAt);
    if (headerSize == CoreHeaderSize && start.size() >= 26) {
        m_width = Read<quint16>(start, 18);
        m_height = Read<quint16>(start, 20);
        m_bitCount = Read<quint16>(start, 24);
    } else if (headerSize >= 40 && start.size() >= 34) {
        m_width = std::abs(qint64(Read<qint32>(start, 18)));
        m_height = std::abs(qint64(Read<qint32>(start, 22))); // negative: rows top-down
        m_bitCount = Read<quint16>(start, 28);
        ReadMasks(start, Read<quint32>(start, 30));
    } else {
        return;
    }
    m_valid = true;
}

void BmpHeader::ReadMasks(const QByteArray& start, quint32 compression)
{
    if (m_bitCount != 16 && m_bitCount != 32)
        return;
    if (compression == BitFields || compression == AlphaBitFields) {
        if (start.size() >= BytesNeeded)
            m_masks = {Read<quint32>(start, 54), Read<quint32>(start, 58), Read<quint32>(start, 62)};
    } else if (m_bitCount == 16) {
        m_masks = {0x7C00, 0x03E0, 0x001F}; // plain 16-bit is 5-5-5
    }
}

void BmpHeader::WidenShortChannels(QImage& image) const
{
    const int red = std::popcount(m_masks[0]);
    const int green = std::popcount(m_masks[1]);
    const int blue = std::popcount(m_masks[2]);
    const auto narrow = [](int bits) { return bits > 0 && bits < 8; };
    if (!narrow(red) && !narrow(green) && !narrow(blue))
        return;
    const auto widen = [narrow](int value, int bits) { return narrow(bits) ? Widen(value, bits) : value; };
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(widen(qRed(p), red), widen(qGreen(p), green), widen(qBlue(p), blue));
        }
    }
}
