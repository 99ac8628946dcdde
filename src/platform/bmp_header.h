#pragma once
#include <QByteArray>
#include <QImage>
#include <array>

// The few fields of a BMP file's headers the loader needs around Qt's reader:
// the declared size, so a huge picture is refused before anything is
// allocated, and the channel masks of 16-bit files, whose 5- and 6-bit
// channels Qt widens by a plain shift where Windows spreads them over 0..255.
class BmpHeader {
public:
    // `start` is the beginning of the file; anything too short or not a BMP
    // header leaves the object invalid, and the loader refuses the file.
    explicit BmpHeader(const QByteArray& start);

    bool IsValid() const { return m_valid; }
    qint64 Width() const { return m_width; }
    qint64 Height() const { return m_height; }

    // Spreads channels narrower than 8 bits over the full range in a Format_RGB32 picture.
    void WidenShortChannels(QImage& image) const;

    static constexpr int BytesNeeded = 66; // file and info headers with three masks

private:
    void ReadMasks(const QByteArray& start, quint32 compression);

    bool m_valid = false;
    qint64 m_width = 0;
    qint64 m_height = 0;
    int m_bitCount = 0;
    std::array<quint32, 3> m_masks{}; // red, green, blue; zero when not a masked format
};
