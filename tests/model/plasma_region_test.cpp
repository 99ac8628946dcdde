#include "model/plasma_region.h"

#include "platform/vyx_error.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

Region TwoRects()
{
    return Region::FromRect(0, 0, 2, 2).United(Region::FromRect(3, 0, 4, 2));
}

QByteArray Streamed(const TPlasmaRegion& region)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    region.WriteData(buffer);
    return buffer.data();
}

void ReadInto(TPlasmaRegion& region, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    region.ReadData(buffer);
}

QByteArray SizeField(int32_t size)
{
    QByteArray field(4, 0);
    qToLittleEndian<int32_t>(size, field.data());
    return field;
}

TEST(TPlasmaRegion, AssignTakesACopyOrDropsTheRegion)
{
    TPlasmaRegion plasma;
    EXPECT_FALSE(plasma.HasRegion());
    Region region = TwoRects();
    plasma.AssignRegion(&region);
    region = Region();
    EXPECT_EQ(plasma.Current(), TwoRects()) << "the caller's region stays the caller's";
    plasma.AssignRegion(nullptr);
    EXPECT_FALSE(plasma.HasRegion());

    const QByteArray data = TwoRects().Data();
    plasma.AssignRegionData(&data);
    EXPECT_EQ(plasma.Current(), TwoRects());
    plasma.AssignRegionData(nullptr);
    EXPECT_FALSE(plasma.HasRegion());
}

TEST(TPlasmaRegion, StreamedFormRoundTrips)
{
    TPlasmaRegion plasma;
    const Region region = TwoRects();
    plasma.AssignRegion(&region);
    const QByteArray streamed = Streamed(plasma);
    EXPECT_EQ(streamed, SizeField(64) + region.Data());

    TPlasmaRegion read;
    ReadInto(read, streamed);
    EXPECT_EQ(read.Current(), region);

    EXPECT_EQ(Streamed(TPlasmaRegion()), SizeField(0)) << "no region: size 0, no bytes";
    ReadInto(read, SizeField(0));
    EXPECT_FALSE(read.HasRegion());
    read.AssignRegion(&region);
    ReadInto(read, SizeField(-5) + QByteArray(8, 'x'));
    EXPECT_FALSE(read.HasRegion()) << "a negative size gives no region";
}

TEST(TPlasmaRegion, DamagedStreamsAreRefusedAndKeepTheRegion)
{
    const Region region = TwoRects();
    TPlasmaRegion plasma;
    plasma.AssignRegion(&region);
    const auto refusal = [&](const QByteArray& bytes) {
        try {
            ReadInto(plasma, bytes);
        } catch (const VyxError& e) {
            return e.Message();
        }
        return QString();
    };
    EXPECT_TRUE(refusal(QByteArray(2, 0)).contains("cut short"));
    // A size far beyond the stream is read piece by piece, never allocated at once.
    EXPECT_TRUE(refusal(SizeField(0x7FFFFFFF) + region.Data()).contains("cut short: 64 of 2147483647 bytes"));
    QByteArray bad = region.Data();
    bad[4] = 3;
    EXPECT_TRUE(refusal(SizeField(64) + bad).contains("type is 3"));
    EXPECT_EQ(plasma.Current(), region);
}

} // namespace
