#include "model/design_canvas.h"

#include "model/menu_project.h"
#include "platform/focus_rect.h"

#include "support/test_pictures.h"
#include "support/used_button.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr QRgb Marker = 0xFF12AB34;

// The frame the canvas should draw for a button: the platform's focus rectangle
// between the button's corners, right and bottom exclusive.
void ToggleExpectedFrame(QImage& image, const MenuButton& b)
{
    DrawFocusRect(image, b.Left, b.Top, b.Left + b.Width, b.Top + b.Height);
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return count;
}

int FramePixels(QSize size, const MenuButton& b)
{
    const QImage blank = FilledPicture(size.width(), size.height(), 0xFF000000);
    QImage framed = blank;
    ToggleExpectedFrame(framed, b);
    return DifferingPixels(blank, framed);
}

// Every pixel either equals the picture or is its exact inverse.
bool OnlyInverted(const QImage& canvas, const QImage& picture)
{
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb c = canvas.pixel(x, y);
            const QRgb p = picture.pixel(x, y);
            if (c != p && c != (p ^ 0xFFFFFFu))
                return false;
        }
    return true;
}

// Pixels inside `area` that are the exact inverse of the picture's.
int InvertedIn(const QImage& canvas, const QImage& picture, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += canvas.pixel(x, y) == (picture.pixel(x, y) ^ 0xFFFFFFu) ? 1 : 0;
    return count;
}

class DesignCanvasTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_project.Main.SizeX = 160;
        m_project.Main.SizeY = 120;
        m_project.NormalPicture = NoisePicture(160, 120, 7);
        m_canvas.EnsureCreated(160, 120);
    }

    MenuProject m_project;
    DesignCanvas m_canvas;
};

TEST_F(DesignCanvasTest, RedrawShowsTheNormalPictureWithOneFramePerUsedButton)
{
    m_project.Buttons[0] = UsedButton(10, 10, 30, 20);
    m_project.Buttons[5] = UsedButton(60, 40, 25, 25);
    m_project.Buttons[100] = UsedButton(100, 80, 41, 17);
    m_project.Buttons[7] = UsedButton(12, 70, 30, 30);
    m_project.Buttons[7].Used = false; // geometry of an unused slot must not be framed
    m_canvas.Image().fill(Marker);
    m_canvas.ToggleFrame(QRect(3, 3, 50, 50)); // leftovers a full redraw must remove

    m_canvas.RedrawCanvas(m_project);

    QImage expected = m_project.NormalPicture;
    for (int slot : {0, 5, 100})
        ToggleExpectedFrame(expected, m_project.Buttons[slot]);
    EXPECT_EQ(m_canvas.Image(), expected);
    EXPECT_TRUE(OnlyInverted(m_canvas.Image(), m_project.NormalPicture));
    const QSize size = m_canvas.Image().size();
    EXPECT_EQ(DifferingPixels(m_canvas.Image(), m_project.NormalPicture),
              FramePixels(size, m_project.Buttons[0]) + FramePixels(size, m_project.Buttons[5]) +
                  FramePixels(size, m_project.Buttons[100]));

    m_canvas.RedrawCanvas(m_project);
    EXPECT_EQ(m_canvas.Image(), expected) << "a second redraw must not toggle the frames off";
}

TEST_F(DesignCanvasTest, DrawingAFrameTwiceRestoresEveryPixel)
{
    const MenuButton buttons[] = {
        UsedButton(10, 10, 30, 20),   // inside
        UsedButton(11, 13, 1, 9),     // one column
        UsedButton(50, 40, -20, -15), // negative width and height
        UsedButton(-5, -5, 20, 20),   // clipped at the top left
        UsedButton(150, 110, 30, 30), // clipped at the bottom right
    };
    m_canvas.RedrawCanvas(m_project);
    const QImage before = m_canvas.Image();
    for (const MenuButton& b : buttons) {
        SCOPED_TRACE(testing::Message() << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height);
        m_canvas.RedrawButton(b);
        QImage expected = before;
        ToggleExpectedFrame(expected, b);
        EXPECT_EQ(m_canvas.Image(), expected);
        EXPECT_NE(m_canvas.Image(), before);
        m_canvas.RedrawButton(b);
        EXPECT_EQ(m_canvas.Image(), before);
    }
    m_canvas.RedrawButton(UsedButton(30, 30, 0, 0));
    EXPECT_EQ(m_canvas.Image(), before) << "a button of no size has no frame";
}

TEST_F(DesignCanvasTest, IdenticalRectanglesShowNoFrame)
{
    m_project.Buttons[2] = UsedButton(20, 30, 50, 40);
    m_project.Buttons[9] = UsedButton(20, 30, 50, 40);
    m_canvas.RedrawCanvas(m_project);
    EXPECT_EQ(m_canvas.Image(), m_project.NormalPicture);
}

TEST_F(DesignCanvasTest, OverlappingFramesCancelWhereTheirLinesCoincide)
{
    // Same top-left corner: the top row and left column of the smaller frame coincide.
    m_project.Buttons[0] = UsedButton(10, 10, 40, 20);
    m_project.Buttons[1] = UsedButton(10, 10, 60, 50);
    // Crossing frames share only single pixels.
    m_project.Buttons[2] = UsedButton(90, 20, 40, 40);
    m_project.Buttons[3] = UsedButton(110, 40, 40, 40);
    m_canvas.RedrawCanvas(m_project);

    QImage expected = m_project.NormalPicture;
    for (int slot = 0; slot < 4; ++slot)
        ToggleExpectedFrame(expected, m_project.Buttons[slot]);
    EXPECT_EQ(m_canvas.Image(), expected);

    const QImage& canvas = m_canvas.Image();
    const QImage& normal = m_project.NormalPicture;
    for (int x = 10; x < 50; ++x)
        EXPECT_EQ(canvas.pixel(x, 10), normal.pixel(x, 10)) << "shared top line at x " << x;
    for (int y = 10; y < 30; ++y)
        EXPECT_EQ(canvas.pixel(10, y), normal.pixel(10, y)) << "shared left line at y " << y;
    EXPECT_GT(InvertedIn(canvas, normal, QRect(50, 10, 20, 1)), 0) << "top line of the larger frame only";
    EXPECT_GT(InvertedIn(canvas, normal, QRect(11, 29, 38, 1)), 0) << "bottom line of the smaller frame";
    EXPECT_GT(InvertedIn(canvas, normal, QRect(69, 11, 1, 48)), 0) << "right line of the larger frame";
}

// A canvas wider and taller than a 300 x 100 menu, with buttons crossing its edges.
class DesignCanvasBeyondTheMenu : public testing::Test {
protected:
    void SetUp() override
    {
        m_project.Main.SizeX = 300;
        m_project.Main.SizeY = 100;
        m_project.NormalPicture = NoisePicture(700, 200, 3); // larger than the menu area and the canvas
        m_project.OverPicture = NoisePicture(700, 200, 4);
        m_project.Buttons[0] = UsedButton(280, 20, 60, 30);  // crosses the right edge of the menu area
        m_project.Buttons[1] = UsedButton(600, 90, 100, 50); // beyond the bitmap's right and bottom edges
        m_project.Buttons[2] = UsedButton(40, 60, 30, 60);   // crosses the bottom edge of the menu area
        m_canvas.EnsureCreated(634, 120);
        m_canvas.Image().fill(Marker);
    }

    // The menu area from the normal picture, the rest white, one frame per button.
    QImage Expected() const
    {
        QImage expected = FilledPicture(634, 120, 0xFFFFFFFF);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x)
                expected.setPixel(x, y, m_project.NormalPicture.pixel(x, y));
        for (int slot = 0; slot < 3; ++slot)
            ToggleExpectedFrame(expected, m_project.Buttons[slot]);
        return expected;
    }

    MenuProject m_project;
    DesignCanvas m_canvas;
};

TEST_F(DesignCanvasBeyondTheMenu, RedrawPaintsTheRestWhiteAndFramesAsFarAsTheBitmapReaches)
{
    m_canvas.RedrawCanvas(m_project);
    EXPECT_EQ(m_canvas.Image().size(), QSize(634, 120));
    EXPECT_EQ(m_canvas.Image(), Expected());
    EXPECT_GT(InvertedIn(m_canvas.Image(), FilledPicture(634, 120, 0xFFFFFFFF), QRect(600, 90, 34, 1)), 0)
        << "the frame's top line runs up to the bitmap's edge";
    EXPECT_EQ(m_canvas.TakeDirty(), m_canvas.Image().rect()) << "the whole canvas is shown again";
}

TEST_F(DesignCanvasBeyondTheMenu, FramesAndStatePicturesBeyondTheMenuAreGoneAtEveryRedraw)
{
    m_canvas.RedrawCanvas(m_project);
    m_canvas.RedrawCanvas(m_project);
    EXPECT_EQ(m_canvas.Image(), Expected()) << "a second redraw does not toggle the frames beyond the menu off";

    // A lit button crossing the menu's right edge, then a release's redraw.
    m_canvas.PaintState(m_project.Buttons[0], m_project.OverPicture);
    m_canvas.RedrawButton(m_project.Buttons[0]);
    m_canvas.RedrawCanvas(m_project);
    EXPECT_EQ(m_canvas.Image(), Expected()) << "no patch of the over picture is left";
}

TEST(DesignCanvasArea, ACanvasReplacedByALargerPictureIsWhiteBeyondTheMenu)
{
    MenuProject project;
    project.Main.SizeX = 80;
    project.Main.SizeY = 50;
    project.NormalPicture = NoisePicture(200, 120, 5);
    DesignCanvas canvas;
    canvas.ReplaceWith(project.NormalPicture); // a new main background picked
    canvas.RedrawCanvas(project);
    QImage expected = FilledPicture(200, 120, 0xFFFFFFFF);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
            expected.setPixel(x, y, project.NormalPicture.pixel(x, y));
    EXPECT_EQ(canvas.Image(), expected);

    for (const int size : {0, -40}) {
        project.Main.SizeX = size;
        canvas.Image().fill(Marker);
        canvas.RedrawCanvas(project);
        EXPECT_EQ(canvas.Image(), FilledPicture(200, 120, 0xFFFFFFFF)) << "SizeX " << size;
    }
}

TEST(DesignCanvasArea, MissingNormalPictureKeepsOneFramePerButtonOverABlankArea)
{
    MenuProject project;
    project.Main.SizeX = 120;
    project.Main.SizeY = 80;
    project.Buttons[0] = UsedButton(10, 10, 30, 20);
    project.Buttons[1] = UsedButton(90, 50, 50, 20); // reaches past a too-small picture
    DesignCanvas canvas;
    canvas.EnsureCreated(120, 80);

    QImage expected = FilledPicture(120, 80, 0xFFFFFFFF);
    for (int slot = 0; slot < 2; ++slot)
        ToggleExpectedFrame(expected, project.Buttons[slot]);
    canvas.RedrawCanvas(project);
    EXPECT_EQ(canvas.Image(), expected);
    canvas.RedrawCanvas(project);
    EXPECT_EQ(canvas.Image(), expected) << "every redraw shows exactly one frame per button";

    // A picture smaller than the menu area: the part it does not cover is blank.
    project.NormalPicture = NoisePicture(100, 80, 11);
    canvas.RedrawCanvas(project);
    canvas.RedrawCanvas(project);
    expected = FilledPicture(120, 80, 0xFFFFFFFF);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            expected.setPixel(x, y, project.NormalPicture.pixel(x, y));
    for (int slot = 0; slot < 2; ++slot)
        ToggleExpectedFrame(expected, project.Buttons[slot]);
    EXPECT_EQ(canvas.Image(), expected);
}

TEST_F(DesignCanvasTest, PaintStateCopiesExactlyTheButtonRectangle)
{
    const QImage over = NoisePicture(160, 120, 99);
    const MenuButton buttons[] = {
        UsedButton(10, 10, 30, 20),
        UsedButton(50, 40, -20, -15), // covers 30..49 x 25..39
        UsedButton(-5, 100, 20, 40),  // clipped on two sides
        UsedButton(70, 70, 0, 10),    // no width: nothing
    };
    for (const MenuButton& b : buttons) {
        SCOPED_TRACE(testing::Message() << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height);
        m_canvas.RedrawCanvas(m_project);
        const QImage before = m_canvas.Image();
        m_canvas.PaintState(b, over);

        const int left = std::min(b.Left, b.Left + b.Width), right = std::max(b.Left, b.Left + b.Width);
        const int top = std::min(b.Top, b.Top + b.Height), bottom = std::max(b.Top, b.Top + b.Height);
        const QImage& canvas = m_canvas.Image();
        int wrong = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) {
                const bool inside = x >= left && x < right && y >= top && y < bottom;
                wrong += canvas.pixel(x, y) != (inside ? over : before).pixel(x, y) ? 1 : 0;
            }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
