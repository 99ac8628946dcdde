#pragma once
#include <QImage>

// A picture whose neighbouring pixels all differ, so a misplaced copy shows.
inline QImage NoisePicture(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xFF000000u | (seed >> 8));
        }
    return image;
}

inline QImage FilledPicture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A picture of one colour with a rectangle of another.
inline QImage BlockPicture(QSize size, QRgb ground, const QRect& block, QRgb colour)
{
    QImage image = FilledPicture(size.width(), size.height(), ground);
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            image.setPixel(x, y, colour);
    return image;
}
