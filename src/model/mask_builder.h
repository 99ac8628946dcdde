#pragma once
#include "platform/region.h"

#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

// The transparency test: every channel of the pixel within `tolerance` of the
// mask colour's. Both colours are 0x00BBGGRR; the top byte is ignored. With
// tolerance 0 only the exact colour matches, below 0 nothing does.
inline bool ColorsClose(uint32_t pixel, uint32_t maskColor, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const int p = int((pixel >> shift) & 0xFF);
        const int m = int((maskColor >> shift) & 0xFF);
        if (std::abs(p - m) > tolerance)
            return false;
    }
    return true;
}

// A picture pixel (0xAARRGGBB) as a colour value (0x00BBGGRR).
inline uint32_t PixelColor(QRgb pixel)
{
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

// The mask build: every pixel not close to the mask colour is opaque.
namespace MaskBuilder {

// The runs of opaque pixels of row y, left to right (right exclusive).
void ScanRow(const QImage& picture, int y, uint32_t maskColor, int tolerance, std::vector<RegionSpan>& runs);

// The progress of row y of a picture `height` rows high, in percent: y x 100 /
// (height - 1), and 100 for a picture one row high.
int Percent(int y, int height);

// The region of all opaque pixels in one pass: each row's runs either extend
// the band above (same spans) or start a band. `rowStarted(y)` runs before each
// row, for progress.
Region Build(const QImage& picture, uint32_t maskColor, int tolerance,
             const std::function<void(int y)>& rowStarted = {});

// The region of the pixels whose alpha is at least half (128): the colour
// rule's build on the picture those pixels make black and the others white,
// so the bytes are the ones the mask maker writes for the same opaque pixels.
Region BuildFromAlpha(const QImage& picture);

} // namespace MaskBuilder
