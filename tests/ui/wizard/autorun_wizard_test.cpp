// The autorun wizard driven through its buttons, with its dialogs answered by
// the test and a disc folder in a temporary folder.
#include "model/autorun_open_line.h"
#include "support/failing_file_operations.h"
#include "ui/controls/progress.h"
#include "ui/controls/super_edit.h"
#include "ui/controls/super_memo.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/wizard/autorun_wizard_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST_F(AutorunWizardTest, CaptionSizePagesAndTheButtonsEachPageShows)
{
    EXPECT_EQ(m_wizard.windowTitle(), QStringLiteral("autorun.inf Vyx wizard"));
    EXPECT_EQ(m_wizard.size(), QSize(484, 232));
    EXPECT_EQ(Shown("PageTitle"), QStringLiteral("CD Root"));
    EXPECT_EQ(Shown("PagePosition"), QStringLiteral("(1/8)"));
    EXPECT_TRUE(Child<QPushButton>("NextButton")->isVisible());
    EXPECT_FALSE(Child<QPushButton>("BackButton")->isVisible());
    EXPECT_FALSE(Child<QPushButton>("FinishButton")->isVisible());
    EXPECT_EQ(Child<QPushButton>("NextButton")->text(), QStringLiteral("> &Next"));
    EXPECT_EQ(Child<QPushButton>("QuitButton")->text(), QStringLiteral("&Quit"));
    const QStringList titles = {"vyx folder", "Files exists check", "Splash progress bar", "Splash image & delay",
                                "command line review", "CD icon", "autorun.inf"};
    for (int page = 2; page <= 8; ++page) {
        Next();
        EXPECT_EQ(Shown("PageTitle"), titles[page - 2]);
        EXPECT_EQ(Shown("PagePosition"), QStringLiteral("(%1/8)").arg(page));
        EXPECT_TRUE(Child<QPushButton>("BackButton")->isVisible());
    }
    EXPECT_FALSE(Child<QPushButton>("NextButton")->isVisible());
    EXPECT_TRUE(Child<QPushButton>("FinishButton")->isVisible());
    EXPECT_EQ(Child<QPushButton>("FinishButton")->text(), QStringLiteral("> &Finish"));
    EXPECT_TRUE(Child<TSuperMemo>("Memo2")->isReadOnly());
}

TEST_F(AutorunWizardTest, PageOneStartsAtTheCurrentFolderAndLeavingAddsTheSlash)
{
    EXPECT_EQ(Child<TSuperEdit>("CDroot1")->text(), m_disc.Path());
    EXPECT_EQ(Child<TSuperEdit>("CDroot1")->CaseMode(), cmNormal);
    Next();
    EXPECT_EQ(Child<TSuperEdit>("CDroot1")->text(), Root());
    EXPECT_EQ(Shown("vyxRootStat"), Root() + "launcher/");
    EXPECT_FALSE(Child<QGroupBox>("GroupNotExists")->isVisible()) << "Launcher matches launcher\\";
    EXPECT_FALSE(IsRed(Child<QLabel>("vyxRootStat"), QPalette::WindowText));

    // Back on page 1 the current folder comes back, every time.
    QDir::setCurrent(m_disc.File("Launcher"));
    Click("BackButton");
    EXPECT_EQ(Child<TSuperEdit>("CDroot1")->text(), m_disc.File("Launcher"));
}

TEST_F(AutorunWizardTest, AMissingCdRootTurnsRedAndBrowsingAppendsTheSlash)
{
    auto* root = Child<TSuperEdit>("CDroot1");
    root->setText(m_disc.File("nothing"));
    EXPECT_TRUE(IsRed(root, QPalette::Text));
    root->setText(m_disc.Path());
    EXPECT_FALSE(IsRed(root, QPalette::Text));

    m_folder = m_disc.File("Launcher");
    Click("CDrootBrowse");
    EXPECT_EQ(m_folderTitles, QStringList{"CD root"});
    EXPECT_EQ(root->text(), m_disc.File("Launcher") + "/");
    m_folder = QStringLiteral("/");
    Click("CDrootBrowse");
    EXPECT_EQ(root->text(), QStringLiteral("/"));
    m_folder.reset();
    Click("CDrootBrowse");
    EXPECT_EQ(root->text(), QStringLiteral("/"));
}

TEST_F(AutorunWizardTest, LeavingPageOneEmptyKeepsItEmptyAndRed)
{
    Child<TSuperEdit>("CDroot1")->clear();
    Next();
    EXPECT_EQ(Child<TSuperEdit>("CDroot1")->text(), QString());
    EXPECT_EQ(Shown("vyxRootStat"), QStringLiteral("launcher/"));
    EXPECT_TRUE(IsRed(Child<QLabel>("vyxRootStat"), QPalette::WindowText));
    EXPECT_TRUE(Child<QGroupBox>("GroupNotExists")->isVisible());
}

TEST_F(AutorunWizardTest, AMissingLauncherFolderIsCreatedNowAsOneRealFolder)
{
    Next();
    auto* folder = Child<TSuperEdit>("VyxRoot1");
    folder->setText(QStringLiteral("player\\"));
    EXPECT_TRUE(IsRed(Child<QLabel>("vyxRootStat"), QPalette::WindowText));
    EXPECT_TRUE(Child<QGroupBox>("GroupNotExists")->isVisible());
    EXPECT_TRUE(Child<QCheckBox>("CreateAtEnd")->isChecked());
    Click("CreateNow");
    EXPECT_TRUE(QFileInfo(m_disc.File("player")).isDir());
    EXPECT_FALSE(QFileInfo::exists(m_disc.File("player\\")));
    EXPECT_FALSE(Child<QGroupBox>("GroupNotExists")->isVisible());
    EXPECT_FALSE(IsRed(Child<QLabel>("vyxRootStat"), QPalette::WindowText));

    // Two levels at once cannot be made: the group stays.
    folder->setText(QStringLiteral("a\\b\\"));
    Click("CreateNow");
    EXPECT_TRUE(Child<QGroupBox>("GroupNotExists")->isVisible());
}

TEST_F(AutorunWizardTest, ThePlayersFilesAreTickedWhenPresent)
{
    Next(2);
    EXPECT_EQ(Shown("LocPath"), Root() + "launcher/");
    auto* list = Child<QListWidget>("CheckListBox1");
    ASSERT_EQ(list->count(), 4);
    QStringList ticked;
    for (int i = 0; i < list->count(); ++i)
        ticked << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
    EXPECT_EQ(ticked, (QStringList{"launcher.exe+", "launcher.ini+", "splash.bmp-", "launcher.msk-"}));
    m_disc.Write(QStringLiteral("Launcher/SPLASH.BMP"), "BM");
    Click("Recheck");
    EXPECT_EQ(list->item(2)->checkState(), Qt::Checked);
}

TEST_F(AutorunWizardTest, TheBrowsedLauncherFolderIsRelativeWithABackslash)
{
    Next();
    m_disc.Write(QStringLiteral("bin/vyx/launcher.exe"), "MZ");
    m_picked = m_disc.File("bin/vyx/launcher.exe");
    Click("VyxRootBrowse");
    ASSERT_EQ(m_requests.size(), 1);
    EXPECT_EQ(m_requests[0].Title, QStringLiteral("Vyx Autorun folder"));
    EXPECT_EQ(m_requests[0].InitialDir, m_disc.Path());
    EXPECT_EQ(m_requests[0].FileName, QStringLiteral("launcher.exe"));
    EXPECT_EQ(m_requests[0].Filter, QStringLiteral("Vyx Launcher (launcher.exe)|launcher.exe|Programs (*.exe;*.com;*.bat)"
                                                   "|*.exe;*.com;*.bat|All (*.*)|*.*"));
    EXPECT_TRUE(Dialogs().OpenFile().FileName.isEmpty()) << "the next picker proposes nothing";
    EXPECT_EQ(Child<TSuperEdit>("VyxRoot1")->text(), QStringLiteral("bin\\vyx\\"));
    EXPECT_EQ(Shown("vyxRootStat"), Root() + "bin/vyx/");

    m_picked = QStringLiteral("/usr/bin/env");
    Click("VyxRootBrowse");
    EXPECT_EQ(Child<TSuperEdit>("VyxRoot1")->text(), QStringLiteral("bin\\vyx\\"));
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].contains("is not inside the CD root"));
}

TEST_F(AutorunWizardTest, TheCommandLineFollowsTheOptionsInTheirOrder)
{
    Next(5);
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("launcher\\launcher.exe"));
    GoTo(4);
    Child<QCheckBox>("HideSplash")->setChecked(true);
    m_color = 0x00FF0000; // pure blue
    Click("RightColor");
    EXPECT_EQ(Shown("Rcol"), QStringLiteral("0000FF"));
    EXPECT_EQ(Child<TProgress>("Progress1")->ToColor(), QColor(0, 0, 255));
    Next();
    EXPECT_FALSE(Child<TSuperSpinEditI>("SpinEditDelay")->isEnabled());
    Child<QCheckBox>("Delay")->setChecked(true);
    EXPECT_TRUE(Child<TSuperSpinEditI>("SpinEditDelay")->isEnabled());
    Child<TSuperSpinEditI>("SpinEditDelay")->SetValue(400);
    Next();
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("launcher\\launcher.exe -X -R0000FF -P400"));
    EXPECT_EQ(m_wizard.LauncherParameters(), QStringLiteral(" -X -R0000FF -P400"));

    GoTo(5);
    Child<TSuperSpinEditI>("SpinEditDelay")->SetValue(0);
    Next();
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("launcher\\launcher.exe -X -R0000FF -P"));
}

TEST_F(AutorunWizardTest, ClickingAColourLabelClearsItAndPutsTheSampleBack)
{
    Next(3);
    auto* bar = Child<TProgress>("Progress1");
    EXPECT_EQ(bar->size(), QSize(221, 21));
    EXPECT_EQ(bar->Progress(), 100);
    EXPECT_EQ(bar->FromColor(), QColor(255, 255, 0));
    EXPECT_EQ(bar->Text(), QStringLiteral("| sample | sample | sample |"));
    EXPECT_EQ(Child<QLabel>("Lcol")->toolTip(), QStringLiteral("Clear color"));

    m_color = 0x00123456;
    Click("LeftColor");
    Click("TextColor");
    EXPECT_EQ(Shown("Lcol"), QStringLiteral("563412"));
    EXPECT_EQ(Shown("Tcol"), QStringLiteral("563412"));
    EXPECT_EQ(bar->FromColor(), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(bar->TextColor(), 0x00123456u);
    m_color.reset(); // a cancelled dialog changes nothing
    Click("RightColor");
    EXPECT_EQ(Shown("Rcol"), QString());

    QTest::mouseClick(Child<QLabel>("Lcol"), Qt::LeftButton);
    QTest::mouseClick(Child<QLabel>("Tcol"), Qt::LeftButton);
    EXPECT_EQ(Shown("Lcol"), QString());
    EXPECT_EQ(bar->FromColor(), QColor(255, 255, 0));
    EXPECT_EQ(bar->TextColor(), 0u);
    Next(2);
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("launcher\\launcher.exe")) << "no -L once cleared";
}

TEST_F(AutorunWizardTest, SplashAndIconPickersStoreDiscNames)
{
    Next(4);
    EXPECT_FALSE(Child<TSuperEdit>("EditSplash")->isEnabled());
    Child<QCheckBox>("CustomSplash")->setChecked(true);
    EXPECT_TRUE(Child<QPushButton>("SplashBrowse")->isEnabled());
    m_picked = m_disc.File("Launcher/intro.bmp");
    Click("SplashBrowse");
    EXPECT_EQ(m_requests.back().Title, QStringLiteral("Splash Image"));
    EXPECT_EQ(m_requests.back().InitialDir, m_disc.File("Launcher"));
    EXPECT_EQ(Child<TSuperEdit>("EditSplash")->text(), QStringLiteral("intro.bmp"));
    Next(2);
    EXPECT_EQ(Child<TSuperEdit>("EditIconFile")->text(), QStringLiteral("launcher\\launcher.exe"));
    m_picked = m_disc.File("Launcher/menu.ico");
    Click("IconBrowse");
    EXPECT_EQ(m_requests.back().Title, QStringLiteral("CD Icon"));
    EXPECT_EQ(Child<TSuperEdit>("EditIconFile")->text(), QStringLiteral("Launcher\\menu.ico"));
    Child<TSuperSpinEditI>("SpinICOindex")->SetValue(2);
    Next();
    EXPECT_EQ(Memo("Memo2"), QStringLiteral("[autorun]\nopen=launcher\\launcher.exe -Sintro.bmp\n"
                                            "icon=Launcher\\menu.ico,2"));
}

TEST_F(AutorunWizardTest, FinishWritesTheThreeLinesAndSaysWhere)
{
    Next(7);
    Click("FinishButton");
    EXPECT_EQ(m_disc.Read("autorun.inf"),
              QByteArray("[autorun]\r\nopen=launcher\\launcher.exe\r\nicon=launcher\\launcher.exe,0\r\n"));
    EXPECT_EQ(m_messages, QStringList{"vyx autorun wizard: autorun.inf was saved as " + Root() + "autorun.inf"});
    EXPECT_EQ(m_wizard.result(), QDialog::Accepted);
    EXPECT_FALSE(m_wizard.isVisible());
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(AutorunWizardTest, TheWebPageOptionWritesIndexHtmlAtTheCdRootAtFinish)
{
    m_editor.SetIniFileName(m_disc.File(QStringLiteral("Launcher/launcher.ini")));
    m_editor.Project().Main.Title = "Disc & menu";
    Next(7);
    Tick("WriteWebPage");
    Click("FinishButton");
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.value(0).toStdString();
    EXPECT_TRUE(m_disc.Read("index.html").contains("<title>Disc &amp; menu</title>"));
    EXPECT_TRUE(QFileInfo(m_disc.File("index_files")).isDir());
    EXPECT_TRUE(m_disc.Exists("autorun.inf"));
    EXPECT_EQ(m_messages, (QStringList{"Export web page: Web page written: " + Root() + "index.html",
                                       "vyx autorun wizard: autorun.inf was saved as " + Root() + "autorun.inf"}));
    EXPECT_EQ(m_wizard.result(), QDialog::Accepted);
}

TEST_F(AutorunWizardTest, FinishWithoutThePlayerAsksAndCreatesTheFolderWhenWritten)
{
    Next();
    Child<TSuperEdit>("VyxRoot1")->setText(QStringLiteral("player\\"));
    Next(6);
    m_answer = QMessageBox::No;
    Click("FinishButton");
    EXPECT_EQ(m_questions, QStringList{"vyx autorun wizard: There is no " + Root()
                                       + "player/launcher.exe, so the disc will not start. Save autorun.inf anyway?"});
    EXPECT_EQ(Shown("PageTitle"), QStringLiteral("vyx folder")) << "No goes back to the launcher folder";
    EXPECT_FALSE(m_disc.Exists("autorun.inf"));
    EXPECT_FALSE(m_disc.Exists("player"));

    m_answer = QMessageBox::Yes;
    GoTo(8);
    Click("FinishButton");
    EXPECT_TRUE(QFileInfo(m_disc.File("player")).isDir());
    EXPECT_TRUE(m_disc.Read("autorun.inf").contains("open=player\\launcher.exe\r\n"));
}

TEST_F(AutorunWizardTest, AFailedWriteKeepsTheOldFileAndTheWizardOnPageEight)
{
    m_disc.Write("autorun.inf", "[autorun]\r\nopen=old.exe\r\n");
    Next();
    Child<TSuperEdit>("VyxRoot1")->setText(QStringLiteral("player\\"));
    Next(6);
    {
        FailingFileOperations diskFull(FailingFileOperations::Step::Write, ENOSPC);
        Click("FinishButton");
    }
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors[0].startsWith("Cannot create file " + Root() + "autorun.inf")) << m_errors[0].toStdString();
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_TRUE(m_wizard.isVisible());
    EXPECT_EQ(m_wizard.CurrentPage(), 7);
    EXPECT_EQ(m_disc.Read("autorun.inf"), QByteArray("[autorun]\r\nopen=old.exe\r\n"));
    EXPECT_FALSE(QFileInfo::exists(m_disc.File("player")));
    EXPECT_EQ(QDir(m_disc.Path()).entryList(QDir::Files), QStringList{"autorun.inf"}) << "no temporary file left";
}

TEST_F(AutorunWizardTest, QuitOrAnEmptyCdRootWritesNothing)
{
    Next(3);
    Click("QuitButton");
    EXPECT_FALSE(m_wizard.isVisible());
    EXPECT_FALSE(m_disc.Exists("autorun.inf"));

    m_wizard.show();
    EXPECT_EQ(m_wizard.CurrentPage(), 3) << "reopening continues on the page it was closed on";
    GoTo(1);
    Child<TSuperEdit>("CDroot1")->clear();
    Next(7);
    Click("FinishButton");
    EXPECT_FALSE(m_disc.Exists("autorun.inf"));
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_wizard.isVisible());
}

TEST_F(AutorunWizardTest, FieldsSurviveClosingAndReopening)
{
    Next(3);
    Child<QCheckBox>("HideBar")->setChecked(true);
    m_wizard.reject();
    m_wizard.show();
    EXPECT_EQ(Shown("PagePosition"), QStringLiteral("(4/8)"));
    EXPECT_TRUE(Child<QCheckBox>("HideBar")->isChecked());
    Next(2);
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("launcher\\launcher.exe -N"));
}

TEST_F(AutorunWizardTest, TestRunWithoutWineSaysSoEachTime)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", m_disc.Path().toLocal8Bit());
    Next(5);
    Click("TestRun");
    Click("TestRun");
    qputenv("PATH", path);
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(m_messages[0].contains("cannot run on this machine"));
}

TEST_F(AutorunWizardTest, TypedNamesWithBlanksReachTheFileAsThePlayerNeedsThem)
{
    GoTo(2);
    Type("VyxRoot1", "player two");
    Next();
    EXPECT_EQ(Text("VyxRoot1"), QStringLiteral("Player Two\\")) << "leaving the page ends it with a backslash";
    EXPECT_EQ(Shown("LocPath"), Root() + "Player Two/");
    GoTo(5);
    Tick("CustomSplash");
    Type("EditSplash", "my splash.bmp");
    Tick("Delay");
    Type("SpinEditDelay", "99999999999");
    Next();
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("\"Player Two\\launcher.exe\" -S\"My Splash.Bmp\" -P10000"));
    GoTo(8);
    Click("FinishButton");
    EXPECT_EQ(m_disc.Read("autorun.inf"), QByteArray("[autorun]\r\nopen=\"Player Two\\launcher.exe\" -S\"My Splash.Bmp\""
                                                     " -P10000\r\nicon=Player Two\\launcher.exe,0\r\n"));
    EXPECT_EQ(AutorunOpenTarget(Root()), QStringLiteral("Player Two\\launcher.exe"));
}

TEST_F(AutorunWizardTest, BackKeepsTheBrowsedCdRootAndThePickedIcon)
{
    QDir(m_disc.Path()).mkpath("cd/launcher");
    m_folder = m_disc.File("cd");
    Click("CDrootBrowse");
    EXPECT_EQ(m_folderStarts, QStringList{m_disc.Path()}) << "the browser starts at the current CD root";
    Next();
    Click("BackButton");
    EXPECT_EQ(Text("CDroot1"), m_disc.File("cd") + "/");

    GoTo(7);
    m_picked = m_disc.File("cd/launcher/menu.ico");
    Click("IconBrowse");
    Next();
    Click("BackButton");
    EXPECT_EQ(Text("EditIconFile"), QStringLiteral("launcher\\menu.ico"));
    // Another launcher folder: its own player's icon.
    GoTo(2);
    Type("VyxRoot1", "bin\\");
    GoTo(7);
    EXPECT_EQ(Text("EditIconFile"), QStringLiteral("Bin\\launcher.exe"));
}

TEST_F(AutorunWizardTest, TheDiscsAutorunIsReadBackIntoThePages)
{
    QDir(m_disc.Path()).mkpath("my player");
    m_disc.Write("my player/launcher.exe", "MZ");
    const QByteArray autorun = "[autorun]\r\nopen=\"my player\\launcher.exe\" -X -L112233 -S\"my splash.bmp\" -P400\r\n"
                               "icon=my player\\menu.ico,2\r\n";
    m_disc.Write("autorun.inf", autorun);
    Next();
    EXPECT_EQ(Text("VyxRoot1"), QStringLiteral("my player\\"));
    GoTo(4);
    EXPECT_TRUE(Child<QCheckBox>("HideSplash")->isChecked());
    EXPECT_EQ(Shown("Lcol"), QStringLiteral("112233"));
    EXPECT_EQ(Child<TProgress>("Progress1")->FromColor(), QColor(0x11, 0x22, 0x33));
    GoTo(5);
    EXPECT_TRUE(Child<QCheckBox>("CustomSplash")->isChecked());
    EXPECT_EQ(Text("EditSplash"), QStringLiteral("my splash.bmp"));
    EXPECT_EQ(Text("SpinEditDelay"), QStringLiteral("400"));
    GoTo(7);
    EXPECT_EQ(Text("EditIconFile"), QStringLiteral("my player\\menu.ico"));
    EXPECT_EQ(Text("SpinICOindex"), QStringLiteral("2"));
    GoTo(8);
    Click("FinishButton");
    EXPECT_EQ(m_questions, QStringList()) << "the same file, and its player is there";
    EXPECT_EQ(m_disc.Read("autorun.inf"), autorun);
}

TEST_F(AutorunWizardTest, ALineItCannotReadIsKeptUntilItsPageChanges)
{
    const QByteArray autorun = "[autorun]\r\nopen=\"my setup.exe\" /auto\r\nicon=launcher\\launcher.exe,0\r\n";
    m_disc.Write("autorun.inf", autorun);
    m_disc.Write("my setup.exe", "MZ");
    GoTo(6);
    EXPECT_EQ(Memo("Memo1"), QStringLiteral("\"my setup.exe\" /auto"));
    GoTo(8);
    Click("FinishButton");
    EXPECT_EQ(m_disc.Read("autorun.inf"), autorun);
    EXPECT_EQ(m_questions, QStringList());

    m_wizard.show();
    GoTo(4);
    Tick("HideBar");
    GoTo(8);
    EXPECT_EQ(Memo("Memo2"), QStringLiteral("[autorun]\nopen=launcher\\launcher.exe -N\nicon=launcher\\launcher.exe,0"));
    m_answer = QMessageBox::No;
    Click("FinishButton");
    EXPECT_EQ(m_questions, QStringList{"vyx autorun wizard: " + Root() + "autorun.inf differs from this preview. "
                                                                        "Replace it?"});
    EXPECT_EQ(m_disc.Read("autorun.inf"), autorun);
    EXPECT_TRUE(m_wizard.isVisible());
}

TEST_F(AutorunWizardTest, EnterOnAFocusedBrowseButtonPressesIt)
{
    auto* browse = Child<QPushButton>("CDrootBrowse");
    browse->setFocus();
    QTest::keyClick(browse, Qt::Key_Return);
    EXPECT_EQ(m_folderTitles, QStringList{"CD root"});
}

} // namespace

// windows-1252 has no "ř": autorun.inf would name a splash that is not there.
TEST_F(AutorunWizardTest, ACharacterTheCodePageCannotHoldIsRefusedTypedOrPicked)
{
    GoTo(5);
    Tick("CustomSplash");
    auto* splash = Child<QLineEdit>("EditSplash");
    QTest::keyClick(splash, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : QStringLiteral("Sřez.bmp"))
        QTest::sendKeyEvent(QTest::Click, splash, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(splash->text(), "Sez.Bmp");

    m_disc.Write(QStringLiteral("Launcher/Sřez.bmp"), "BM");
    m_picked = m_disc.File(QStringLiteral("Launcher/Sřez.bmp"));
    Click("SplashBrowse");
    EXPECT_EQ(splash->text(), "Sez.Bmp");
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors[0].contains(QStringLiteral("\"ř\""))) << m_errors[0].toStdString();

    GoTo(1);
    const QString czechRoot = Root() + QStringLiteral("Disk č/");
    QDir().mkpath(czechRoot);
    Type("CDroot1", czechRoot.left(czechRoot.size() - 2));
    QTest::sendKeyEvent(QTest::Click, Child<QLineEdit>("CDroot1"), Qt::Key_unknown, QStringLiteral("č/"), Qt::NoModifier);
    EXPECT_EQ(Text("CDroot1"), czechRoot) << "a folder of this machine is not stored";
}
