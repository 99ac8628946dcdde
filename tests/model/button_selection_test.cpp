#include "model/button_selection.h"
#include "support/used_button.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ButtonSelectionTest : public ::testing::Test {
protected:
    ButtonSelectionTest()
    {
        m_project->Buttons[1] = UsedButton(10, 10, 20, 20);
        m_project->Buttons[4] = UsedButton(100, 10, 20, 20);
        m_project->Buttons[9] = UsedButton(10, 100, 20, 20);
    }

    std::unique_ptr<MenuProject> m_project = std::make_unique<MenuProject>();
    ButtonSelection m_selection;
};

TEST_F(ButtonSelectionTest, ToggleAddsAndRemovesAndTheCurrentPassesToTheLowestLeft)
{
    m_selection.SelectOnly(4);
    m_selection.Toggle(9);
    m_selection.Toggle(1);
    EXPECT_EQ(m_selection.Slots(), (std::vector<int>{1, 4, 9}));
    EXPECT_EQ(m_selection.Current(), 1);
    m_selection.Toggle(1);
    EXPECT_EQ(m_selection.Slots(), (std::vector<int>{4, 9}));
    EXPECT_EQ(m_selection.Current(), 4);
    m_selection.Toggle(9);
    EXPECT_EQ(m_selection.Current(), 4);
    m_selection.Toggle(4);
    EXPECT_TRUE(m_selection.IsEmpty());
    EXPECT_EQ(m_selection.Current(), -1);
}

TEST_F(ButtonSelectionTest, SelectAllTakesOnlyUsedSlotsAndKeepsTheCurrentOne)
{
    m_selection.SelectOnly(9);
    m_selection.SelectAllUsed(*m_project);
    EXPECT_EQ(m_selection.Slots(), (std::vector<int>{1, 4, 9}));
    EXPECT_EQ(m_selection.Current(), 9);
    m_selection.Clear();
    EXPECT_EQ(m_selection.Count(), 0);
    EXPECT_EQ(m_selection.Current(), -1);
}

struct BandCase {
    const char* name;
    QPoint corner, opposite;
    std::vector<int> chosen;
};

class BandSelectTest : public ButtonSelectionTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandSelectTest, TheBandTakesTheButtonsItTouches)
{
    const BandCase& c = GetParam();
    m_selection.SelectOnly(4);
    m_selection.SelectBand(*m_project, c.corner, c.opposite);
    EXPECT_EQ(m_selection.Slots(), c.chosen);
    // The current button stays when the band takes it, else the lowest taken becomes current.
    const bool takesCurrent = std::find(c.chosen.begin(), c.chosen.end(), 4) != c.chosen.end();
    EXPECT_EQ(m_selection.Current(), c.chosen.empty() ? -1 : (takesCurrent ? 4 : c.chosen.front()));
}

// Buttons: 1 covers 10..29 x 10..29, 4 covers 100..119 x 10..29, 9 covers 10..29 x 100..119.
INSTANTIATE_TEST_SUITE_P(
    Cases, BandSelectTest,
    ::testing::Values(BandCase{"Nothing", {40, 40}, {90, 90}, {}},
                      BandCase{"TouchingTheLastPixelOfAnEdge", {29, 29}, {60, 60}, {1}},
                      BandCase{"OnePastTheEdge", {30, 30}, {60, 60}, {}},
                      BandCase{"DrawnUpAndLeft", {200, 200}, {25, 25}, {1, 4, 9}},
                      BandCase{"AcrossTheTopRow", {0, 15}, {150, 16}, {1, 4}},
                      BandCase{"OnePoint", {15, 105}, {15, 105}, {9}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ButtonSelectionTest, SlotsNoLongerUsedLeaveTheSelection)
{
    m_selection.SelectSlots({9, 4, 1});
    EXPECT_EQ(m_selection.Current(), 1);
    m_project->Buttons[1] = MenuButton{};
    m_selection.KeepUsed(*m_project);
    EXPECT_EQ(m_selection.Slots(), (std::vector<int>{4, 9}));
    EXPECT_EQ(m_selection.Current(), 4);
}

} // namespace
