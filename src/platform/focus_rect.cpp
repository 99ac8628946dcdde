#include "platform/focus_rect.h"

#include <algorithm>
#include <utility>

namespace {

constexpr QRgb InvertMask = 0x00FFFFFF;

// Inverts the pixels x0..x1-1 of row y whose x + y is even, within the image.
void InvertRow(QImage& image, int y, int x0, int x1)
{
    if (y < 0 || y >= image.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, image.width());
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = x0 + ((x0 + y) & 1); x < x1; x += 2)
        row[x] ^= InvertMask;
}

// Inverts the pixels y0..y1-1 of column x whose x + y is even, within the image.
void InvertColumn(QImage& image, int x, int y0, int y1)
{
    if (x < 0 || x >= image.width())
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, image.height());
    uchar* bits = image.bits(); // detaches once, not per row
    const qsizetype stride = image.bytesPerLine();
    for (int y = y0 + ((x + y0) & 1); y < y1; y += 2)
        reinterpret_cast<QRgb*>(bits + y * stride)[x] ^= InvertMask;
}

} // namespace

void DrawFocusRect(QImage& image, int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (left == right || top == bottom || image.isNull())
        return;
    if (image.depth() != 32)
        image = image.convertToFormat(QImage::Format_RGB32);
    // Top and bottom rows take the corners; the columns cover only the rows
    // between them, so that no pixel is inverted twice.
    InvertRow(image, top, left, right);
    if (bottom - 1 > top)
        InvertRow(image, bottom - 1, left, right);
    InvertColumn(image, left, top + 1, bottom - 1);
    if (right - 1 > left)
        InvertColumn(image, right - 1, top + 1, bottom - 1);
}
