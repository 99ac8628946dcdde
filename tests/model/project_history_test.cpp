#include "model/project_history.h"
#include "support/used_button.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage Picture(QRgb color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

MenuProject TwoButtons()
{
    MenuProject project;
    project.Buttons[3] = UsedButton(10, 20, 30, 40, "Three");
    project.Buttons[5] = UsedButton(10, 5, 30, 40, "Five");
    project.NormalPicture = Picture(0xff0000ff);
    return project;
}

std::string Label(const MenuProject& before, const std::function<void(MenuProject&)>& change)
{
    MenuProject after = before;
    change(after);
    return DescribeChange(ProjectState::Of(before), ProjectState::Of(after)).toStdString();
}

} // namespace

TEST(ProjectHistoryTest, EveryPartThePlayerReadsCountsAsAChange)
{
    const MenuProject project = TwoButtons();
    ProjectHistory history;
    history.Start(project);
    EXPECT_FALSE(history.Differs(project));
    const auto changes = std::to_array<std::function<void(MenuProject&)>>({
        [](MenuProject& p) { p.Main.Title = "Other"; },
        [](MenuProject& p) { p.Main.ReSort = false; },
        [](MenuProject& p) { p.Buttons[3].Left = 11; },
        [](MenuProject& p) { p.Buttons[3].Used = false; },
        [](MenuProject& p) { p.Buttons[100].SoundOver = "x.wav"; },
        [](MenuProject& p) { p.TextInfo.FontColor = 0xFF; },
        [](MenuProject& p) { p.Shape.PointCount = 1; },
        [](MenuProject& p) { p.Shape.Points[7].State = ShapePointState::MarkedForDeletion; },
        // A picture follows its file name: a new name is a change before any pixel loads.
        [](MenuProject& p) { p.Main.BackgroundFile = "b.bmp"; },
        [](MenuProject& p) { p.CodePage = "windows-1250"; },
        [](MenuProject& p) { p.OverPicture = Picture(0xff00ff00); },
        [](MenuProject& p) { p.NormalPicture.setPixel(1, 1, 0xff000000); },
    });
    for (size_t i = 0; i < changes.size(); ++i) {
        MenuProject changed = project;
        changes[i](changed);
        EXPECT_TRUE(history.Differs(changed)) << "change " << i;
        EXPECT_FALSE(history.MatchesClean(changed)) << "change " << i;
    }
    MenuProject samePixels = project;
    samePixels.NormalPicture = Picture(0xff0000ff);
    EXPECT_FALSE(history.Differs(samePixels)) << "another copy of the same pixels";
}

TEST(ProjectHistoryTest, ASavedStateReplacesTheOneLoaded)
{
    const MenuProject loaded = TwoButtons();
    ProjectHistory history;
    history.Start(loaded);
    EXPECT_TRUE(history.MatchesClean(loaded));
    MenuProject saved = loaded;
    saved.Buttons[3].Left = 11;
    ASSERT_TRUE(history.Record(saved));
    history.MarkClean();
    EXPECT_FALSE(history.Differs(saved));
    EXPECT_TRUE(history.MatchesClean(saved));
    EXPECT_FALSE(history.MatchesClean(loaded)) << "the state loaded is no longer what is on disk";
}

TEST(ProjectHistoryTest, UndoAndRedoWalkTheLabelledStates)
{
    MenuProject project = TwoButtons();
    ProjectHistory history;
    history.Start(project);
    EXPECT_FALSE(history.Record(project)) << "nothing changed";
    EXPECT_FALSE(history.CanUndo());

    project.Buttons[3].Left = 50;
    ASSERT_TRUE(history.Record(project));
    project.Buttons[3].Name = "Renamed";
    ASSERT_TRUE(history.Record(project));
    project.SortButtons();
    ASSERT_TRUE(history.Record(project, "Sort"));
    EXPECT_EQ(history.UndoLabel(), "Sort");

    history.Undo().PutInto(project);
    EXPECT_EQ(project.Buttons[3].Name, "Renamed");
    EXPECT_EQ(history.UndoLabel(), "Name of Button#3");
    EXPECT_EQ(history.RedoLabel(), "Sort");
    history.Undo().PutInto(project);
    EXPECT_EQ(history.UndoLabel(), "Move Button#3");
    history.Undo().PutInto(project);
    EXPECT_EQ(project.Buttons[3].Left, 10);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.RedoLabel(), "Move Button#3");

    history.Redo().PutInto(project);
    EXPECT_EQ(project.Buttons[3].Left, 50);
    EXPECT_EQ(project.Buttons[3].Name, "Three");
    // A new change forgets what could be redone.
    project.TextInfo.Left = 4;
    ASSERT_TRUE(history.Record(project));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoLabel(), "Move text area");
    EXPECT_EQ(history.StepCount(), 2);
}

TEST(ProjectHistoryTest, TheModifiedMarkFollowsTheCleanState)
{
    MenuProject project = TwoButtons();
    ProjectHistory history;
    history.Start(project);
    EXPECT_FALSE(history.IsModified());
    project.Main.Title = "A";
    history.Record(project);
    EXPECT_TRUE(history.IsModified());
    history.Undo().PutInto(project);
    EXPECT_FALSE(history.IsModified()) << "back at the loaded state";
    history.Redo().PutInto(project);
    history.MarkClean(); // saved
    EXPECT_FALSE(history.IsModified());
    history.Undo().PutInto(project);
    EXPECT_TRUE(history.IsModified());
    // Undone past the save, then another change: the saved state cannot come back by redo ...
    project.Main.Title = "B";
    history.Record(project);
    EXPECT_EQ(history.CleanIndex(), -1);
    EXPECT_TRUE(history.IsModified());
    // ... but the same content again is not a modification.
    project.Main.Title = "A";
    history.Record(project);
    EXPECT_FALSE(history.IsModified());
}

TEST(ProjectHistoryTest, KeepsTheNewestHundredStepsAndTheirMark)
{
    MenuProject project = TwoButtons();
    ProjectHistory history;
    history.Start(project);
    for (int i = 1; i <= 150; ++i) {
        project.Buttons[3].Left = 10 + i;
        ASSERT_TRUE(history.Record(project));
        if (i == 120)
            history.MarkClean();
    }
    EXPECT_EQ(history.StepCount(), ProjectHistory::DefaultDepth);
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo().PutInto(project);
        ++undone;
        if (project.Buttons[3].Left == 130)
            EXPECT_FALSE(history.IsModified());
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(project.Buttons[3].Left, 60) << "the 50 oldest steps were dropped";
    EXPECT_TRUE(history.IsModified());
}

TEST(ProjectHistoryTest, ASortingSaveReplacesTheCurrentStateWithoutAStep)
{
    MenuProject project = TwoButtons();
    ProjectHistory history;
    history.Start(project);
    project.Buttons[3].Name = "Edited";
    history.Record(project);
    project.SortButtons();
    history.ReplaceCurrent(project);
    history.MarkClean();
    EXPECT_FALSE(history.Differs(project));
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_EQ(history.UndoLabel(), "Name of Button#3");
    history.Undo().PutInto(project);
    EXPECT_EQ(project.Buttons[3].Name, "Three") << "the state before the edit, as loaded";
}

TEST(ProjectHistoryTest, PicturesAreSharedBetweenSteps)
{
    MenuProject project = TwoButtons();
    ProjectHistory history;
    history.Start(project);
    project.Main.Title = "T";
    history.Record(project);
    EXPECT_EQ(history.Current().NormalPicture.constBits(), project.NormalPicture.constBits());
    history.Undo().PutInto(project);
    EXPECT_EQ(history.Current().NormalPicture.constBits(), project.NormalPicture.constBits());
}

TEST(ProjectHistoryTest, LabelsNameWhatChanged)
{
    const MenuProject p = TwoButtons();
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Buttons[3].Top += 4; }), "Move Button#3");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Buttons[3].Width += 4; }), "Resize Button#3");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.CreateButton(0, 1, 2, 3, 4); }), "New Button#0");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Buttons[5].Used = false; }), "Delete Button#5");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Buttons[5].LoadInfo = "h.rtf"; }), "TextFile of Button#5");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Buttons[5].Name = "n", q.Buttons[5].Action = "NONE"; }),
              "Edit Button#5");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.SortButtons(); }), "Sort");
    MenuProject shown = p;
    shown.TextInfo.Left = shown.TextInfo.Top = 5;
    EXPECT_EQ(Label(shown, [](MenuProject& q) { q.TextInfo.Left = -1; }), "Hide text area");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.TextInfo.Left = 5, q.TextInfo.Width = 3; }), "Text area");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.TextInfo.Left = 5; }), "Move text area");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.TextInfo.Left = 5, q.TextInfo.Top = 5; }), "Move text area");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.TextInfo.FontColor = 1; }), "Text area colour");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Shape.Points[0] = {1, 2, ShapePointState::Used}; }), "Shape points");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Main.DisableSelText = true; }), "Disable Pointer");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Main.UseCustomShape = q.Main.HideBorder = true; }), "Use custom shape");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Main.SizeX = 800; }), "Program Parameters");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.NormalPicture = QImage(); }), "Program Parameters");
    EXPECT_EQ(Label(p, [](MenuProject& q) { q.Main.Title = "x", q.Buttons[3].Left = 1; }), "Edit");
}
