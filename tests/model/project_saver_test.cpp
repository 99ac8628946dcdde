#include "model/ini_file_version.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "model/project_saver.h"
#include "platform/code_page.h"
#include "platform/profile_values.h"
#include "platform/file_operations.h"
#include "platform/vyx_error.h"
#include "support/failing_file_operations.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ProjectSaverTest : public ::testing::Test {
protected:
    QString Ini() const { return m_dir.File("launcher.ini"); }

    SaveResult Save()
    {
        QString name = Ini();
        return SaveProject(*m_project, name, m_view);
    }

    std::unique_ptr<MenuProject> Reload()
    {
        auto loaded = std::make_unique<MenuProject>();
        LoggingProjectView view;
        LoadProject(*loaded, Ini(), view);
        return loaded;
    }

    MenuButton& Button(int slot, int top)
    {
        MenuButton& b = m_project->Buttons[slot];
        b = MenuButton{};
        b.Used = true;
        b.Left = 10;
        b.Top = top;
        b.Width = 30;
        b.Height = 20;
        b.Action = "RUN";
        b.Name = "Button at " + QByteArray::number(top);
        return b;
    }

    // "Use:" ticked with `count` points.
    void UseShapeOf(int count)
    {
        m_project->Main.UseCustomShape = true;
        m_project->Shape = CustomShape{};
        for (int i = 0; i < count; ++i)
            m_project->Shape.Points[i] = {i * 10, i * 20 + 1, ShapePointState::Used};
        m_project->Shape.PointCount = uint16_t(count);
    }

    ScopedCurrentFolder m_restore;
    TempFolder m_dir;
    std::unique_ptr<MenuProject> m_project = std::make_unique<MenuProject>();
    LoggingProjectView m_view;
};

TEST_F(ProjectSaverTest, SavingKeepsThePreviousFileAsBackupAndLeavesNoTemporaryFile)
{
    const QByteArray original = "[MAIN]\r\nProgram=Original\r\n[Button#9]\r\nName=stale\r\n";
    m_dir.Write("launcher.ini", original);
    m_project->Main.Title = "New";
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_EQ(m_dir.Read("launcher.bak"), original);
    EXPECT_FALSE(m_dir.Exists("launcher.tmp"));
    EXPECT_TRUE(m_dir.Read("launcher.ini").startsWith("[MAIN]\r\nProgram=New\r\nCompany=\r\n"));
    EXPECT_FALSE(m_dir.Read("launcher.ini").contains("Button#9")) << "sections of free slots are not carried over";
    EXPECT_FALSE(m_view.StatusVisible());
    EXPECT_EQ(m_view.Log().last(), QStringLiteral("Done."));
}

TEST_F(ProjectSaverTest, AFileChangedSinceItWasReadIsNotWrittenOver)
{
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Loaded\r\n");
    IniFileVersion version;
    LoadProject(*m_project, Ini(), m_view, &version);
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Someone else's\r\n");
    QString name = Ini();
    try {
        SaveProject(*m_project, name, m_view, &version);
        ADD_FAILURE() << "the other change would be lost";
    } catch (const VyxError& e) {
        EXPECT_EQ(e.Message(), Ini() + " was changed by another program since it was read: not saved");
    }
    EXPECT_EQ(m_dir.Read("launcher.ini"), "[MAIN]\r\nProgram=Someone else's\r\n");
    EXPECT_FALSE(m_dir.Exists("launcher.tmp"));

    version = IniFileVersion::OnDisk(Ini());
    ASSERT_EQ(SaveProject(*m_project, name, m_view, &version), SaveResult::Saved);
    EXPECT_EQ(SaveProject(*m_project, name, m_view, &version), SaveResult::Saved)
        << "a save records what it wrote";
}

TEST_F(ProjectSaverTest, SavingTwiceKeepsOnlyTheLatestPreviousVersion)
{
    m_project->Main.Title = "One";
    Save();
    const QByteArray first = m_dir.Read("launcher.ini");
    m_project->Main.Title = "Two";
    Save();
    m_project->Main.Title = "Three";
    Save();
    EXPECT_TRUE(m_dir.Read("launcher.bak").contains("Program=Two"));
    EXPECT_NE(m_dir.Read("launcher.bak"), first);
}

TEST_F(ProjectSaverTest, ANewNameIsCreatedWithoutBackup)
{
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_TRUE(m_dir.Exists("launcher.ini"));
    EXPECT_FALSE(m_dir.Exists("launcher.bak"));
}

TEST_F(ProjectSaverTest, SortingRenumbersSectionsAndReportsTheMoves)
{
    m_project->Main.ReSort = true;
    Button(4, 50);
    Button(9, 20);
    Save();
    const QByteArray text = m_dir.Read("launcher.ini");
    EXPECT_TRUE(text.contains("[Button#0]\r\nName=Button at 20\r\n"));
    EXPECT_TRUE(text.contains("[Button#1]\r\nName=Button at 50\r\n"));
    EXPECT_FALSE(text.contains("[Button#4]"));
    EXPECT_EQ(m_view.LastSort()[9], 0);
    EXPECT_EQ(m_view.LastSort()[4], 1);
    EXPECT_TRUE(m_view.Log().contains(QStringLiteral("Buttons sorted.")));
}

TEST_F(ProjectSaverTest, WithoutSortingSlotsKeepTheirNumbers)
{
    m_project->Main.ReSort = false;
    Button(57, 5);
    Save();
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("[Button#57]"));
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("ReSort=0\r\n"));
}

TEST_F(ProjectSaverTest, ShapeIsWrittenWithItsTerminatorOnlyWhenUsed)
{
    UseShapeOf(3);
    Save();
    const QByteArray used = m_dir.Read("launcher.ini");
    EXPECT_TRUE(used.contains("[CustomPoints]\r\nx0=0\r\ny0=1\r\nx1=10\r\ny1=21\r\nx2=20\r\ny2=41\r\nx3=-999\r\n"));
    EXPECT_TRUE(used.contains("CustomShape=1\r\nReSort=1\r\n"));
    EXPECT_EQ(Reload()->Shape, m_project->Shape);

    m_project->Main.UseCustomShape = false;
    Save();
    const QByteArray unused = m_dir.Read("launcher.ini");
    EXPECT_FALSE(unused.contains("CustomPoints"));
    EXPECT_TRUE(unused.contains("CustomShape=0"));
    EXPECT_EQ(m_project->Shape.PointCount, 3) << "the points stay in the project";
}

// The player's window is the polygon: with fewer than three corners there is none.
TEST_F(ProjectSaverTest, AShapeOfFewerThanThreePointsIsWarnedAbout)
{
    for (int count = 0; count <= 3; ++count) {
        UseShapeOf(count);
        ASSERT_EQ(Save(), SaveResult::Saved);
        const QStringList warnings = m_view.Log().filter(QRegularExpression("^! "));
        if (count < 3)
            EXPECT_EQ(warnings, QStringList{QStringLiteral("! CustomShape is used with %1 points: the player's window "
                                                           "would be empty").arg(count)});
        else
            EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
        EXPECT_EQ(m_view.StatusVisible(), count < 3) << count;
    }
    m_project->Main.UseCustomShape = false;
    Save();
    EXPECT_TRUE(m_view.Log().filter(QRegularExpression("^! ")).isEmpty()) << "an unused shape is no matter";
}

TEST_F(ProjectSaverTest, AFullShapeHasNoTerminator)
{
    m_project->Main.UseCustomShape = true;
    for (int i = 0; i < CustomShape::Capacity; ++i)
        m_project->Shape.Points[i] = {i, i, ShapePointState::Used};
    m_project->Shape.PointCount = CustomShape::Capacity;
    Save();
    EXPECT_FALSE(m_dir.Read("launcher.ini").contains("-999"));
    EXPECT_EQ(Reload()->Shape.PointCount, CustomShape::Capacity);
}

TEST_F(ProjectSaverTest, AHiddenTextAreaIsSavedWithLeftMinusOne)
{
    m_dir.Write("launcher.ini", "[TextInfo]\r\nLeft=-1\r\ntop=30\r\nBackGroundColor=clRed\r\n");
    LoadProject(*m_project, Ini(), m_view);
    Save();
    const QByteArray text = m_dir.Read("launcher.ini");
    EXPECT_TRUE(text.contains("[TextInfo]\r\nLeft=-1\r\ntop=30\r\nHeight=-1\r\nWidth=-1\r\nFontColor=clWindowText\r\n"
                              "BackGroundColor=clRed\r\n"));
}

TEST_F(ProjectSaverTest, AStaleTemporaryFileLendsNothingToTheNewFile)
{
    m_dir.Write("launcher.tmp", "[MAIN]\r\nStaleKey=1\r\n[Stale]\r\nx=1\r\n");
    Save();
    const QByteArray text = m_dir.Read("launcher.ini");
    EXPECT_FALSE(text.contains("Stale"));
    EXPECT_TRUE(text.startsWith("[MAIN]\r\nProgram="));
}

TEST_F(ProjectSaverTest, ADirectoryWhereTheTemporaryFileMustGoStopsTheSave)
{
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    QDir(m_dir.Path()).mkdir("launcher.tmp");
    try {
        Save();
        FAIL() << "the save must fail";
    } catch (const VyxError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to %1: a folder is in the way").arg(m_dir.File("launcher.tmp")));
    }
    EXPECT_EQ(m_dir.Read("launcher.ini"), "[MAIN]\r\nProgram=Kept\r\n");
    EXPECT_FALSE(m_dir.Exists("launcher.bak"));
    EXPECT_TRUE(m_view.StatusVisible());
}

TEST_F(ProjectSaverTest, TheNameIsMadeAbsolute)
{
    QDir::setCurrent(m_dir.Path());
    QString name = QStringLiteral("relative.ini");
    SaveProject(*m_project, name, m_view);
    EXPECT_EQ(name, m_dir.File("relative.ini"));
    EXPECT_TRUE(m_view.Log().contains(QStringLiteral("INI File: ") + name));
}

using Step = FailingFileOperations::Step;

// File operations whose temporary file vanishes once written, or that fail at one step.
class SaveFiles : public FailingFileOperations {
public:
    static constexpr Step TemporaryVanishes = Step(100);
    explicit SaveFiles(Step step) : FailingFileOperations(step, ENOSPC), m_vanishes(step == TemporaryVanishes) {}

    bool Exists(const QString& path) override
    {
        if (m_vanishes && path.endsWith(".tmp"))
            return false;
        return FileOperations::Exists(path);
    }

private:
    bool m_vanishes;
};

class SaveFailureTest : public ProjectSaverTest, public ::testing::WithParamInterface<Step> {};

TEST_P(SaveFailureTest, TheIniNameAlwaysHoldsAWholeOldOrNewFile)
{
    const QByteArray old = "[MAIN]\r\nProgram=Old\r\n";
    m_dir.Write("launcher.ini", old);
    m_project->Main.Title = "New";
    bool reported = false;
    {
        SaveFiles files(GetParam());
        try {
            reported = Save() != SaveResult::Saved;
        } catch (const VyxError&) {
            reported = true;
        }
    }
    const QByteArray now = m_dir.Read("launcher.ini");
    const bool wholeNew = now.startsWith("[MAIN]\r\nProgram=New\r\n") && now.contains("ReSort=1\r\n") && now.endsWith("DefaultFile=\r\n");
    EXPECT_TRUE(now == old || wholeNew) << now.constData();
    if (GetParam() == Step::Backup || GetParam() == Step::SyncFolder) {
        EXPECT_TRUE(wholeNew) << "a failed backup or folder flush does not stop the save";
        EXPECT_EQ(m_view.Log().filter(QRegularExpression("^! .*: disk full$")).size(), 1) << "but it is said";
        EXPECT_TRUE(m_view.StatusVisible());
    } else {
        EXPECT_TRUE(reported) << "a failed step is reported";
        EXPECT_EQ(now, old);
    }
    EXPECT_FALSE(m_dir.Exists("launcher.tmp")) << "no temporary file is left behind";
    EXPECT_FALSE(m_view.Log().contains(QStringLiteral("Done.")) && now == old);
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveFailureTest,
                         ::testing::Values(Step::Create, Step::Write, Step::Sync, Step::Close, SaveFiles::TemporaryVanishes,
                                           Step::Backup, Step::Replace, Step::SyncFolder));

TEST_F(ProjectSaverTest, AFolderThatCannotTakeTheTemporaryFileLogsNoStepAsSaved)
{
    m_project->Main.Title = "Kept";
    FailingFileOperations files(Step::Create, EROFS);
    EXPECT_THROW(Save(), VyxError);
    const QString failure = QStringLiteral("Unable to write to %1: read-only file system").arg(m_dir.File("launcher.tmp"));
    EXPECT_EQ(m_view.Log(), QStringList({"Buttons sorted.", "INI File: " + Ini(), "Program: Kept", "! " + failure}));
    EXPECT_TRUE(m_view.StatusVisible());
}

TEST_F(ProjectSaverTest, AFullDiskLogsTheFailureLastAndLeavesNoTemporaryFile)
{
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    FailingFileOperations files(Step::Write, ENOSPC);
    try {
        Save();
        ADD_FAILURE() << "a failed write is an error";
    } catch (const VyxError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to %1: disk full").arg(m_dir.File("launcher.tmp")));
        EXPECT_EQ(m_view.Log().last(), "! " + e.Message());
    }
    EXPECT_FALSE(m_dir.Exists("launcher.tmp"));
    EXPECT_FALSE(m_dir.Exists("launcher.bak"));
    EXPECT_EQ(m_dir.Read("launcher.ini"), QByteArray("[MAIN]\r\nProgram=Kept\r\n"));
}

TEST_F(ProjectSaverTest, ASymlinkedIniFileStaysALinkAndItsTargetGetsTheEdit)
{
    QDir(m_dir.Path()).mkdir("real");
    m_dir.Write("real/menu.ini", "[MAIN]\r\nProgram=Old\r\n");
    m_dir.Write("real/launcher.bak", "the backup of another project");
    ASSERT_TRUE(QFile::link("real/menu.ini", Ini()));
    m_project->Main.Title = "Edited";
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_TRUE(QFileInfo(Ini()).isSymLink());
    EXPECT_TRUE(m_dir.Read("real/menu.ini").startsWith("[MAIN]\r\nProgram=Edited\r\n"));
    EXPECT_EQ(m_dir.Read("real/menu.bak"), QByteArray("[MAIN]\r\nProgram=Old\r\n"));
    EXPECT_EQ(m_dir.Read("real/launcher.bak"), QByteArray("the backup of another project"));
    EXPECT_FALSE(m_dir.Exists("real/launcher.tmp"));
}

TEST_F(ProjectSaverTest, AProjectNamedLikeItsTemporaryOrBackupFileIsNotDeleted)
{
    for (const char* name : {"x.tmp", "x.bak"}) {
        m_dir.Write(name, "[MAIN]\r\nProgram=Old\r\n");
        m_project->Main.Title = name;
        QString ini = m_dir.File(name);
        ASSERT_EQ(SaveProject(*m_project, ini, m_view), SaveResult::Saved);
        EXPECT_TRUE(m_dir.Read(name).startsWith(QByteArray("[MAIN]\r\nProgram=") + name)) << name;
    }
    EXPECT_EQ(m_view.Log().filter("! The previous file is not kept").size(), 1) << "x.bak cannot keep a backup of itself";
}

TEST_F(ProjectSaverTest, ABackupFolderInTheWayIsAWarningThatKeepsTheStatusWindowOpen)
{
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Old\r\n");
    QDir(m_dir.Path()).mkdir("launcher.bak");
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_TRUE(m_dir.Read("launcher.ini").startsWith("[MAIN]\r\nProgram=\r\n"));
    EXPECT_TRUE(m_view.Log().contains(
        QStringLiteral("! The previous file is not kept as %1: a folder is in the way").arg(m_dir.File("launcher.bak"))));
    EXPECT_TRUE(m_view.StatusVisible());
}

TEST_F(ProjectSaverTest, TheStatusLabelAndTheLogFollowTheStepsInOrder)
{
    m_project->Main.Title = "Demo";
    m_project->Main.ReSort = true;
    UseShapeOf(3);
    Button(3, 40);
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_EQ(m_view.Statuses(), QStringList({"Saving...", "Saving main params", "Saving TextInfo", "Saving Buttons",
                                              "Saving CustomShape", "Done."}));
    EXPECT_EQ(m_view.Log(), QStringList({"Buttons sorted.", "INI File: " + Ini(), "Program: Demo", "Main params saved.",
                                         "Textinfo saved.", "Buttons saved.", "CustomShape saved.", "Done."}));
    EXPECT_FALSE(m_view.StatusVisible());
}

TEST_F(ProjectSaverTest, ButtonsTheNextLoadWillDropAreWarnedAboutOneLineEach)
{
    m_project->Main.ReSort = false;
    Button(1, 10).Left = -4;
    Button(2, 20).Width = 0;
    Button(3, 30);
    Button(5, -1).Height = 0;
    ASSERT_EQ(Save(), SaveResult::Saved);
    const QStringList warnings = m_view.Log().filter(QRegularExpression("^! "));
    EXPECT_EQ(warnings, QStringList({"! Button#1 \"Button at 10\" is dropped by the next load (Left=-4 top=10 Width=30 "
                                     "Height=20 Action=RUN)",
                                     "! Button#2 \"Button at 20\" is dropped by the next load (Left=10 top=20 Width=0 "
                                     "Height=20 Action=RUN)",
                                     "! Button#5 \"Button at -1\" is dropped by the next load (Left=10 top=-1 Width=30 "
                                     "Height=0 Action=RUN)"}));
    EXPECT_EQ(m_view.Log().indexOf("Buttons saved."), m_view.Log().indexOf(warnings.last()) + 1);
    EXPECT_TRUE(m_view.StatusVisible()) << "the warnings are left to be read";
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("[Button#1]")) << "still saved as they are";
    EXPECT_EQ(Reload()->UsedButtonCount(), 1);
}

// The whole file of a project that uses every part of the format, byte for byte.
TEST_F(ProjectSaverTest, AWholeProjectIsSavedAsTheGoldenFile)
{
    MainParams& m = m_project->Main;
    m.Title = "-=Vyx=- Launcher";
    m.Company = "ACME";
    m.IconFile = "menu.ico";
    m.BackgroundFile = "pics\\back.jpg";
    m.BackOverFile = "pics\\over.jpg";
    m.BackClickFile = "\\click.bmp";
    m.SoundOver = "over.wav";
    m.SoundClick = "click.wav";
    m.OnLoadSound = "hello.wav";
    m.DefUnAssExtProg = "notepad.exe";
    m.DefUnAssExtParam = "\"%1\"";
    m.DefNotFoundProg = "D:\\missing.exe";
    m.SizeX = 640;
    m.SizeY = 460;
    m.HideBorder = true;
    m.HandCursor = true;
    m.DisableSelText = false;
    m.SimpleEsc = true;
    m.ScrollStart = 2;
    m.ScrollStartSpeed = 3;
    m.ScrollEnd = 4;
    m.ScrollEndSpeed = 5;
    m.ReSort = true;
    m.UseCustomShape = true;
    m_project->TextInfo = {20, 150, 280, 200, Colors::clBlue, Colors::clWindowText, "info.rtf"};
    MenuButton& setup = Button(7, 300);
    setup.Name = "Setup";
    setup.Action = "RUN&CLOSE";
    setup.Params = "setup.exe";
    setup.LoadInfo = "setup.rtf";
    setup.ShellRunAction = "Open";
    setup.ShellRunParams = "/quiet";
    setup.ShellRunPath = "disk1";
    setup.SoundOver = "s-over.wav";
    setup.SoundClick = "s-click.wav";
    setup.UnAssExt = "viewer.exe";
    setup.OnNotFound = "help.exe";
    MenuButton& web = Button(2, 12);
    web.Name = " Web ";
    web.Action = "WINEXEC";
    web.Params = "http://example.com";
    m_project->Shape.Points[0] = {0, 0, ShapePointState::Used};
    m_project->Shape.Points[1] = {640, 0, ShapePointState::Used};
    m_project->Shape.Points[2] = {320, 460, ShapePointState::Used};
    m_project->Shape.PointCount = 3;
    ASSERT_EQ(Save(), SaveResult::Saved);
    QFile golden(QStringLiteral(VYX_OWN_TESTDATA "/golden/whole_project.ini"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(m_dir.Read("launcher.ini"), golden.readAll());
}

// Values the reader would change (outer blanks, outer quotes, a text cut so that
// it ends in a blank) come back from a save exactly as they were loaded.
TEST_F(ProjectSaverTest, LoadSaveLoadKeepsValuesWithOuterBlanksAndQuotes)
{
    const QByteArray name = QByteArray(39, 'n') + " cut here";
    m_dir.Write("launcher.ini", "[MAIN]\r\nDefUnAssExtParam=\"\"%1\"\"\r\nProgram=\" spaced \"\r\n"
                                "Company=''\r\nIconFile='\"x\"'\r\nSoundOver=\"\t\"\r\nDefNotFoundProg=\"a\" b\r\n"
                                "[TextInfo]\r\nDefaultFile=\"\"\"\"\r\n"
                                "[Button#0]\r\nAction=RUN\r\nLeft=1\r\ntop=1\r\nWidth=5\r\nHeight=5\r\n"
                                "Name=" + name + "\r\nParams=\"'q'\"\r\nLoadInfo=\" \"\r\n");
    LoadProject(*m_project, Ini(), m_view);
    const MainParams& m = m_project->Main;
    EXPECT_EQ(m.DefUnAssExtParam, "\"%1\"");
    EXPECT_EQ(m.Title, " spaced ");
    EXPECT_EQ(m.Company, "");
    EXPECT_EQ(m.IconFile, "\"x\"");
    EXPECT_EQ(m.SoundOver, "\t");
    EXPECT_EQ(m.DefNotFoundProg, "\"a\" b");
    EXPECT_EQ(m_project->TextInfo.DefaultFile, "\"\"");
    EXPECT_EQ(m_project->Buttons[0].Name, QByteArray(39, 'n') + " ");
    EXPECT_EQ(m_project->Buttons[0].Params, "'q'");
    EXPECT_EQ(m_project->Buttons[0].LoadInfo, " ");
    for (int round = 0; round < 2; ++round) {
        Save();
        const std::unique_ptr<MenuProject> back = Reload();
        EXPECT_TRUE(back->Main == m_project->Main) << "round " << round;
        EXPECT_EQ(back->TextInfo, m_project->TextInfo);
        EXPECT_EQ(back->Buttons[0], m_project->Buttons[0]);
    }
    const QByteArray text = m_dir.Read("launcher.ini");
    EXPECT_TRUE(text.contains("\r\nDefUnAssExtParam=\"\"%1\"\"\r\n")) << "one pair of quotes";
    EXPECT_TRUE(text.contains("\r\nCompany=\r\n")) << "an empty text stays unquoted";
    EXPECT_TRUE(text.contains("\r\nDefNotFoundProg=\"a\" b\r\n")) << "no pair: no quotes added";
}

// Generated projects survive a save and a reload. Texts carry no line ends,
// which the file format cannot hold.
class RandomProject {
public:
    explicit RandomProject(quint32 seed) : m_random(seed) {}

    void Fill(MenuProject& p)
    {
        MainParams& m = p.Main;
        for (Text* t : {&m.Title, &m.Company, &m.IconFile, &m.BackgroundFile, &m.BackOverFile, &m.BackClickFile,
                        &m.SoundOver, &m.SoundClick, &m.OnLoadSound, &m.DefUnAssExtProg, &m.DefUnAssExtParam,
                        &m.DefNotFoundProg})
            *t = Word(60);
        m.BackgroundFile = m.BackOverFile = m.BackClickFile = "missing-" + Word(8) + ".bmp";
        for (int32_t* i : {&m.SizeX, &m.SizeY, &m.ScrollStart, &m.ScrollStartSpeed, &m.ScrollEnd, &m.ScrollEndSpeed})
            *i = Int();
        for (bool* b : {&m.HideBorder, &m.HandCursor, &m.SimpleEsc, &m.DisableSelText, &m.ReSort, &m.UseCustomShape})
            *b = m_random.bounded(2) == 1;
        p.TextInfo = {Int(), Int(), Int(), Int(), m_random.generate(), m_random.generate(), Word(30)};
        for (MenuButton& b : p.Buttons)
            FillButton(b);
        FillShape(p.Shape);
    }

private:
    void FillButton(MenuButton& b)
    {
        b = MenuButton{};
        if (m_random.bounded(3) == 0)
            return;
        b.Used = true;
        b.Left = m_random.bounded(2000);
        b.Top = m_random.bounded(2000);
        b.Width = 1 + m_random.bounded(500);
        b.Height = 1 + m_random.bounded(500);
        b.Name = Word(MenuButton::NameCapacity);
        b.Action = "RUN&CLOSE";
        for (Text* t : {&b.Params, &b.LoadInfo, &b.ShellRunAction, &b.ShellRunParams, &b.ShellRunPath, &b.SoundOver,
                        &b.SoundClick, &b.UnAssExt, &b.OnNotFound})
            *t = Word(MenuButton::TextCapacity);
    }

    void FillShape(CustomShape& shape)
    {
        shape.Clear();
        shape.PointCount = uint16_t(m_random.bounded(CustomShape::Capacity + 1));
        for (int i = 0; i < shape.PointCount; ++i)
            shape.Points[i] = {Int(), Int(), ShapePointState::Used};
        for (int i = 0; i < shape.PointCount; ++i)
            if (shape.Points[i].X == -999)
                shape.Points[i].X = 0;
    }

    int32_t Int() { return int32_t(m_random.generate()) >> m_random.bounded(32); }

    Text Word(int maxLength)
    {
        const int length = m_random.bounded(maxLength + 1);
        Text text;
        for (int i = 0; i < length; ++i) {
            char c = char(32 + m_random.bounded(224));
            if (c == 127)
                c = 'x';
            text += c;
        }
        return text;
    }

    QRandomGenerator m_random;
};

TEST_F(ProjectSaverTest, GeneratedProjectsSurviveASaveAndReload)
{
    for (quint32 seed = 1; seed <= 300; ++seed) {
        RandomProject(seed).Fill(*m_project);
        Save();
        const std::unique_ptr<MenuProject> back = Reload();
        ASSERT_TRUE(back->Main == m_project->Main) << "seed " << seed;
        ASSERT_EQ(back->TextInfo, m_project->TextInfo) << "seed " << seed;
        for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
            if (m_project->Buttons[slot].Used || back->Buttons[slot].Used)
                ASSERT_EQ(back->Buttons[slot], m_project->Buttons[slot]) << "seed " << seed << " slot " << slot;
        if (m_project->Main.UseCustomShape)
            ASSERT_EQ(back->Shape, m_project->Shape) << "seed " << seed;
    }
}

// The project keeps its code page in the editor's own section; the command
// line's choice wins over it and is then kept; a project without one is read
// in the locale's and saved without the section.
TEST_F(ProjectSaverTest, TheCodePageIsKeptInTheEditorsSectionAndTheCommandLineWins)
{
    struct Restore {
        ~Restore()
        {
            CodePage::SetForced({});
            CodePage::Select(CodePage::DefaultFor(QLocale::system()));
        }
    } restore;
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=M\xF9j disk\r\n[vyxedit]\r\nCodePage=windows-1250\r\n");
    std::unique_ptr<MenuProject> loaded = Reload();
    EXPECT_EQ(CodePage::Name(), "windows-1250");
    EXPECT_EQ(CodePage::ToUnicode(loaded->Main.Title), QStringLiteral("Můj disk"));
    m_project = std::move(loaded);
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_TRUE(m_dir.Read("launcher.ini").endsWith("[vyxedit]\r\nCodePage=windows-1250\r\n"));

    CodePage::SetForced(QStringLiteral("windows-1251"));
    EXPECT_EQ(Reload()->CodePage, "windows-1251");
    EXPECT_EQ(CodePage::Name(), "windows-1251");

    CodePage::SetForced({});
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=x\r\n");
    m_project = Reload();
    EXPECT_EQ(CodePage::Name(), CodePage::DefaultFor(QLocale::system()));
    ASSERT_EQ(Save(), SaveResult::Saved);
    EXPECT_FALSE(m_dir.Read("launcher.ini").contains("vyxedit"));
}

} // namespace
