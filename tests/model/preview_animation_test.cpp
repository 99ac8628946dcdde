#include "model/preview_animation.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewAnimationTest, FasterSpeedsTakeLessTimeAndOutOfRangeIsHeld)
{
    for (int speed = 1; speed < 5; ++speed)
        EXPECT_GT(PreviewAnimation::DurationMs(speed), PreviewAnimation::DurationMs(speed + 1));
    EXPECT_EQ(PreviewAnimation::DurationMs(1), 1200);
    EXPECT_EQ(PreviewAnimation::DurationMs(5), 200);
    EXPECT_EQ(PreviewAnimation::DurationMs(0), PreviewAnimation::DurationMs(1));
    EXPECT_EQ(PreviewAnimation::DurationMs(-7), PreviewAnimation::DurationMs(1));
    EXPECT_EQ(PreviewAnimation::DurationMs(99), PreviewAnimation::DurationMs(5));
}

TEST(PreviewAnimationTest, TheMenuGrowsFromTheNamedEdge)
{
    const QSize size(200, 100);
    EXPECT_EQ(PreviewAnimation::Visible(PreviewAnimation::Top, size, 0.25), QRect(0, 0, 200, 25));
    EXPECT_EQ(PreviewAnimation::Visible(PreviewAnimation::Bottom, size, 0.25), QRect(0, 75, 200, 25));
    EXPECT_EQ(PreviewAnimation::Visible(PreviewAnimation::Left, size, 0.5), QRect(0, 0, 100, 100));
    EXPECT_EQ(PreviewAnimation::Visible(PreviewAnimation::Right, size, 0.5), QRect(100, 0, 100, 100));
    EXPECT_TRUE(PreviewAnimation::Visible(PreviewAnimation::Right, size, 0).isEmpty());
    EXPECT_EQ(PreviewAnimation::Visible(PreviewAnimation::Bottom, size, 1.5), QRect(0, 0, 200, 100));
}

TEST(PreviewAnimationTest, OnlyTheFourDirectionsAnimate)
{
    EXPECT_FALSE(PreviewAnimation::Animates(0));
    EXPECT_TRUE(PreviewAnimation::Animates(1));
    EXPECT_TRUE(PreviewAnimation::Animates(4));
    EXPECT_FALSE(PreviewAnimation::Animates(5));
    EXPECT_EQ(PreviewAnimation::Visible(9, QSize(20, 10), 0.1), QRect(0, 0, 20, 10));
}

} // namespace
