#include "model/logging_project_view.h"
#include "model/mouse_editing.h"
#include "model/project_check.h"
#include "model/project_loader.h"
#include "platform/code_page.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"
#include "support/used_button.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Severity = CheckFinding::Severity;

// A small project with nothing wrong: a 100 x 80 menu, its three pictures, a
// sound, a help file, two buttons side by side and a text area.
class ProjectCheckTest : public ::testing::Test {
protected:
    ProjectCheckTest()
    {
        MainParams& m = p.Main;
        m.SizeX = 100;
        m.SizeY = 80;
        m.BackgroundFile = "bg.bmp";
        m.BackOverFile = "over.bmp";
        m.BackClickFile = "click.bmp";
        m.SoundClick = "sounds\\click.wav";
        for (const char* name : {"bg.bmp", "over.bmp", "click.bmp", "sounds/click.wav", "setup.exe"})
            dir.Write(name, "x");
        dir.Write("help/a.rtf", "{\\rtf1 Hello}");
        dir.Write("help/b.txt", "Plain\r\ntext\tis fine\r\n");
        p.NormalPicture = p.OverPicture = p.ClickPicture = FilledPicture(100, 80, 0xFF000000);
        p.Buttons[0] = UsedButton(0, 0, 40, 20, "Install");
        p.Buttons[0].Params = "setup.exe";
        p.Buttons[0].LoadInfo = "help\\a.rtf";
        p.Buttons[1] = UsedButton(50, 0, 40, 20, "Exit");
        p.Buttons[1].Action = "CLOSE";
        p.TextInfo.Left = 0;
        p.TextInfo.Top = 30;
        p.TextInfo.Width = 100;
        p.TextInfo.Height = 50;
        p.TextInfo.DefaultFile = "help\\b.txt";
    }

    CheckFindings Check(const QString& cdRoot = {})
    {
        return ProjectCheck(p, dir.File("launcher.ini"), cdRoot).Run();
    }

    // The one finding, which must be of this level, section and key.
    void ExpectOnly(Severity level, const QString& section, const QString& key, const QString& messagePart,
                    const QString& cdRoot = {})
    {
        const CheckFindings findings = Check(cdRoot);
        ASSERT_EQ(findings.size(), 1) << Describe(findings);
        EXPECT_EQ(findings[0].Level, level) << Describe(findings);
        EXPECT_EQ(findings[0].Section, section);
        EXPECT_EQ(findings[0].Key, key);
        EXPECT_TRUE(findings[0].Message.contains(messagePart)) << findings[0].Message.toStdString();
    }

    static std::string Describe(const CheckFindings& findings)
    {
        QString text;
        for (const CheckFinding& f : findings)
            text += QStringLiteral("%1 [%2] %3: %4\n").arg(f.LevelText(), f.Section, f.Key, f.Message);
        return text.toStdString();
    }

    TempFolder dir;
    std::unique_ptr<MenuProject> holder = std::make_unique<MenuProject>();
    MenuProject& p = *holder;
};

TEST_F(ProjectCheckTest, ASoundProjectHasNoFinding)
{
    EXPECT_TRUE(Check().isEmpty()) << Describe(Check());
}

TEST_F(ProjectCheckTest, MissingFilesAreErrorsUnderTheirKeys)
{
    p.Main.OnLoadSound = "sounds\\hello.wav";
    ExpectOnly(Severity::Error, "MAIN", "OnLoadSound", "File not found: sounds\\hello.wav");
    p.Main.OnLoadSound.clear();
    p.Buttons[1].LoadInfo = "help\\gone.rtf";
    ExpectOnly(Severity::Error, "Button#1", "LoadInfo", "File not found: help\\gone.rtf");
    p.Buttons[1].LoadInfo.clear();
    p.Main.IconFile = "disc.ico";
    ExpectOnly(Severity::Error, "MAIN", "IconFile", "disc.ico");
    p.Main.IconFile.clear();
    p.TextInfo.DefaultFile = "none.rtf";
    ExpectOnly(Severity::Error, "TextInfo", "DefaultFile", "none.rtf");
}

TEST_F(ProjectCheckTest, ARelativeRunTargetMustExistOthersAreNotOnTheDisc)
{
    p.Buttons[0].Params = "install\\setup.exe";
    ExpectOnly(Severity::Error, "Button#0", "Params", "File not found: install\\setup.exe");
    for (const char* name : {"C:\\Windows\\notepad.exe", "\\tools\\x.exe", "http://example.com/"}) {
        p.Buttons[0].Params = name;
        EXPECT_TRUE(Check().isEmpty()) << name << Describe(Check());
    }
    // A WINEXEC command line is not a file name.
    p.Buttons[0].Action = "WINEXEC";
    p.Buttons[0].Params = "notepad.exe readme.txt";
    EXPECT_TRUE(Check().isEmpty()) << Describe(Check());
}

TEST_F(ProjectCheckTest, AMenuWithoutABackgroundIsAnError)
{
    p.Main.BackgroundFile.clear();
    ExpectOnly(Severity::Error, "MAIN", "background", "No background picture is named");
}

TEST_F(ProjectCheckTest, TheEditorsBackupAndTemporaryFilesAreWarnings)
{
    dir.Write("launcher.bak", "[MAIN]\r\n");
    dir.Write("launcher.tmp", "[MAIN]\r\n");
    dir.Write("other.bak", "not the editor's");
    const CheckFindings findings = Check();
    ASSERT_EQ(findings.size(), 2) << Describe(findings);
    EXPECT_EQ(findings[0], (CheckFinding{Severity::Warning, "", "launcher.bak",
                                         "The editor's backup file does not belong on the disc"}));
    EXPECT_EQ(findings[1].Key, "launcher.tmp");
}

TEST_F(ProjectCheckTest, AFileUnderAnotherLetterCaseIsAWarning)
{
    p.Main.SoundClick = "Sounds\\CLICK.wav";
    ExpectOnly(Severity::Warning, "MAIN", "SoundClick", "exists only as sounds/click.wav");
}

TEST_F(ProjectCheckTest, AMaskFileUnderAnotherLetterCaseIsAWarning)
{
    dir.Write("LAUNCHER.MSK", "x");
    ExpectOnly(Severity::Warning, "MAIN", "CustomShape", "launcher.msk exists only as LAUNCHER.MSK");
}

TEST_F(ProjectCheckTest, AHelpFileThatIsNeitherRtfNorTextIsAWarning)
{
    dir.Write("help/pic.rtf", QByteArray("BM\0\0\x01\x02", 6));
    p.Buttons[1].LoadInfo = "help\\pic.rtf";
    ExpectOnly(Severity::Warning, "Button#1", "LoadInfo", "pic.rtf is neither RTF nor plain text");
}

TEST_F(ProjectCheckTest, NamesTheDiscCannotHold)
{
    const QString longName = QString(65, u'n') + QStringLiteral(".txt");
    dir.Write(longName, "x");
    ExpectOnly(Severity::Error, "", longName, "69 characters; Joliet holds 64");
    QFile::remove(dir.File(longName));
    dir.Write("what?.txt", "x");
    ExpectOnly(Severity::Error, "", "what?.txt", "character Joliet forbids");
    QFile::remove(dir.File("what?.txt"));
    dir.Write(QStringLiteral("\u0416.txt"), "x"); // Cyrillic: windows-1252 has no such letter
    ExpectOnly(Severity::Warning, "", QStringLiteral("\u0416.txt"), "code page windows-1252 cannot write");
    QFile::remove(dir.File(QStringLiteral("\u0416.txt")));
    QDir(dir.Path()).mkpath("1/2/3/4/5/6/7/8/9/10");
    ExpectOnly(Severity::Warning, "", "1/2/3/4/5/6/7/8/9", "deeper than 8 levels");
}

TEST_F(ProjectCheckTest, ButtonsTheNextLoadDrops)
{
    p.Buttons[1].Width = 0;
    ExpectOnly(Severity::Error, "Button#1", "Width", "size 0 x 20 is not positive");
    p.Buttons[1].Width = 40;
    p.Buttons[1].Action.clear();
    ExpectOnly(Severity::Error, "Button#1", "Action", "no action");
    p.Buttons[1].Action = "CLOSE";
    p.Buttons[1].Top = -5;
    ExpectOnly(Severity::Error, "Button#1", "top", "left of or above the menu");
}

TEST_F(ProjectCheckTest, ButtonsOutsideTheMenuOrOverlapping)
{
    p.Buttons[1].Left = 70;
    ExpectOnly(Severity::Warning, "Button#1", "Left", "reaches outside the 100 x 80 menu");
    p.Buttons[1].Left = 30;
    ExpectOnly(Severity::Warning, "Button#1", "Left", "overlaps Button#0");
    // Its right edge lies past the 32-bit limit, not back at 0: outside, overlapping nothing.
    p.Buttons[1].Left = 2147483000;
    p.Buttons[1].Width = 1000;
    ExpectOnly(Severity::Warning, "Button#1", "Left", "reaches outside the 100 x 80 menu");
    EXPECT_FALSE(MouseEditing::PointInButton(QPoint(5, 5), p.Buttons[1]));
}

TEST_F(ProjectCheckTest, AWinexecWithoutCommandIsAnError)
{
    p.Buttons[1].Action = "WINEXEC";
    ExpectOnly(Severity::Error, "Button#1", "Params", "WINEXEC with no command");
}

TEST_F(ProjectCheckTest, PicturesOfTheWrongSize)
{
    p.NormalPicture = p.OverPicture = p.ClickPicture = FilledPicture(100, 70, 0xFF000000);
    ExpectOnly(Severity::Warning, "MAIN", "background", "100 x 70, smaller than the 100 x 80 menu");
    p.NormalPicture = p.OverPicture = FilledPicture(100, 80, 0xFF000000);
    ExpectOnly(Severity::Warning, "MAIN", "backclick", "100 x 70, the normal one 100 x 80");
}

TEST_F(ProjectCheckTest, ATextAreaOutsideTheMenu)
{
    p.TextInfo.Height = 51;
    ExpectOnly(Severity::Warning, "TextInfo", "Left", "not inside the 100 x 80 menu");
    p.TextInfo.Left = -1; // hidden: where it would be does not matter
    EXPECT_TRUE(Check().isEmpty());
}

TEST_F(ProjectCheckTest, TheShapeNeedsThreePointsInsideTheMenu)
{
    p.Main.UseCustomShape = true;
    p.Shape.PointCount = 2;
    p.Shape.Points[0] = {0, 0, ShapePointState::Used};
    p.Shape.Points[1] = {100, 80, ShapePointState::Used};
    ExpectOnly(Severity::Error, "MAIN", "CustomShape", "has 2 points, fewer than three");
    p.Shape.PointCount = 3;
    p.Shape.Points[2] = {101, 0, ShapePointState::Used};
    ExpectOnly(Severity::Warning, "CustomPoints", "x2", "101, 0 lies outside");
    p.Main.UseCustomShape = false; // not in use: the points do not matter
    EXPECT_TRUE(Check().isEmpty());
}

TEST_F(ProjectCheckTest, WithACdRootAutorunMustNameAnExistingProgram)
{
    TempFolder cd;
    const QString cdRoot = cd.Path();
    // The project files lie outside this CD root; the ISO would miss them all.
    const CheckFindings outside = Check(cdRoot);
    EXPECT_TRUE(HasError(outside));
    EXPECT_TRUE(std::all_of(outside.cbegin(), outside.cend(), [](const CheckFinding& f) {
        return f.Message.contains("outside the CD root") || f.Message.contains("no autorun.inf");
    })) << Describe(outside);
    const CheckFinding ini = outside.first(); // MAIN files come first
    EXPECT_EQ(ini.Section, "MAIN");
    EXPECT_EQ(ini.Key, "background");
}

TEST_F(ProjectCheckTest, AutorunInTheCdRoot)
{
    const QString cdRoot = dir.Path();
    ExpectOnly(Severity::Warning, "autorun", "open", "no autorun.inf", cdRoot);
    dir.Write("autorun.inf", "[autorun]\r\nopen=launcher\\launcher.exe -X\r\nicon=launcher\\launcher.exe,0\r\n");
    ExpectOnly(Severity::Error, "autorun", "open", "File not found: launcher\\launcher.exe", cdRoot);
    dir.Write("Launcher/Launcher.exe", "MZ");
    EXPECT_TRUE(Check(cdRoot).isEmpty()) << Describe(Check(cdRoot));
    dir.Write("autorun.inf", "[autorun]\r\nicon=x.ico\r\n");
    ExpectOnly(Severity::Error, "autorun", "open", "no open= line", cdRoot);
}

// The disc holds the file a link leads to only when it lies inside the CD root.
TEST_F(ProjectCheckTest, ANamedLinkToAFileOutsideTheCdRootIsAnError)
{
    TempFolder elsewhere;
    const QString outside = elsewhere.Write("over.bmp", "x");
    QFile::remove(dir.File("over.bmp"));
    ASSERT_TRUE(QFile::link(outside, dir.File("over.bmp")));
    dir.Write("autorun.inf", "[autorun]\r\nopen=setup.exe\r\n");
    ExpectOnly(Severity::Error, "MAIN", "backover", "is a link to " + outside + ", outside the CD root", dir.Path());

    QFile::remove(dir.File("over.bmp"));
    ASSERT_TRUE(QFile::link("bg.bmp", dir.File("over.bmp")));
    EXPECT_TRUE(Check(dir.Path()).isEmpty()) << "a link inside the disc is fine";
}

TEST_F(ProjectCheckTest, ATemporaryFileLeftByAKilledWriterIsAWarning)
{
    dir.Write("help/.vyx0a1b2c3d.tmp", "half a file");
    ExpectOnly(Severity::Warning, "", "help/.vyx0a1b2c3d.tmp", "temporary file left by an interrupted write");
}

TEST(ProjectCheck, TheDemoHasNoFinding)
{
    ScopedCurrentFolder keep;
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    const QString ini = QStringLiteral(VYX_DEMO_DIR "/launcher.ini");
    LoadProject(*project, ini, view);
    const CheckFindings findings = ProjectCheck(*project, ini).Run();
    EXPECT_TRUE(findings.isEmpty()) << (findings.isEmpty() ? "" : findings.first().Message.toStdString());
}

TEST(CheckFinding, TheSlotComesFromAButtonSection)
{
    EXPECT_EQ((CheckFinding{Severity::Error, "Button#12", "Left", ""}.Slot()), 12);
    EXPECT_EQ((CheckFinding{Severity::Error, "MAIN", "SizeX", ""}.Slot()), -1);
    EXPECT_EQ((CheckFinding{Severity::Warning, "Button#", "Left", ""}.Slot()), -1);
    EXPECT_FALSE(HasError({CheckFinding{Severity::Warning, "", "", ""}}));
    EXPECT_TRUE(HasError({CheckFinding{Severity::Warning, "", "", ""}, CheckFinding{Severity::Error, "", "", ""}}));
}

} // namespace
