#include "model/mask_builder.h"

#include "platform/region_builder.h"

namespace MaskBuilder {

void ScanRow(const QImage& picture, int y, uint32_t maskColor, int tolerance, std::vector<RegionSpan>& runs)
{
    runs.clear();
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    const int width = picture.width();
    int x = 0;
    while (x < width) {
        while (x < width && ColorsClose(PixelColor(row[x]), maskColor, tolerance))
            ++x;
        if (x == width)
            break;
        const int first = x;
        while (x < width && !ColorsClose(PixelColor(row[x]), maskColor, tolerance))
            ++x;
        runs.push_back({first, x});
    }
}

int Percent(int y, int height)
{
    return height <= 1 ? 100 : int(qint64(y) * 100 / (height - 1));
}

Region Build(const QImage& source, uint32_t maskColor, int tolerance, const std::function<void(int y)>& rowStarted)
{
    const QImage picture = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
                               ? source
                               : source.convertToFormat(QImage::Format_RGB32);
    RegionBuilder builder;
    std::vector<RegionSpan> runs;
    for (int y = 0; y < picture.height(); ++y) {
        if (rowStarted)
            rowStarted(y);
        ScanRow(picture, y, maskColor, tolerance, runs);
        builder.AddRow(y, runs);
    }
    return builder.Take();
}

Region BuildFromAlpha(const QImage& source)
{
    constexpr uint32_t Transparent = 0xFFFFFF;
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    QImage twoColors(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(twoColors.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 ? 0xFF000000 : 0xFF000000 | Transparent;
    }
    return Build(twoColors, Transparent, 0);
}

} // namespace MaskBuilder
