#include "model/make_relative_path.h"
#include "model/menu_project.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<MenuProject> ProjectWithTops(std::initializer_list<std::pair<int, int>> slotTops)
{
    auto p = std::make_unique<MenuProject>();
    for (auto [slot, top] : slotTops) {
        p->Buttons[slot].Used = true;
        p->Buttons[slot].Top = top;
        p->Buttons[slot].Name = "from " + QByteArray::number(slot);
    }
    return p;
}

TEST(SortButtons, MovesTheOnlyButtonInSlot100ToSlot0)
{
    auto p = ProjectWithTops({{100, 7}});
    const SlotMap moved = p->SortButtons();
    EXPECT_TRUE(p->Buttons[0].Used);
    EXPECT_EQ(p->Buttons[0].Name, "from 100");
    EXPECT_FALSE(p->Buttons[100].Used);
    EXPECT_EQ(moved[100], 0);
}

TEST(SortButtons, LeavesAProjectWithoutButtonsAsItWas)
{
    auto p = std::make_unique<MenuProject>();
    p->Buttons[3].Name = "kept in a free slot";
    p->SortButtons();
    EXPECT_EQ(p->Buttons[3].Name, "kept in a free slot");
}

TEST(SortButtons, IsNotStableForEqualTops)
{
    auto p = ProjectWithTops({{0, 5}, {1, 5}, {2, 3}});
    const SlotMap moved = p->SortButtons();
    EXPECT_EQ(p->Buttons[0].Name, "from 2");
    EXPECT_EQ(p->Buttons[1].Name, "from 1");
    EXPECT_EQ(p->Buttons[2].Name, "from 0");
    EXPECT_EQ(moved[0], 2);
    EXPECT_EQ(moved[1], 1);
    EXPECT_EQ(moved[2], 0);
}

TEST(SortButtons, PutsNegativeTopsFirstAndFreeSlotsLast)
{
    auto p = ProjectWithTops({{10, 100}, {20, -5}, {30, 0}});
    p->SortButtons();
    EXPECT_EQ(p->Buttons[0].Top, -5);
    EXPECT_EQ(p->Buttons[1].Top, 0);
    EXPECT_EQ(p->Buttons[2].Top, 100);
    for (int slot = 3; slot < MenuProject::SlotCount; ++slot)
        EXPECT_FALSE(p->Buttons[slot].Used);
}

TEST(SortButtons, ReportsWhereEveryButtonWent)
{
    auto p = ProjectWithTops({{40, 9}, {3, 50}, {77, 1}, {12, 20}});
    const auto before = p->Buttons;
    const SlotMap moved = p->SortButtons();
    for (int old = 0; old < MenuProject::SlotCount; ++old)
        EXPECT_EQ(p->Buttons[moved[old]], before[old]) << old;
}

TEST(NewButtonSlot, TakesTheLowestFreeSlotButNever100)
{
    auto p = ProjectWithTops({{0, 1}, {1, 1}, {3, 1}});
    EXPECT_EQ(p->ChooseNewButtonSlot(), 2);
    for (int slot = 0; slot < 100; ++slot)
        p->Buttons[slot].Used = true;
    EXPECT_EQ(p->ChooseNewButtonSlot(), -1);
}

// A reused slot must not lend the deleted button's help file, sounds or targets.
TEST(NewButtonSlot, CreatesANewButtonClearingEveryOtherField)
{
    auto p = std::make_unique<MenuProject>();
    MenuButton& b = p->Buttons[4];
    for (Text* t : {&b.Params, &b.LoadInfo, &b.ShellRunParams, &b.ShellRunPath, &b.SoundOver, &b.SoundClick,
                    &b.UnAssExt, &b.OnNotFound, &b.Name, &b.Action, &b.ShellRunAction})
        *t = "old";
    p->CreateButton(4, 1, 2, 3, 4);
    MenuButton expected;
    expected.Used = true;
    expected.Left = 1;
    expected.Top = 2;
    expected.Width = 3;
    expected.Height = 4;
    expected.Name = "New Button";
    expected.Action = "RUN";
    expected.ShellRunAction = "Open";
    EXPECT_EQ(b, expected);
}

struct RelativeCase {
    const char* file;
    const char* reference;
    const char* expected;
};

class MakeRelativePathTest : public ::testing::TestWithParam<RelativeCase> {};

TEST_P(MakeRelativePathTest, StoresTheExpectedName)
{
    const RelativeCase c = GetParam();
    EXPECT_EQ(MakeRelativePath(QString::fromUtf8(c.file), QString::fromUtf8(c.reference)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    WindowsAndPosixNames, MakeRelativePathTest,
    ::testing::Values(RelativeCase{"C:\\Menu\\pics\\bg.jpg", "C:\\Menu\\launcher.ini", "pics\\bg.jpg"},
                      RelativeCase{"c:\\menu\\a.wav", "C:\\Menu\\launcher.ini", "a.wav"},
                      RelativeCase{"C:\\Other\\x.exe", "C:\\Menu\\launcher.ini", "\\Other\\x.exe"},
                      RelativeCase{"D:\\x.exe", "C:\\Menu\\launcher.ini", "D:\\x.exe"},
                      RelativeCase{"C:\\bg.jpg", "C:\\launcher.ini", "\\bg.jpg"},
                      RelativeCase{"", "C:\\Menu\\launcher.ini", ""},
                      RelativeCase{"C:\\Menu\\", "C:\\Menu\\launcher.ini", ""},
                      RelativeCase{"/disc/menu/pics/bg.jpg", "/disc/menu/launcher.ini", "pics\\bg.jpg"},
                      RelativeCase{"/DISC/Menu/a.wav", "/disc/menu/launcher.ini", "a.wav"},
                      RelativeCase{"/other/x.exe", "/disc/menu/launcher.ini", "/other/x.exe"},
                      RelativeCase{"/disc/x.exe", "/disc/menu/launcher.ini", "/disc/x.exe"},
                      RelativeCase{"C:\\x.exe", "/disc/launcher.ini", "C:\\x.exe"}));

} // namespace
