#include "ui/controls/sr_gradient.h"

#include <QPainter>
#include <algorithm>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr QRgb Behind = 0xFF123456;

// What the control paints over a background of one colour (the ellipse's corners show it).
QImage Rendered(const TSRGradient& gradient)
{
    QImage image(gradient.size(), QImage::Format_RGB32);
    image.fill(Behind);
    QPainter painter(&image);
    gradient.PaintShapes(painter);
    return image;
}

// A gradient of the given size, filling a parent of that size.
struct Panel {
    explicit Panel(int width, int height) { parent.resize(width, height), gradient = new TSRGradient(&parent); }
    QWidget parent;
    TSRGradient* gradient;
};

void ExpectUniform(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), colour) << x << "," << y;
}

} // namespace

TEST(TSRGradient, StartsBlueToBlackHorizontalAndFillsItsParent)
{
    Panel panel(120, 40);
    const TSRGradient& g = *panel.gradient;
    EXPECT_EQ(g.Direction(), TGradDirection::gdDownRight);
    EXPECT_EQ(g.EndColor(), TEndColor::ecBlack);
    EXPECT_EQ(g.StartColor(), TStartColor::scBlue);
    EXPECT_EQ(g.StepWidth(), 1);
    EXPECT_EQ(g.Style(), TGradStyle::gsHorizontal);
    EXPECT_EQ(g.Drawing().Colors()[0], qRgb(0, 0, 255));
    EXPECT_EQ(g.Drawing().Colors()[255], qRgb(0, 0, 0));
    EXPECT_EQ(g.geometry(), QRect(0, 0, 120, 40));
    panel.parent.show();
    panel.parent.resize(200, 30);
    EXPECT_EQ(g.geometry(), QRect(0, 0, 200, 30));
    EXPECT_TRUE(g.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(TSRGradient, PaletteFollowsTheRolesOfEachStartColour)
{
    GradientDrawing drawing;
    drawing.SetStartColor(TStartColor::scOlive);
    // Towards black: full = c, half = c div 2, zero = 0, with c = 255 - i.
    EXPECT_EQ(drawing.Colors()[0], qRgb(127, 127, 0));
    EXPECT_EQ(drawing.Colors()[55], qRgb(100, 100, 0));
    drawing.SetStartColor(TStartColor::scFuchsia);
    EXPECT_EQ(drawing.Colors()[55], qRgb(200, 0, 200));
    // Towards white: full = 255, half = 128 + c div 2, zero = c, with c = i.
    drawing.SetEndColor(TEndColor::ecWhite);
    drawing.SetStartColor(TStartColor::scTeal);
    EXPECT_EQ(drawing.Colors()[100], qRgb(100, 178, 178));
    drawing.SetStartColor(TStartColor::scYellow);
    EXPECT_EQ(drawing.Colors()[100], qRgb(255, 255, 100));
}

TEST(TSRGradient, GrayToWhiteStripOfTheAboutPage)
{
    Panel panel(410, 25);
    TSRGradient& g = *panel.gradient;
    g.SetEndColor(TEndColor::ecWhite);
    g.SetStartColor(TStartColor::scGray);
    g.SetStyle(TGradStyle::gsVertical);
    EXPECT_EQ(g.Drawing().Colors()[0], qRgb(128, 128, 128));
    EXPECT_EQ(g.Drawing().Colors()[255], qRgb(255, 255, 255));
    const QImage image = Rendered(g);
    // Bands 2 pixels wide every 410/255 pixels: column 205 holds entry 129.
    EXPECT_EQ(image.pixel(205, 12), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(409, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(0, 24), qRgb(128, 128, 128));
    for (int x = 1; x < 410; ++x)
        ASSERT_GE(qRed(image.pixel(x, 5)), qRed(image.pixel(x - 1, 5))) << x;
    // A whole column is one colour, and the grab of the widget shows the same.
    for (int y = 0; y < 25; ++y)
        ASSERT_EQ(image.pixel(300, y), image.pixel(300, 0));
    EXPECT_EQ(g.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(205, 12), qRgb(192, 192, 192));
}

TEST(TSRGradient, HorizontalBandsDrawEntryOneOverEntryZero)
{
    Panel panel(30, 510);
    const QImage image = Rendered(*panel.gradient);
    const auto& colors = panel.gradient->Drawing().Colors();
    // s = 2, bands 3 high; entry i >= 1 starts at (i - 1) * 2.
    EXPECT_EQ(image.pixel(10, 0), colors[1]);
    EXPECT_EQ(image.pixel(10, 1), colors[1]);
    EXPECT_EQ(image.pixel(10, 2), colors[2]);
    EXPECT_EQ(image.pixel(10, 200), colors[101]);
    EXPECT_EQ(image.pixel(10, 509), colors[255]);
    for (int y = 0; y < 510; ++y)
        ASSERT_NE(image.pixel(10, y), colors[0]) << y;
}

TEST(TSRGradient, WhiteToWhiteIsUniformInEveryStyle)
{
    Panel panel(64, 48);
    TSRGradient& g = *panel.gradient;
    g.SetStartColor(TStartColor::scWhite);
    g.SetEndColor(TEndColor::ecWhite);
    for (QRgb entry : g.Drawing().Colors())
        ASSERT_EQ(entry, qRgb(255, 255, 255));
    for (TGradStyle style : {TGradStyle::gsHorizontal, TGradStyle::gsVertical}) {
        g.SetStyle(style);
        ExpectUniform(Rendered(g), qRgb(255, 255, 255));
    }
    // Lines and ellipses leave gaps and corners; whatever they paint is white.
    for (TGradStyle style : {TGradStyle::gsPyramid, TGradStyle::gsEllipse}) {
        g.SetStyle(style);
        const QImage image = Rendered(g);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_TRUE(image.pixel(x, y) == Behind || image.pixel(x, y) == qRgb(255, 255, 255)) << x << "," << y;
        EXPECT_EQ(image.pixel(32, 24), qRgb(255, 255, 255));
    }
}

TEST(TSRGradient, UpLeftReversesThePalette)
{
    GradientDrawing downRight;
    GradientDrawing upLeft;
    upLeft.SetDirection(TGradDirection::gdUpLeft);
    for (TEndColor end : {TEndColor::ecBlack, TEndColor::ecWhite})
        for (int start = 0; start <= int(TStartColor::scYellow); ++start) {
            downRight.SetEndColor(end);
            upLeft.SetEndColor(end);
            downRight.SetStartColor(TStartColor(start));
            upLeft.SetStartColor(TStartColor(start));
            for (int i = 0; i < 256; ++i)
                ASSERT_EQ(upLeft.Colors()[i], downRight.Colors()[255 - i]) << start << " " << i;
        }
    Panel panel(255, 10);
    TSRGradient& g = *panel.gradient;
    g.SetDirection(TGradDirection::gdUpLeft);
    g.SetEndColor(TEndColor::ecWhite);
    g.SetStartColor(TStartColor::scRed);
    g.SetStyle(TGradStyle::gsVertical);
    EXPECT_EQ(g.Drawing().Colors()[0], qRgb(255, 255, 255));
    EXPECT_EQ(g.Drawing().Colors()[255], qRgb(255, 0, 0));
    const QImage image = Rendered(g);
    EXPECT_EQ(image.pixel(0, 5), g.Drawing().Colors()[1]);
    EXPECT_EQ(image.pixel(254, 5), qRgb(255, 0, 0));
}

TEST(TSRGradient, EllipsesStartInsetByOneAndNeedTenPixels)
{
    Panel narrow(9, 40);
    narrow.gradient->SetStyle(TGradStyle::gsEllipse);
    EXPECT_TRUE(narrow.gradient->Drawing().Shapes(9, 40).empty());
    ExpectUniform(Rendered(*narrow.gradient), Behind);

    Panel panel(40, 20);
    TSRGradient& g = *panel.gradient;
    g.SetStyle(TGradStyle::gsEllipse);
    const std::vector<GradientShape> shapes = g.Drawing().Shapes(40, 20);
    // half = 18: d = 2 .. 17, the boxes shrinking by d and d * H / W.
    ASSERT_EQ(shapes.size(), 16u);
    EXPECT_EQ(shapes[0].First, QPoint(1, 1));
    EXPECT_EQ(shapes[0].Second, QPoint(39, 19));
    EXPECT_EQ(shapes[1].First, QPoint(2, 1));
    EXPECT_EQ(shapes[0].Color, g.Drawing().Colors()[28]);
    const QImage image = Rendered(g);
    EXPECT_EQ(image.pixel(0, 10), Behind);
    EXPECT_EQ(image.pixel(0, 0), Behind);
    EXPECT_EQ(image.pixel(39, 19), Behind);
    EXPECT_NE(image.pixel(1, 10), Behind);
    EXPECT_EQ(image.pixel(20, 10), shapes.back().Color);

    g.SetStepWidth(5);
    EXPECT_EQ(g.Drawing().Shapes(40, 20).size(), 4u);
}

TEST(TSRGradient, PyramidAtStepWidthTenDrawsWideLinesEveryTenPixels)
{
    Panel panel(100, 60);
    TSRGradient& g = *panel.gradient;
    g.SetStyle(TGradStyle::gsPyramid);
    g.SetStepWidth(10);
    const auto& colors = g.Drawing().Colors();
    const std::vector<GradientShape> shapes = g.Drawing().Shapes(100, 60);
    // Eleven steps along the width and seven down the height, two lines each.
    ASSERT_EQ(shapes.size(), 36u);
    for (const GradientShape& line : shapes) {
        EXPECT_EQ(line.PenWidth, 10);
        EXPECT_NE(std::find(colors.begin(), colors.end(), line.Color), colors.end());
    }
    EXPECT_EQ(shapes[2].First, QPoint(10, 0));
    EXPECT_EQ(shapes[21].Second, QPoint(100, 60));
    EXPECT_EQ(shapes[21].Color, colors[255]);
    const QImage image = Rendered(g);
    // The line from (50, 0) to the centre, index trunc(50 * 255 / 160).
    EXPECT_EQ(image.pixel(50, 2), colors[79]);
    EXPECT_EQ(image.pixel(50, 57), colors[175]);
    // Its neighbours every 10 pixels overlap its edges, so the run is at most the pen width.
    int run = 0;
    for (int x = 40; x <= 60; ++x)
        run += image.pixel(x, 2) == colors[79];
    EXPECT_GE(run, 7);
    EXPECT_LE(run, 11);
    EXPECT_EQ(image.pixel(40, 2), colors[63]);
    EXPECT_EQ(image.pixel(60, 2), colors[95]);

    g.SetStepWidth(0);
    EXPECT_EQ(g.StepWidth(), 1);
    g.SetStepWidth(11);
    EXPECT_EQ(g.StepWidth(), 10);
}

TEST(TSRGradient, AnEmptyControlPaintsNothing)
{
    GradientDrawing drawing;
    for (TGradStyle style : {TGradStyle::gsHorizontal, TGradStyle::gsVertical, TGradStyle::gsEllipse,
                             TGradStyle::gsPyramid}) {
        drawing.SetStyle(style);
        EXPECT_TRUE(drawing.Shapes(0, 0).empty());
        EXPECT_TRUE(drawing.Shapes(50, 0).empty());
    }
}
