#include "model/project_snapshot.h"
#include "support/used_button.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

TEST(ProjectSnapshotTest, TellsEveryRecordChangeFromNoChange)
{
    MenuProject project;
    project.Buttons[3] = UsedButton(10, 20, 30, 40, "Three");
    ProjectSnapshot snapshot;
    EXPECT_TRUE(snapshot.Differs(project)) << "nothing loaded or saved yet";
    snapshot.Take(project);
    EXPECT_FALSE(snapshot.Differs(project));

    const auto changes = std::to_array<std::function<void(MenuProject&)>>({
        [](MenuProject& p) { p.Main.Title = "Other"; },
        [](MenuProject& p) { p.Main.ReSort = false; },
        [](MenuProject& p) { p.Buttons[3].Left = 11; },
        [](MenuProject& p) { p.Buttons[3].Used = false; },
        [](MenuProject& p) { p.Buttons[100].SoundOver = "x.wav"; },
        [](MenuProject& p) { p.TextInfo.FontColor = 0xFF; },
        [](MenuProject& p) { p.Shape.PointCount = 1; },
    });
    for (size_t i = 0; i < changes.size(); ++i) {
        MenuProject changed = project;
        changes[i](changed);
        EXPECT_TRUE(snapshot.Differs(changed)) << "change " << i;
    }
}

TEST(ProjectSnapshotTest, PicturesFollowTheirNamesAndANewSnapshotReplacesTheOld)
{
    MenuProject project;
    ProjectSnapshot snapshot;
    snapshot.Take(project);
    project.NormalPicture = QImage(4, 4, QImage::Format_RGB32);
    EXPECT_FALSE(snapshot.Differs(project));
    project.Main.BackgroundFile = "b.bmp";
    EXPECT_TRUE(snapshot.Differs(project));
    snapshot.Take(project);
    EXPECT_FALSE(snapshot.Differs(project));
}
