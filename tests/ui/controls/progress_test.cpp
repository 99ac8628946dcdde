// The gradient bar as it is painted: columns, colours and the copied text.
#include "ui/controls/progress.h"

#include <gtest/gtest.h>

namespace {

// A 221 x 21 bar with a black border on white, as the wizard's sample.
struct Bar {
    TProgress bar;
    Bar(int width = 221)
    {
        bar.resize(width, 21);
        bar.SetBorderColor(Qt::black);
    }
    QImage Image() { return bar.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Columns 1.. whose middle pixel is not the background.
    int FilledColumns()
    {
        const QImage image = Image();
        int n = 0;
        for (int x = 1; x < image.width() - 1 && image.pixelColor(x, 10) != QColor(Qt::white); ++x)
            ++n;
        return n;
    }
};

TEST(ProgressTest, DefaultsAndSize)
{
    TProgress bar;
    EXPECT_EQ(bar.size(), QSize(217, 40));
    EXPECT_EQ(bar.BackColor(), QColor(255, 255, 255));
    EXPECT_EQ(bar.BorderColor(), QColor(0, 0, 0));
    EXPECT_EQ(bar.FromColor(), QColor(0, 255, 0));
    EXPECT_EQ(bar.ToColor(), QColor(255, 0, 0));
    EXPECT_EQ(bar.Progress(), 0);
    EXPECT_TRUE(bar.Text().isEmpty());
}

TEST(ProgressTest, HalfOf221RoundsToEvenAndAFullBarEndsInToColor)
{
    Bar b;
    b.bar.SetProgress(50);
    EXPECT_EQ(b.FilledColumns(), 110); // 109.5 rounds to even
    b.bar.SetProgress(100);
    EXPECT_EQ(b.FilledColumns(), 219);
    const QImage image = b.Image();
    EXPECT_EQ(image.pixelColor(219, 1), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(219, 19), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(219, 20), QColor(0, 0, 0)); // the border below
    EXPECT_EQ(image.pixelColor(220, 10), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(0, 10), QColor(0, 0, 0));
    // Column 1 is 1/219 of the way: green 255 x 218/219 = 253.84 -> 254, red 1.16 -> 1.
    EXPECT_EQ(image.pixelColor(1, 10), QColor(1, 254, 0));
    // Column 73 of 219 (a third): 85 red, 170 green.
    EXPECT_EQ(image.pixelColor(73, 10), QColor(85, 170, 0));
}

TEST(ProgressTest, ChannelHalvesRoundToEven)
{
    Bar b(6); // four columns: t = 1/4 .. 4/4
    b.bar.SetFromColor(QColor(0, 1, 2));
    b.bar.SetToColor(QColor(2, 3, 4));
    b.bar.SetProgress(100);
    const QImage image = b.Image();
    // t = 1/4: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; t = 3/4: 1.5 -> 2, 2.5 -> 2, 3.5 -> 4.
    EXPECT_EQ(image.pixelColor(1, 5), QColor(0, 2, 2));
    EXPECT_EQ(image.pixelColor(3, 5), QColor(2, 2, 4));
    EXPECT_EQ(image.pixelColor(4, 5), QColor(2, 3, 4));
}

TEST(ProgressTest, AboveHundredOrUnchangedIsIgnoredNegativeIsStored)
{
    Bar b;
    b.bar.SetProgress(40);
    b.bar.SetProgress(101);
    EXPECT_EQ(b.bar.Progress(), 40);
    EXPECT_EQ(b.FilledColumns(), 88);
    b.bar.SetProgress(-20);
    EXPECT_EQ(b.bar.Progress(), -20);
    EXPECT_EQ(b.FilledColumns(), 0);
}

TEST(ProgressTest, EqualColoursFillUniformly)
{
    Bar b;
    b.bar.SetFromColor(QColor(10, 20, 30));
    b.bar.SetToColor(QColor(10, 20, 30));
    b.bar.SetProgress(100);
    const QImage image = b.Image();
    for (int x = 1; x <= 219; ++x)
        ASSERT_EQ(image.pixelColor(x, 10), QColor(10, 20, 30)) << x;
}

TEST(ProgressTest, OnlyPixelsOfTheTextColourAreCopied)
{
    Bar b;
    b.bar.SetProgress(0);
    const QImage empty = b.Image();
    QFont font = b.bar.font();
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    b.bar.SetTextFont(font);
    b.bar.SetTextColor(0x000000FF); // red
    b.bar.SetText("| sample |");
    const QImage text = b.Image();
    int red = 0;
    for (int y = 0; y < text.height(); ++y) {
        for (int x = 0; x < text.width(); ++x) {
            const QColor c = text.pixelColor(x, y);
            if (c != empty.pixelColor(x, y)) {
                ASSERT_EQ(c, QColor(255, 0, 0)) << x << "," << y;
                ++red;
            }
        }
    }
    EXPECT_GT(red, 20);
    // An empty text draws nothing.
    b.bar.SetText(QString());
    EXPECT_EQ(b.Image(), empty);
}

TEST(ProgressTest, ASystemTextColourIsResolvedThroughThePalette)
{
    Bar b;
    QFont font = b.bar.font();
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    b.bar.SetTextFont(font);
    b.bar.SetText("IIII");
    b.bar.SetTextColor(0x80000000u + 2); // the highlight colour
    const QColor highlight = b.bar.palette().color(QPalette::Highlight);
    const QImage image = b.Image();
    bool found = false;
    for (int x = 0; x < image.width() && !found; ++x)
        found = image.pixelColor(x, 10) == highlight;
    EXPECT_TRUE(found);
}

} // namespace
