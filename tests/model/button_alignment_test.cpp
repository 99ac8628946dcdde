#include "model/button_alignment.h"
#include "model/design_canvas.h"
#include "model/button_selection.h"
#include "model/button_slot_order.h"
#include "support/used_button.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct AlignCase {
    const char* name;
    Alignment how;
    // Buttons 2, 5 (the current one) and 7 afterwards.
    QRect two, seven;
    QRect five = {100, 100, 60, 40};
};

class AlignButtonsTest : public ::testing::TestWithParam<AlignCase> {
protected:
    AlignButtonsTest()
    {
        m_project->Buttons[2] = UsedButton(10, 20, 20, 10);
        m_project->Buttons[5] = UsedButton(100, 100, 60, 40);
        m_project->Buttons[7] = UsedButton(300, 250, 41, 21);
    }
    QRect RectOf(int slot) const { return ButtonRect(m_project->Buttons[size_t(slot)]); }

    std::unique_ptr<MenuProject> m_project = std::make_unique<MenuProject>();
};

TEST_P(AlignButtonsTest, TheSelectionLinesUpWithTheCurrentButton)
{
    const AlignCase& c = GetParam();
    AlignButtons(*m_project, {2, 5, 7}, 5, c.how);
    EXPECT_EQ(RectOf(2), c.two);
    EXPECT_EQ(RectOf(7), c.seven);
    EXPECT_EQ(RectOf(5), c.five);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlignButtonsTest,
    ::testing::Values(
        AlignCase{"Left", Alignment::Left, {100, 20, 20, 10}, {100, 250, 41, 21}},
        AlignCase{"Right", Alignment::Right, {140, 20, 20, 10}, {119, 250, 41, 21}},
        AlignCase{"Top", Alignment::Top, {10, 100, 20, 10}, {300, 100, 41, 21}},
        AlignCase{"Bottom", Alignment::Bottom, {10, 130, 20, 10}, {300, 119, 41, 21}},
        AlignCase{"HorizontalCentres", Alignment::HorizontalCentres, {120, 20, 20, 10}, {109, 250, 41, 21}},
        AlignCase{"VerticalCentres", Alignment::VerticalCentres, {10, 115, 20, 10}, {300, 109, 41, 21}},
        AlignCase{"SameWidth", Alignment::SameWidth, {10, 20, 60, 10}, {300, 250, 60, 21}},
        AlignCase{"SameHeight", Alignment::SameHeight, {10, 20, 20, 40}, {300, 250, 41, 40}},
        AlignCase{"SameSize", Alignment::SameSize, {10, 20, 60, 40}, {300, 250, 60, 40}},
        // From 10 to 341 the three leave 331 - 121 = 210 pixels: two gaps of 105; the
        // outermost stay, the current one among them moves as any other.
        AlignCase{"DistributeHorizontally", Alignment::DistributeHorizontally, {10, 20, 20, 10}, {300, 250, 41, 21},
                  {135, 100, 60, 40}},
        // From 20 to 271: 251 - 71 = 180, two gaps of 90.
        AlignCase{"DistributeVertically", Alignment::DistributeVertically, {10, 20, 20, 10}, {300, 250, 41, 21},
                  {100, 120, 60, 40}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AlignButtonsTest, DistributeLeavesEqualGapsBetweenTheOutermostInPositionOrder)
{
    // Slot order is not position order: 9 lies between 2 and 7 across, 4 left of them all.
    m_project->Buttons[9] = UsedButton(40, 0, 30, 5);
    m_project->Buttons[4] = UsedButton(0, 400, 10, 5);
    AlignButtons(*m_project, {2, 4, 7, 9}, 2, Alignment::DistributeHorizontally);
    // From 0 to 341 the four (10 + 20 + 30 + 41 wide) leave 240: gaps of 80.
    EXPECT_EQ(RectOf(4).left(), 0);
    EXPECT_EQ(RectOf(2).left(), 90);
    EXPECT_EQ(RectOf(9).left(), 190);
    EXPECT_EQ(RectOf(7).left(), 300);
    EXPECT_EQ(RectOf(9).top(), 0) << "across only";
    // Down, 9 (top 0), 2 and 4 (bottom 405) leave 385 pixels, odd: the gaps differ by one.
    AlignButtons(*m_project, {2, 4, 9}, 2, Alignment::DistributeVertically);
    EXPECT_EQ(RectOf(9).top(), 0);
    EXPECT_EQ(RectOf(2).top(), 5 + (405 - 20) / 2);
    EXPECT_EQ(RectOf(4).top(), 400);
}

struct OrderCase {
    const char* name;
    bool toTop;
    std::vector<int> chosen;
    // The names in slots 1, 3, 6, 8 afterwards (slots 1, 3, 6, 8 start A, B, C, D).
    QByteArray names;
    int movedFromSix;
};

class SlotOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SlotOrderTest, TheChosenTakeTheFirstOrLastUsedSlotsAndTheOthersKeepTheirOrder)
{
    const OrderCase& c = GetParam();
    auto project = std::make_unique<MenuProject>();
    const QByteArray names = "ABCD";
    const int used[] = {1, 3, 6, 8};
    for (int i = 0; i < 4; ++i)
        project->Buttons[size_t(used[i])] = UsedButton(i, 0, 10, 10, names.mid(i, 1));
    project->Buttons[4].Name = "kept by a free slot";
    const SlotMap moved = c.toTop ? BringToTop(*project, c.chosen) : SendToBottom(*project, c.chosen);
    QByteArray after;
    for (int slot : used)
        after += project->Buttons[size_t(slot)].Name;
    EXPECT_EQ(after, c.names);
    EXPECT_EQ(moved[6], c.movedFromSix);
    EXPECT_EQ(project->Buttons[4].Name, "kept by a free slot");
    EXPECT_FALSE(project->Buttons[0].Used || project->Buttons[4].Used);
}

INSTANTIATE_TEST_SUITE_P(Cases, SlotOrderTest,
                         ::testing::Values(OrderCase{"OneToTop", true, {6}, "CABD", 1},
                                           OrderCase{"TwoToTop", true, {3, 8}, "BDAC", 8},
                                           OrderCase{"OneToBottom", false, {3}, "ACDB", 3},
                                           OrderCase{"TwoToBottom", false, {1, 6}, "BDAC", 8}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
