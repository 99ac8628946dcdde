#include "platform/focus_rect.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QImage Picture()
{
    QImage image(21, 16, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 12, y * 15, (x * y) & 255));
    return image;
}

struct Frame {
    int left, top, right, bottom;
};

// The outline as a plain membership test, normalised like the function under test.
bool Inverts(const Frame& f, int x, int y)
{
    const int l = std::min(f.left, f.right), r = std::max(f.left, f.right);
    const int t = std::min(f.top, f.bottom), b = std::max(f.top, f.bottom);
    const bool inside = x >= l && x < r && y >= t && y < b;
    const bool edge = x == l || x == r - 1 || y == t || y == b - 1;
    return inside && edge && (x + y) % 2 == 0;
}

void ExpectFrame(const QImage& before, const QImage& after, const Frame& f)
{
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb expected = before.pixel(x, y) ^ (Inverts(f, x, y) ? 0xFFFFFFu : 0u);
            ASSERT_EQ(after.pixel(x, y), expected) << "at " << x << "," << y;
        }
}

TEST(FocusRect, InvertsEveryOtherOutlinePixelOnceAndTwoCallsRestore)
{
    const Frame frames[] = {
        {3, 2, 13, 9},     // inside
        {13, 9, 3, 2},     // given the other way round
        {5, 2, 6, 8},      // one pixel wide
        {2, 5, 12, 6},     // one pixel high
        {4, 4, 5, 5},      // one pixel, even
        {4, 5, 5, 6},      // one pixel, odd: nothing
        {-5, -3, 6, 7},    // clipped at the top left
        {15, 10, 30, 30},  // clipped at the bottom right
        {-1, -1, 22, 17},  // outline all outside
        {30, 30, 40, 40},  // all outside
        {3, 3, 3, 10},     // no width
        {3, 3, 10, 3},     // no height
    };
    const QImage before = Picture();
    for (const Frame& f : frames) {
        SCOPED_TRACE(testing::Message() << f.left << "," << f.top << "," << f.right << "," << f.bottom);
        QImage image = before;
        DrawFocusRect(image, f.left, f.top, f.right, f.bottom);
        ExpectFrame(before, image, f);
        DrawFocusRect(image, f.left, f.top, f.right, f.bottom);
        EXPECT_EQ(image, before);
    }
}

TEST(FocusRect, FramesSharingAnEdgeCancelThere)
{
    const QImage before = Picture();
    QImage image = before;
    DrawFocusRect(image, 0, 0, 10, 10);
    DrawFocusRect(image, 9, 0, 20, 10);
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(image.pixel(9, y), before.pixel(9, y)) << y;
    EXPECT_NE(image.pixel(0, 0), before.pixel(0, 0));
    EXPECT_NE(image.pixel(19, 1), before.pixel(19, 1));
    EXPECT_NE(image.pixel(10, 0), before.pixel(10, 0));
}

} // namespace
