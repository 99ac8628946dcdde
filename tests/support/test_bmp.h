#pragma once
#include <QByteArray>
#include <QtEndian>

// The headers of a bottom-up BMP (no masks; a palette for 8 bits or fewer)
// followed by `data`, which may hold fewer pixels than the size declares.
inline QByteArray BmpWithData(int width, int height, int bits, const QByteArray& data, quint32 compression = 0,
                              const QByteArray& palette = {})
{
    QByteArray bytes(54, '\0');
    auto put32 = [&bytes](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(54 + palette.size() + data.size()));
    put32(10, quint32(54 + palette.size()));
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(bits), bytes.data() + 28);
    put32(30, compression);
    put32(46, quint32(palette.size() / 4));
    return bytes + palette + data;
}

