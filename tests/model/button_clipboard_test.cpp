#include "model/button_clipboard.h"
#include "model/button_selection.h"
#include "model/design_canvas.h"
#include "model/logging_project_view.h"
#include "model/project_loader.h"
#include "model/project_saver.h"
#include "support/saved_section.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "support/used_button.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class ButtonClipboardTest : public ::testing::Test {
protected:
    ButtonClipboardTest()
    {
        ResetToNewProject(*m_project, 640, 480);
        m_project->Main.ReSort = false;
    }

    std::vector<QRect> RectsAt(const std::vector<int>& chosen) const
    {
        std::vector<QRect> rects;
        for (int slot : chosen)
            rects.push_back(ButtonRect(m_project->Buttons[size_t(slot)]));
        return rects;
    }

    ScopedCurrentFolder m_restore;
    TempFolder m_dir;
    std::unique_ptr<MenuProject> m_project = std::make_unique<MenuProject>();
};

TEST_F(ButtonClipboardTest, CopiedTextIsTheSavedSectionsByteForByteAndReadsBackTheSameButtons)
{
    MenuButton quoted = UsedButton(5, 6, 70, 20, "\"Setup\" \xe9t\xe9");
    quoted.Params = "  /s  ";
    quoted.SoundOver = "over.wav";
    m_project->Buttons[2] = quoted;
    m_project->Buttons[7] = UsedButton(100, 50, 80, 30, "Other");
    m_project->Buttons[9] = UsedButton(1, 1, 10, 10, "Not copied");
    QString name = m_dir.File("launcher.ini");
    LoggingProjectView view;
    SaveProject(*m_project, name, view);
    const QByteArray file = m_dir.Read("launcher.ini");

    const QByteArray text = ButtonsToText(*m_project, {2, 7});
    ASSERT_FALSE(SavedSection(file, 2).isEmpty());
    EXPECT_EQ(text, SavedSection(file, 2) + SavedSection(file, 7));

    const std::vector<MenuButton> back = ButtonsFromText(text);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], m_project->Buttons[2]);
    EXPECT_EQ(back[1], m_project->Buttons[7]);
}

TEST_F(ButtonClipboardTest, ReadingTakesAnySlotNumberInTextOrderAndDropsWhatALoadDrops)
{
    const QByteArray text = "some words first\n"
                            "[Button#500]\nName=Far\nAction=run\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
                            "[Button#3]\nName=No action\nLeft=1\nTop=2\nWidth=3\nHeight=4\n"
                            "[Button#0]\nName=Near\nAction=OPEN\nLeft=5\nTop=6\nWidth=7\nHeight=8\n"
                            "[MAIN]\nProgram=Not a button\n";
    const std::vector<MenuButton> buttons = ButtonsFromText(text);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].Name, "Far");
    EXPECT_EQ(buttons[0].Action, "RUN");
    EXPECT_EQ(ButtonRect(buttons[0]), QRect(1, 2, 3, 4));
    EXPECT_EQ(buttons[1].Name, "Near");
    EXPECT_TRUE(ButtonsFromText("Left=1\nno sections at all").empty());
}

struct PlacementCase {
    const char* name;
    QRect first, second; // the group as copied
    QRect firstAfter, secondAfter;
};

class PastePlacementTest : public ButtonClipboardTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PastePlacementTest, TheGroupStaysWhenInsideTheMenuElseMovesInAsOne)
{
    const PlacementCase& c = GetParam();
    m_project->Buttons[0] = UsedButton(0, 0, 10, 10);
    m_project->Buttons[2] = UsedButton(0, 0, 10, 10);
    const auto Button = [](QRect r) { return UsedButton(r.x(), r.y(), r.width(), r.height()); };
    const PasteOutcome outcome = PasteButtons(*m_project, {Button(c.first), Button(c.second)});
    EXPECT_EQ(outcome.Slots, (std::vector<int>{1, 3}));
    EXPECT_EQ(outcome.LeftOut, 0);
    EXPECT_EQ(RectsAt(outcome.Slots), (std::vector<QRect>{c.firstAfter, c.secondAfter}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PastePlacementTest,
    ::testing::Values(
        PlacementCase{"Inside", {10, 20, 30, 40}, {600, 400, 40, 80}, {10, 20, 30, 40}, {600, 400, 40, 80}},
        PlacementCase{"PastRightAndBottom", {600, 20, 30, 40}, {630, 450, 20, 40},
                      {590, 10, 30, 40}, {620, 440, 20, 40}},
        PlacementCase{"LeftOfAndAbove", {-5, 100, 30, 40}, {50, -20, 20, 40}, {0, 120, 30, 40}, {55, 0, 20, 40}},
        PlacementCase{"WiderThanTheMenu", {-100, 10, 30, 40}, {700, 10, 20, 40}, {0, 10, 30, 40}, {800, 10, 20, 40}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ButtonClipboardTest, PastingPastTheFreeSlotsPastesWhatFitsAndCountsTheRest)
{
    for (int slot = 0; slot < MenuProject::NewButtonSlots; ++slot)
        m_project->Buttons[size_t(slot)] = UsedButton(0, 0, 10, 10);
    m_project->Buttons[40] = MenuButton{};
    m_project->Buttons[77] = MenuButton{};
    const std::vector<MenuButton> five(5, UsedButton(1, 2, 3, 4, "Pasted"));
    const PasteOutcome outcome = PasteButtons(*m_project, five);
    EXPECT_EQ(outcome.Slots, (std::vector<int>{40, 77}));
    EXPECT_EQ(outcome.LeftOut, 3);
    EXPECT_FALSE(m_project->Buttons[100].Used);
    EXPECT_EQ(m_project->Buttons[77].Name, "Pasted");
}

TEST_F(ButtonClipboardTest, ADuplicateIsACopyPastedTenPixelsDownAndRight)
{
    m_project->Buttons[0] = UsedButton(5, 6, 70, 20, "First");
    m_project->Buttons[0].Params = "x";
    m_project->Buttons[4] = UsedButton(600, 455, 30, 20, "Near the corner");
    const PasteOutcome outcome = DuplicateButtons(*m_project, {0, 4});
    EXPECT_EQ(outcome.Slots, (std::vector<int>{1, 2}));
    // The second copy would leave the menu at the bottom, so the pair moves up together (by 5).
    MenuButton expected = m_project->Buttons[0];
    expected.Left += 10;
    expected.Top += 10 - 5;
    EXPECT_EQ(m_project->Buttons[1], expected);
    EXPECT_EQ(RectsAt({1, 2}), (std::vector<QRect>{{15, 11, 70, 20}, {610, 460, 30, 20}}));
}

} // namespace
