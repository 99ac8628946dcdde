#include "model/preview_action.h"

#include "model/menu_project.h"
#include "support/used_button.h"

#include <gtest/gtest.h>

namespace {

MenuButton Acting(const QByteArray& action, const QByteArray& target, const QByteArray& verb = "Open",
                  const QByteArray& params = QByteArray())
{
    MenuButton b = UsedButton(0, 0, 10, 10);
    b.Action = action;
    b.Params = target;
    b.ShellRunAction = verb;
    b.ShellRunParams = params;
    return b;
}

TEST(PreviewActionTest, RunNamesTheProgramOrTheShellVerb)
{
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN", "setup.exe", "Open", "/S")), QStringLiteral("RUN setup.exe /S"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN", "manual.pdf")), QStringLiteral("Open manual.pdf"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN", "song.mp3", "Play")), QStringLiteral("Play song.mp3"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN", "readme.txt", "")), QStringLiteral("Open readme.txt"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN", "", "Open")), QStringLiteral("RUN (no file named)"));
    MenuButton inFolder = Acting("RUN", "tools\\Setup.EXE");
    inFolder.ShellRunPath = "tools";
    EXPECT_EQ(PreviewAction::LineFor(inFolder), QStringLiteral("RUN tools\\Setup.EXE (in tools)"));
}

TEST(PreviewActionTest, EveryOtherActionIsToldInWords)
{
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN&CLOSE", "a.exe")), QStringLiteral("RUN a.exe, then close the menu"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("RUN&MINIMIZE", "b.htm")),
              QStringLiteral("Open b.htm, then minimize the menu"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("WINEXEC", "http://vyx.example")),
              QStringLiteral("WINEXEC http://vyx.example"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("WINEXEC", "")), QStringLiteral("WINEXEC (no command)"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("MINIMIZE", "")), QStringLiteral("Minimize the menu"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("CLOSE", "")), QStringLiteral("Close the menu"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("EJECT", "")), QStringLiteral("Eject the disc"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("NONE", "x.exe")), QStringLiteral("Nothing"));
    EXPECT_EQ(PreviewAction::LineFor(Acting("JUMP", "")), QStringLiteral("Unknown action JUMP"));
}

TEST(PreviewActionTest, TheLowerNumberedButtonWinsThePointer)
{
    MenuProject project;
    project.Buttons[7] = UsedButton(10, 10, 50, 20);
    project.Buttons[3] = UsedButton(40, 15, 50, 20);
    project.Buttons[1] = UsedButton(0, 0, 200, 200);
    project.Buttons[1].Used = false;
    EXPECT_EQ(PreviewAction::ButtonAt(project, {20, 12}), 7);
    EXPECT_EQ(PreviewAction::ButtonAt(project, {45, 20}), 3);
    EXPECT_EQ(PreviewAction::ButtonAt(project, {59, 29}), 3);
    EXPECT_EQ(PreviewAction::ButtonAt(project, {89, 34}), 3);
    EXPECT_EQ(PreviewAction::ButtonAt(project, {90, 34}), -1) << "right edge is exclusive";
    EXPECT_EQ(PreviewAction::ButtonAt(project, {5, 5}), -1) << "a free slot takes no pointer";
}

TEST(PreviewActionTest, AButtonWithoutItsOwnSoundUsesTheProjectOne)
{
    MenuProject project;
    project.Main.SoundOver = "over.wav";
    project.Main.SoundClick = "click.wav";
    project.Buttons[2] = UsedButton(0, 0, 1, 1);
    project.Buttons[2].SoundClick = "boom.wav";
    EXPECT_EQ(PreviewAction::SoundFor(project, 2, false), QStringLiteral("over.wav"));
    EXPECT_EQ(PreviewAction::SoundFor(project, 2, true), QStringLiteral("boom.wav"));
    EXPECT_EQ(PreviewAction::SoundFor(project, -1, true), QString());
}

} // namespace
