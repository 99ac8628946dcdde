#include "platform/region.h"
#include "platform/region_builder.h"
#include "platform/vyx_error.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

Region Rects(std::initializer_list<RegionRect> rects)
{
    Region region;
    for (const RegionRect& r : rects)
        region = region.United(Region::FromRect(r.Left, r.Top, r.Right, r.Bottom));
    return region;
}

std::vector<RegionRect> Expected(std::initializer_list<RegionRect> rects) { return rects; }

void Put(QByteArray& data, int offset, int32_t value) { qToLittleEndian<int32_t>(value, data.data() + offset); }

QString RefusalOf(const QByteArray& data)
{
    try {
        Region::FromData(data);
    } catch (const VyxError& e) {
        return e.Message();
    }
    return QString();
}

TEST(Region, UnionKeepsTheCanonicalBandedForm)
{
    EXPECT_TRUE(Region().IsEmpty());
    EXPECT_TRUE(Region::FromRect(3, 0, 3, 5).IsEmpty()) << "no width";
    // Two rows with the same runs become one band of two rectangles.
    EXPECT_EQ(Rects({{0, 0, 2, 1}, {3, 0, 4, 1}, {0, 1, 2, 2}, {3, 1, 4, 2}}).Rects(),
              Expected({{0, 0, 2, 2}, {3, 0, 4, 2}}));
    // Touching rectangles in a band join; overlapping ones split into bands.
    EXPECT_EQ(Rects({{0, 0, 2, 1}, {2, 0, 4, 1}}).Rects(), Expected({{0, 0, 4, 1}}));
    EXPECT_EQ(Rects({{0, 0, 2, 2}, {1, 1, 3, 3}}).Rects(), Expected({{0, 0, 2, 1}, {0, 1, 3, 2}, {1, 2, 3, 3}}));
    // Order of the unions does not matter; a contained rectangle adds nothing.
    EXPECT_EQ(Rects({{5, 5, 6, 6}, {0, 0, 10, 10}}), Rects({{0, 0, 10, 10}}));
    // Bands separated by an empty row stay apart even with equal spans.
    EXPECT_EQ(Rects({{0, 0, 2, 1}, {0, 2, 2, 3}}).Rects(), Expected({{0, 0, 2, 1}, {0, 2, 2, 3}}));
    // Bands that become equal after a union merge with their neighbours.
    EXPECT_EQ(Rects({{0, 0, 2, 1}, {0, 1, 1, 2}, {1, 1, 2, 2}}).Rects(), Expected({{0, 0, 2, 2}}));
}

TEST(Region, BoundsAndContains)
{
    const Region region = Rects({{4, 1, 6, 2}, {0, 3, 2, 5}});
    EXPECT_EQ(region.Bounds(), (RegionRect{0, 1, 6, 5}));
    EXPECT_TRUE(region.Contains(5, 1));
    EXPECT_FALSE(region.Contains(6, 1)) << "right is exclusive";
    EXPECT_FALSE(region.Contains(3, 3));
    EXPECT_EQ(Region().Bounds(), RegionRect{});
}

TEST(Region, BuilderMergesOnlyAdjacentRowsWithEqualSpans)
{
    RegionBuilder builder;
    builder.AddRow(0, {{0, 2}, {3, 4}});
    builder.AddRow(1, {{0, 2}, {3, 4}});
    builder.AddRow(2, {{0, 2}});
    builder.AddRow(3, {});
    builder.AddRow(4, {{0, 2}});
    EXPECT_EQ(builder.Take().Rects(), Expected({{0, 0, 2, 2}, {3, 0, 4, 2}, {0, 2, 2, 3}, {0, 4, 2, 5}}));
    EXPECT_TRUE(builder.Take().IsEmpty()) << "taking leaves the builder empty";
}

TEST(Region, DataIsTheRegionDataBlock)
{
    const QByteArray data = Rects({{0, 0, 2, 2}, {3, 0, 4, 2}}).Data();
    ASSERT_EQ(data.size(), 64);
    const int32_t expected[] = {32, 1, 2, 32, 0, 0, 4, 2, 0, 0, 2, 2, 3, 0, 4, 2};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(qFromLittleEndian<int32_t>(data.constData() + 4 * i), expected[i]) << "field " << i;
    EXPECT_TRUE(Region().Data().isEmpty());
}

TEST(Region, DataRoundTrips)
{
    const Region region = Rects({{-5, -3, 2, 1}, {0, 1, 9, 4}, {12, 1, 13, 4}, {1, 9, 2, 10}});
    EXPECT_EQ(Region::FromData(region.Data()), region);
}

TEST(Region, DamagedDataIsRefusedWithAReason)
{
    const QByteArray good = Rects({{0, 0, 2, 1}, {3, 0, 4, 1}, {0, 1, 4, 2}}).Data();
    ASSERT_TRUE(RefusalOf(good).isEmpty());
    const auto damaged = [&](int offset, int32_t value) {
        QByteArray data = good;
        Put(data, offset, value);
        return RefusalOf(data);
    };
    EXPECT_TRUE(RefusalOf(good.left(31)).contains("shorter than the 32-byte header"));
    EXPECT_TRUE(RefusalOf(good.left(good.size() - 1)).contains("do not hold a header and 3 rectangles"));
    EXPECT_TRUE(RefusalOf(good + QByteArray(16, 0)).contains("do not hold"));
    EXPECT_TRUE(damaged(0, 40).contains("header size is 40"));
    EXPECT_TRUE(damaged(4, 2).contains("type is 2"));
    EXPECT_TRUE(damaged(8, 0).contains("no rectangles"));
    // A huge count is checked against the length, never used to allocate.
    EXPECT_TRUE(damaged(8, -1).contains("do not hold a header and 4294967295 rectangles"));
    EXPECT_TRUE(damaged(12, 0).contains("rectangle bytes are 0, not 48"));
    EXPECT_TRUE(damaged(16, 1).contains("bounding rectangle (1, 0, 4, 2) is not (0, 0, 4, 2)"));
    EXPECT_TRUE(damaged(32 + 8, 0).contains("rectangle 0 (0, 0, 0, 1) is empty or inverted"));
    EXPECT_TRUE(damaged(48, 2).contains("rectangle 1 (2, 0, 4, 1) does not follow")) << "touching in a band";
    EXPECT_TRUE(damaged(48, 1).contains("does not follow")) << "overlapping in a band";
    EXPECT_TRUE(damaged(48 + 12, 2).contains("does not follow")) << "a different bottom in one band";
    EXPECT_TRUE(damaged(64 + 4, -1).contains("does not start below")) << "bands out of order";
}

TEST(Region, UnmergedEqualBandsAreRefused)
{
    QByteArray data(64, 0);
    const int32_t fields[] = {32, 1, 2, 32, 0, 0, 2, 2, 0, 0, 2, 1, 0, 1, 2, 2};
    for (int i = 0; i < 16; ++i)
        Put(data, 4 * i, fields[i]);
    EXPECT_TRUE(RefusalOf(data).contains("bands at rows 0 and 1 have the same spans"));
    Put(data, 32 + 16 + 4, 2); // the second band one row lower: no longer adjacent
    Put(data, 32 + 16 + 12, 3);
    Put(data, 28, 3);
    EXPECT_TRUE(RefusalOf(data).isEmpty()) << RefusalOf(data).toStdString();
}

} // namespace
