#include "model/mask_builder.h"

#include "platform/region.h"

#include <QRandomGenerator>
#include <QRegion>
#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr uint32_t WhiteColor = 0xFFFFFF;

// The build as the mask maker's algorithm states it: one rectangle per run,
// each united into the region built so far.
Region PerRunUnion(const QImage& picture, uint32_t maskColor, int tolerance)
{
    Region region;
    std::vector<RegionSpan> runs;
    for (int y = 0; y < picture.height(); ++y) {
        MaskBuilder::ScanRow(picture, y, maskColor, tolerance, runs);
        for (const RegionSpan& run : runs)
            region = region.United(Region::FromRect(run.Left, y, run.Right, y + 1));
    }
    return region;
}

QRegion ToQRegion(const Region& region)
{
    QRegion result;
    for (const RegionRect& r : region.Rects())
        result += QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    return result;
}

// Blobs of a few colours on a white ground: runs of every length, shared and
// differing spans between rows.
QImage RandomPicture(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    const QRgb colours[] = {White, 0xFFFFFFF0, Black, 0xFF3080C0};
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool copyAbove = y > 0 && random.bounded(4) != 0;
            row[x] = copyAbove ? picture.pixel(x, y - 1) : colours[random.bounded(4)];
        }
    }
    return picture;
}

TEST(ColorsClose, EachChannelWithinTheTolerance)
{
    EXPECT_TRUE(ColorsClose(0x123456, 0x123456, 0));
    EXPECT_FALSE(ColorsClose(0x123457, 0x123456, 0)) << "tolerance 0: only the exact colour";
    EXPECT_TRUE(ColorsClose(0xFF123456, 0x00123456, 0)) << "the top byte is ignored";
    EXPECT_TRUE(ColorsClose(0x000000, 0x646464, 100));
    EXPECT_FALSE(ColorsClose(0x000000, 0x656464, 100)) << "blue differs by 101";
    EXPECT_FALSE(ColorsClose(0x006500, 0x000000, 100)) << "green differs by 101";
    EXPECT_TRUE(ColorsClose(0xFFFFFF, 0x9B9B9B, 100)) << "the upper end is clipped at 255";
    EXPECT_FALSE(ColorsClose(0x123456, 0x123456, -1));
    EXPECT_EQ(PixelColor(0xFF102030), 0x302010u);
}

TEST(MaskBuilder, ExamplesOfTheMaskFile)
{
    QImage transparent(7, 5, QImage::Format_RGB32);
    transparent.fill(White);
    EXPECT_TRUE(MaskBuilder::Build(transparent, WhiteColor, 0).IsEmpty());

    QImage corner = transparent;
    corner.setPixel(6, 4, Black);
    const Region one = MaskBuilder::Build(corner, WhiteColor, 10);
    ASSERT_EQ(one.Rects().size(), 1u);
    EXPECT_EQ(one.Rects().front(), (RegionRect{6, 4, 7, 5}));
    EXPECT_EQ(one.Bounds(), (RegionRect{6, 4, 7, 5}));
    EXPECT_EQ(one.Data().size(), 48);

    QImage fourByTwo(4, 2, QImage::Format_RGB32);
    fourByTwo.fill(Black);
    fourByTwo.setPixel(2, 0, White);
    fourByTwo.setPixel(2, 1, White);
    const Region two = MaskBuilder::Build(fourByTwo, WhiteColor, 10);
    EXPECT_EQ(two.Rects(), (std::vector<RegionRect>{{0, 0, 2, 2}, {3, 0, 4, 2}}));
    EXPECT_EQ(two.Data().size(), 64);
}

TEST(MaskBuilder, ToleranceDecidesTransparency)
{
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, 0xFF808080);
    picture.setPixel(1, 0, 0xFF818080); // red one above
    picture.setPixel(2, 0, 0xFFE4E4E4); // 100 above in each channel
    const auto opaque = [&](int tolerance) {
        QString columns;
        const Region region = MaskBuilder::Build(picture, 0x808080, tolerance);
        for (int x = 0; x < 3; ++x)
            columns += region.Contains(x, 0) ? u'#' : u'.';
        return columns;
    };
    EXPECT_EQ(opaque(0), QStringLiteral(".##"));
    EXPECT_EQ(opaque(1), QStringLiteral("..#"));
    EXPECT_EQ(opaque(99), QStringLiteral("..#"));
    EXPECT_EQ(opaque(100), QStringLiteral("..."));
}

TEST(MaskBuilder, ProgressPerRow)
{
    EXPECT_EQ(MaskBuilder::Percent(0, 1), 100) << "one row high";
    EXPECT_EQ(MaskBuilder::Percent(0, 4), 0);
    EXPECT_EQ(MaskBuilder::Percent(1, 4), 33);
    EXPECT_EQ(MaskBuilder::Percent(3, 4), 100);
    EXPECT_EQ(MaskBuilder::Percent(16383, 16384), 100);
    std::vector<int> rows;
    MaskBuilder::Build(QImage(2, 3, QImage::Format_RGB32), 0, 0, [&](int y) { rows.push_back(y); });
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2}));
}

TEST(MaskBuilder, OnePassEqualsThePerRunUnionByteForByte)
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        const int width = 1 + int(seed * 7 % 37);
        const int height = 1 + int(seed * 5 % 23);
        const QImage picture = RandomPicture(width, height, seed);
        const int tolerance = int(seed % 3) * 10;
        const Region fast = MaskBuilder::Build(picture, WhiteColor, tolerance);
        const Region literal = PerRunUnion(picture, WhiteColor, tolerance);
        ASSERT_EQ(fast.Data(), literal.Data()) << "seed " << seed;
        // The same pixel set as Qt's own region of the opaque pixels.
        QRegion opaque;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (!ColorsClose(PixelColor(picture.pixel(x, y)), WhiteColor, tolerance))
                    opaque += QRect(x, y, 1, 1);
        ASSERT_TRUE(opaque.xored(ToQRegion(fast)).isEmpty()) << "seed " << seed;
        if (!fast.IsEmpty()) {
            ASSERT_EQ(Region::FromData(fast.Data()), fast);
        }
    }
}

// Alpha at least half is opaque; the bytes are those of the colour rule on a
// picture whose transparent pixels alone have the mask colour.
TEST(MaskBuilder, TheAlphaMaskIsTheColourRulesRegionOfTheSameOpaquePixels)
{
    constexpr uint32_t Magenta = 0xFF00FF;
    const int alphas[] = {0, 127, 128, 255};
    for (quint32 seed = 1; seed <= 20; ++seed) {
        const QImage colours = RandomPicture(1 + int(seed * 11 % 41), 1 + int(seed * 3 % 19), seed);
        QImage withAlpha(colours.size(), QImage::Format_ARGB32);
        QImage keyed = colours.copy();
        QRandomGenerator random(seed);
        for (int y = 0; y < colours.height(); ++y)
            for (int x = 0; x < colours.width(); ++x) {
                // Runs of one alpha, as the colours have, and single pixels.
                const int alpha = alphas[(x > 0 && random.bounded(3) != 0) ? qAlpha(withAlpha.pixel(x - 1, y)) / 64 % 4
                                                                            : random.bounded(4)];
                withAlpha.setPixel(x, y, (colours.pixel(x, y) & 0xFFFFFF) | (uint32_t(alpha) << 24));
                if (alpha < 128)
                    keyed.setPixel(x, y, 0xFFFF00FF);
            }
        ASSERT_EQ(MaskBuilder::BuildFromAlpha(withAlpha).Data(), PerRunUnion(keyed, Magenta, 0).Data()) << "seed " << seed;
    }
}

TEST(MaskBuilder, OtherPictureFormatsAreScannedAsTheirColours)
{
    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorTable({White, Black});
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    EXPECT_EQ(MaskBuilder::Build(indexed, WhiteColor, 0).Rects(), (std::vector<RegionRect>{{1, 0, 2, 1}}));
}

} // namespace
