#include "model/button_drag.h"

#include "model/menu_project.h"
#include "support/used_button.h"

#include <gtest/gtest.h>

#include <QRect>
#include <vector>

namespace {

QRect RectOf(const MenuButton& b) { return QRect(b.Left, b.Top, b.Width, b.Height); }

// A 400 x 300 menu: slot 0 is dragged, slot 1 stays at 200,100 (100 x 50), slot 2 rides along when asked.
class ButtonDragTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_project.Main.SizeX = 400;
        m_project.Main.SizeY = 300;
        m_project.Buttons[0] = UsedButton(20, 20, 40, 20);
        m_project.Buttons[1] = UsedButton(200, 100, 100, 50);
        m_project.Buttons[2] = UsedButton(20, 60, 40, 20);
    }

    QRect Drag(std::vector<QPoint> moves, int sides, const SnapSettings& snapping, int handle = 0,
               std::vector<int> dragged = {0})
    {
        m_drag.Start(m_project, dragged, handle);
        for (QPoint travel : moves)
            m_drag.Follow(m_project, travel, sides, snapping);
        return RectOf(m_project.Buttons[0]);
    }

    MenuProject m_project;
    ButtonDrag m_drag;
    const SnapSettings m_on{true, 4, 0};
};

struct SnapCase {
    const char* What;
    QPoint Travel;
    int Sides;
    int Handle;
    SnapSettings Snapping;
    QRect Expected;
    std::vector<SnapGuide> Guides;
};

class ButtonDragSnapTest : public ButtonDragTest, public testing::WithParamInterface<SnapCase> {};

TEST_P(ButtonDragSnapTest, LandsWhereTheSnappingSays)
{
    const SnapCase& c = GetParam();
    EXPECT_EQ(Drag({c.Travel}, c.Sides, c.Snapping, c.Handle), c.Expected) << c.What;
    EXPECT_EQ(m_drag.Guides(), c.Guides) << c.What;
}

// Slot 0's right edge starts at 60; slot 1's left edge is at 200, its top at 100.
INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonDragSnapTest,
    testing::Values(
        SnapCase{"right edge 3 px short of the other's left edge snaps", {137, 0}, SidesAll, 0, {true, 4, 0},
                 QRect(160, 20, 40, 20), {{Qt::Vertical, 200}}},
        SnapCase{"6 px short stays", {134, 0}, SidesAll, 0, {true, 4, 0}, QRect(154, 20, 40, 20), {}},
        SnapCase{"snapping off (Alt)", {137, 0}, SidesAll, 0, {false, 4, 0}, QRect(157, 20, 40, 20), {}},
        SnapCase{"a zoomed canvas reaches fewer menu pixels", {137, 0}, SidesAll, 0, {true, 1, 0},
                 QRect(157, 20, 40, 20), {}},
        SnapCase{"centre onto the menu's centre line", {158, 0}, SidesAll, 0, {true, 4, 0},
                 QRect(180, 20, 40, 20), {{Qt::Vertical, 200}}},
        SnapCase{"top edge onto the other's top, both axes at once", {137, 78}, SidesAll, 0, {true, 4, 0},
                 QRect(160, 100, 40, 20), {{Qt::Vertical, 200}, {Qt::Horizontal, 100}}},
        SnapCase{"a right handle snaps only the right edge", {138, 0}, SideRight, SideRight, {true, 4, 0},
                 QRect(20, 20, 180, 20), {{Qt::Vertical, 200}}},
        SnapCase{"a left handle keeps the right edge", {-17, 0}, SideLeft, SideLeft, {true, 4, 0},
                 QRect(0, 20, 60, 20), {{Qt::Vertical, 0}}},
        SnapCase{"a handle stops at one pixel", {-100, 0}, SideRight, SideRight, {false, 4, 0},
                 QRect(20, 20, 1, 20), {}},
        SnapCase{"the grid when no line is near", {13, 14}, SidesAll, 0, {true, 4, 25},
                 QRect(25, 25, 40, 20), {}}));

TEST_F(ButtonDragTest, SnappingLeavesNoDriftOnceThePointerMovesOn)
{
    m_drag.Start(m_project, {0}, 0);
    m_drag.Follow(m_project, {137, 0}, SidesAll, m_on);
    ASSERT_EQ(RectOf(m_project.Buttons[0]), QRect(160, 20, 40, 20));
    m_drag.Follow(m_project, {10, 0}, SidesAll, m_on);
    EXPECT_EQ(RectOf(m_project.Buttons[0]), QRect(167, 20, 40, 20)) << "the unsnapped travel counts, not the snapped place";
    EXPECT_TRUE(m_drag.Guides().empty());
}

TEST_F(ButtonDragTest, TheSelectionMovesTogetherAndPutsBack)
{
    Drag({{5, 7}, {-2, 1}}, SidesAll, {false, 4, 0}, 0, {0, 2});
    EXPECT_EQ(RectOf(m_project.Buttons[0]), QRect(23, 28, 40, 20));
    EXPECT_EQ(RectOf(m_project.Buttons[2]), QRect(23, 68, 40, 20));
    EXPECT_EQ(RectOf(m_project.Buttons[1]), QRect(200, 100, 100, 50)) << "not selected: stays";
    m_drag.PutBack(m_project);
    EXPECT_EQ(RectOf(m_project.Buttons[0]), QRect(20, 20, 40, 20));
    EXPECT_EQ(RectOf(m_project.Buttons[2]), QRect(20, 60, 40, 20));
}

TEST_F(ButtonDragTest, ShiftDragStillTurnsInsideOutAsBefore)
{
    EXPECT_EQ(Drag({{-50, -30}}, SidesFarCorner, {false, 4, 0}), QRect(20, 20, -10, -10));
}

} // namespace
