// The File menu's New, Save As and Open Recent through the real windows.
#include "model/project_file_check.h"
#include "model/project_loader.h"
#include "model/logging_project_view.h"
#include "support/test_pictures.h"
#include "ui/main/main_menu_bar.h"
#include "ui/main/main_window.h"
#include "ui/support_session.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A menu in "menu/" whose files lie beside it and below it.
const QByteArray Menu = "[MAIN]\r\nProgram=Files\r\nSizeX=120\r\nSizeY=80\r\nbackground=pics\\back.bmp\r\n"
                        "SoundOver=over.wav\r\nIconFile=missing.ico\r\nDefUnAssExtProg=notepad.exe\r\n"
                        "CustomShape=1\r\n"
                        "[TextInfo]\r\nDefaultFile=help\\start.txt\r\n"
                        "[Button#0]\r\nName=Read\r\nAction=RUN\r\nLeft=10\r\ntop=10\r\nWidth=40\r\nHeight=20\r\n"
                        "Params=readme.txt\r\nLoadInfo=help\\read.txt\r\n"
                        "[Button#1]\r\nName=Web\r\nAction=WINEXEC\r\nLeft=60\r\ntop=10\r\nWidth=40\r\nHeight=20\r\n"
                        "Params=http://example.org/\r\n"
                        "[CustomPoints]\r\nx0=0\r\ny0=0\r\nx1=100\r\ny1=0\r\nx2=50\r\ny2=70\r\n";

QStringList Missing(const QString& iniFile)
{
    QStringList missing;
    for (const CheckFinding& finding : CheckProjectFile(iniFile, QString()))
        if (finding.Message.startsWith(QStringLiteral("File not found")))
            missing << finding.Message;
    return missing;
}

class FileCommandsTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        QDir(m_dir.Path()).mkpath("menu/pics");
        QDir(m_dir.Path()).mkpath("menu/help");
        FilledPicture(120, 80, 0xFF336699).save(m_dir.File("menu/pics/back.bmp"), "BMP");
        m_dir.Write("menu/over.wav", "RIFF");
        m_dir.Write("menu/readme.txt", "Read me");
        m_dir.Write("menu/help/start.txt", "Start");
        m_dir.Write("menu/help/read.txt", "Help");
        m_dir.Write("menu/launcher.msk", "mask bytes");
        m_dir.Write("menu/launcher.ini", Menu);
        m_session.Start(m_dir.File("menu/launcher.ini"));
        m_session.Main().show();
    }
    QAction* Action(const char* name) { return m_session.Main().findChild<QAction*>(QLatin1String(name)); }
    MenuProject& Project() { return TheEditor().Project(); }
    void SaveAs(const QString& name, QMessageBox::StandardButton answer)
    {
        m_pickedFile = m_dir.File(name);
        m_answer = answer;
        Action("ActionSaveAs")->trigger();
    }
};

TEST_F(FileCommandsTest, SaveAsWithCopiesPutsTheFilesBesideTheNewFile)
{
    const QStringList before = Missing(m_dir.File("menu/launcher.ini"));
    ASSERT_EQ(before, QStringList{QStringLiteral("File not found: missing.ico")});
    QDir(m_dir.Path()).mkpath("copy/help");
    m_dir.Write("copy/help/read.txt", "Another help"); // a different file already there
    SaveAs("copy/menu.ini", QMessageBox::Yes);
    ASSERT_TRUE(m_dir.Exists("copy/menu.ini")) << m_errors.join("; ").toStdString();
    EXPECT_EQ(m_questions.first(), "Save As: Copy the files this menu uses into " + m_dir.File("copy") + "?");
    EXPECT_TRUE(m_questions.last().contains("read.txt already exists and differs")) << m_questions.last().toStdString();
    EXPECT_EQ(m_dir.Read("copy/help/read.txt"), "Help") << "Yes to the question replaces it";
    for (const char* copied : {"copy/pics/back.bmp", "copy/over.wav", "copy/readme.txt", "copy/help/start.txt"})
        EXPECT_TRUE(m_dir.Exists(copied)) << copied;
    EXPECT_EQ(m_dir.Read("copy/menu.msk"), "mask bytes") << "the mask goes along under the new name";
    EXPECT_TRUE(m_dir.Read("copy/menu.ini").contains("background=pics\\back.bmp")) << "the names stay";
    EXPECT_EQ(Missing(m_dir.File("copy/menu.ini")), before) << "nothing is missing that was not before";
    EXPECT_EQ(TheEditor().IniFileName(), m_dir.File("copy/menu.ini"));
    EXPECT_EQ(m_dir.Read("menu/launcher.ini"), Menu) << "the old file is untouched";
    EXPECT_EQ(TheEditor().RecentFiles().first(), m_dir.File("copy/menu.ini"));
}

TEST_F(FileCommandsTest, SaveAsWithoutCopiesRewritesTheNamesToResolveFromTheNewFolder)
{
    const QStringList before = Missing(m_dir.File("menu/launcher.ini"));
    SaveAs("menu.ini", QMessageBox::No); // one folder up
    ASSERT_TRUE(m_dir.Exists("menu.ini")) << m_errors.join("; ").toStdString();
    const QByteArray saved = m_dir.Read("menu.ini");
    EXPECT_TRUE(saved.contains("background=menu\\pics\\back.bmp")) << saved.constData();
    EXPECT_TRUE(saved.contains("Params=menu\\readme.txt"));
    EXPECT_TRUE(saved.contains("DefaultFile=menu\\help\\start.txt"));
    EXPECT_TRUE(saved.contains("Params=http://example.org/")) << "an address is no file";
    EXPECT_TRUE(saved.contains("DefUnAssExtProg=notepad.exe")) << "a program looked up elsewhere stays";
    EXPECT_TRUE(saved.contains("IconFile=missing.ico")) << "a missing file stays as it was";
    EXPECT_FALSE(m_dir.Exists("pics/back.bmp")) << "nothing copied";
    EXPECT_EQ(m_dir.Read("menu.msk"), "mask bytes");
    EXPECT_EQ(Missing(m_dir.File("menu.ini")), before);
    // The rewriting is a step of its own: undone, the names are the old folder's again.
    EXPECT_TRUE(TheEditor().UndoText().startsWith("Undo Names for")) << TheEditor().UndoText().toStdString();
    EXPECT_FALSE(TheEditor().IsModified());
}

TEST_F(FileCommandsTest, CancelOrNoFileChosenSavesNothing)
{
    QDir(m_dir.Path()).mkpath("other");
    SaveAs("other/x.ini", QMessageBox::Cancel);
    EXPECT_EQ(m_questions.size(), 1);
    EXPECT_FALSE(m_dir.Exists("other/x.ini"));
    EXPECT_FALSE(m_dir.Exists("other/x.msk"));
    m_pickedFile.reset();
    Action("ActionSaveAs")->trigger();
    EXPECT_EQ(m_questions.size(), 1) << "no file chosen: nothing asked";
    EXPECT_EQ(TheEditor().IniFileName(), m_dir.File("menu/launcher.ini"));
    // Into the same folder under another name: nothing to copy or rewrite, the mask goes along.
    SaveAs("menu/renamed.ini", QMessageBox::Cancel);
    EXPECT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_dir.Exists("menu/renamed.ini"));
    EXPECT_EQ(m_dir.Read("menu/renamed.msk"), "mask bytes");
}

TEST_F(FileCommandsTest, NewThenSaveCreatesALoadableProject)
{
    Shared().SetFolderAnswerer([this](const QString&, const QString&) { return std::optional(m_dir.File("fresh")); });
    QSize proposed;
    Shared().SetSizeAnswerer([&](const QString&, const QSize& size) {
        proposed = size;
        return std::optional(QSize(300, 150));
    });
    m_answer = QMessageBox::Yes; // create the folder
    Action("ActionNew")->trigger();
    EXPECT_EQ(m_questions, QStringList{"New menu...: " + m_dir.File("fresh") + " does not exist. Create it?"});
    EXPECT_EQ(proposed, QSize(640, 460));
    EXPECT_EQ(TheEditor().IniFileName(), m_dir.File("fresh/launcher.ini"));
    EXPECT_FALSE(m_dir.Exists("fresh/launcher.ini")) << "nothing written before the first save";
    EXPECT_EQ(Project().Main.SizeX, 300);
    EXPECT_EQ(Project().UsedButtonCount(), 0);
    EXPECT_EQ(TheEditor().Canvas().Image().pixel(150, 75), QColor(Qt::white).rgb()) << "a plain white menu";
    EXPECT_EQ(m_session.Main().findChild<QWidget*>(QStringLiteral("Image"))->height(), 150);
    EXPECT_FALSE(TheEditor().History().CanUndo());
    EXPECT_FALSE(TheEditor().IsModified());

    Action("ActionSave")->trigger();
    ASSERT_TRUE(m_dir.Exists("fresh/launcher.ini")) << m_errors.join("; ").toStdString();
    MenuProject loaded;
    LoggingProjectView view;
    LoadProject(loaded, m_dir.File("fresh/launcher.ini"), view);
    EXPECT_EQ(loaded.Main.SizeX, 300);
    EXPECT_EQ(loaded.Main.SizeY, 150);
    EXPECT_FALSE(loaded.Main.UseCustomShape);
}

TEST_F(FileCommandsTest, NewInAFolderThatHoldsAMenuOffersToOpenIt)
{
    Shared().SetFolderAnswerer([this](const QString&, const QString&) { return std::optional(m_dir.File("menu")); });
    Project().Main.Title = "Changed";
    m_answer = QMessageBox::No;
    Action("ActionNew")->trigger();
    ASSERT_EQ(m_questions.size(), 2);
    EXPECT_EQ(m_questions[0], "New menu...: Save changes?");
    EXPECT_TRUE(m_questions[1].endsWith("already holds a menu (launcher.ini). Open it?"));
    EXPECT_EQ(Project().Main.Title, "Changed") << "No: nothing replaced";
}

TEST_F(FileCommandsTest, OpenRecentAfterARestartWithAMissingOneGreyed)
{
    m_dir.Write("second.ini", "[MAIN]\r\nProgram=Second\r\n");
    m_dir.Write("gone.ini", "[MAIN]\r\nProgram=Gone\r\n");
    for (const char* name : {"gone.ini", "second.ini"}) {
        TheEditor().SetIniFileName(m_dir.File(name));
        TheEditor().OpenProject();
    }
    QFile::remove(m_dir.File("gone.ini"));
    EXPECT_EQ(TheEditor().RecentFiles(),
              (QStringList{m_dir.File("second.ini"), m_dir.File("gone.ini"), m_dir.File("menu/launcher.ini")}));

    EditorSession restarted; // a second run reads the list from the configuration
    restarted.TheEditor().Dialogs().SetQuestionAnswerer(
        [](const QString&, const QString&, QMessageBox::StandardButtons) { return QMessageBox::No; });
    restarted.Start(QString());
    QMenu* recent = restarted.Main().MenuBar().RecentMenu();
    restarted.Main().MenuBar().FillRecent();
    const QList<QAction*> items = recent->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[1]->text(), m_dir.File("gone.ini")) << "its path shown";
    EXPECT_FALSE(items[1]->isEnabled()) << "greyed";
    EXPECT_TRUE(items[2]->isEnabled());
    items[2]->trigger();
    EXPECT_EQ(restarted.TheEditor().Project().Main.Title, "Files");
    EXPECT_EQ(restarted.TheEditor().RecentFiles().first(), m_dir.File("menu/launcher.ini"));
}

TEST_F(FileCommandsTest, TheRecentListKeepsEight)
{
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("m%1.ini").arg(i);
        m_dir.Write(name, "[MAIN]\r\n");
        TheEditor().SetIniFileName(m_dir.File(name));
        TheEditor().OpenProject();
    }
    const QStringList files = TheEditor().RecentFiles();
    ASSERT_EQ(files.size(), 8);
    EXPECT_EQ(files.first(), m_dir.File("m9.ini"));
    EXPECT_EQ(files.last(), m_dir.File("m2.ini"));
}

} // namespace
