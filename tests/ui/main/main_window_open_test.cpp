#include "ui/button_editor/button_editor.h"
#include "ui/main/button_list_window.h"
#include "ui/main/main_window.h"
#include "ui/support_session.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QByteArray First = "[MAIN]\r\nProgram=First\r\nSizeX=320\r\nSizeY=200\r\n"
                         "[Button#3]\r\nName=Late\r\nAction=RUN\r\nLeft=10\r\ntop=100\r\nWidth=40\r\nHeight=20\r\n"
                         "[Button#5]\r\nName=Early\r\nAction=RUN\r\nLeft=60\r\ntop=10\r\nWidth=40\r\nHeight=20\r\n";
const QByteArray Second = "[MAIN]\r\nProgram=Second\r\nSizeX=320\r\nSizeY=200\r\n"
                          "[Button#3]\r\nName=Other\r\nAction=NONE\r\nLeft=5\r\ntop=6\r\nWidth=7\r\nHeight=8\r\n";
const QByteArray Third = "[MAIN]\r\nProgram=Third\r\nSizeX=320\r\nSizeY=200\r\n";

const QString IniDialogTitle = QStringLiteral("Uložit do INI souboru");

class MainWindowOpenTest : public ::testing::Test, public SessionFixture {
protected:
    void Start(const QByteArray& ini = First)
    {
        m_dir.Write("launcher.ini", ini);
        m_session.Start(m_dir.File("launcher.ini"));
        Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }
    MainWindow& Window() { return m_session.Main(); }
    MenuProject& Project() { return TheEditor().Project(); }
    template <typename T = QLineEdit>
    T* Field(const char* name)
    {
        return m_session.Buttons().findChild<T*>(QLatin1String(name));
    }
    void ClickMain(const char* name)
    {
        QTest::mouseClick(Window().findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }
    // Shows the button editor on a slot, as a click on the canvas does.
    void EditButton(int slot)
    {
        TheEditor().SetCurrentButton(slot);
        TheEditor().ShowButtonEditor();
        TheEditor().LoadButtonEditor();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.Buttons()));
    }
    // Opens a file through the Open command with its dialog answered.
    void OpenPicked(const QString& name)
    {
        m_pickedFile = m_dir.File(name);
        ClickMain("OpenButton");
    }
};

TEST_F(MainWindowOpenTest, OpenAsksOnlyWhenTheProjectChanged)
{
    Start();
    m_dir.Write("second.ini", Second);
    OpenPicked("second.ini");
    EXPECT_TRUE(m_questions.isEmpty()) << "nothing changed since the load";
    EXPECT_EQ(Project().Main.Title, "Second");

    Project().Main.Title = "Edited";
    TheEditor().SaveWithReport(&Window());
    OpenPicked("launcher.ini");
    EXPECT_TRUE(m_questions.isEmpty()) << "nothing changed since the save";
    EXPECT_EQ(Project().Main.Title, "First");
}

TEST_F(MainWindowOpenTest, CancelStopsOpenAndNoDiscardsTheWork)
{
    Start();
    m_dir.Write("second.ini", Second);
    Project().Main.Title = "Unsaved";
    m_answer = QMessageBox::Cancel;
    OpenPicked("second.ini");
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Opening...: Save changes?")});
    EXPECT_TRUE(m_fileRequests.isEmpty()) << "no file dialog after Cancel";
    EXPECT_EQ(Project().Main.Title, "Unsaved");
    EXPECT_EQ(TheEditor().IniFileName(), m_dir.File("launcher.ini"));

    m_answer = QMessageBox::No;
    OpenPicked("second.ini");
    EXPECT_EQ(Project().Main.Title, "Second");
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Program=First"));
}

TEST_F(MainWindowOpenTest, YesSavesUnderTheNameFromBeforeTheDialog)
{
    Start();
    m_dir.Write("second.ini", Second);
    Project().Main.Title = "Kept";
    m_answer = QMessageBox::Yes;
    OpenPicked("second.ini");
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Program=Kept"));
    EXPECT_FALSE(m_dir.Read("second.ini").contains("Kept"));
    EXPECT_EQ(Project().Main.Title, "Second");
}

TEST_F(MainWindowOpenTest, AFailedSaveStopsOpen)
{
    Start();
    m_dir.Write("second.ini", Second);
    Project().Main.Title = "Kept";
    m_answer = QMessageBox::Yes;
    QDir(m_dir.Path()).mkdir("launcher.tmp");
    OpenPicked("second.ini");
    EXPECT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_fileRequests.isEmpty());
    EXPECT_EQ(Project().Main.Title, "Kept") << "the work is still there";
}

TEST_F(MainWindowOpenTest, CtrlOOpensFromEveryWindow)
{
    Start();
    m_dir.Write("second.ini", Second);
    m_pickedFile = m_dir.File("second.ini");
    QTest::keyClick(&Window(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_fileRequests, QStringList{IniDialogTitle});
    EXPECT_EQ(Project().Main.Title, "Second");

    EditButton(3);
    m_pickedFile = m_dir.File("launcher.ini");
    QTest::keyClick(Field("Edit1"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_fileRequests.size(), 2) << "from the button editor";
    EXPECT_EQ(Project().Main.Title, "First");
    EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("Late")) << "the keys reached no box";

    TheEditor().ShowButtonList();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.List()));
    m_pickedFile = m_dir.File("second.ini");
    QTest::keyClick(m_session.List().findChild<QTreeWidget*>(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_fileRequests.size(), 3) << "from the buttons list";
    EXPECT_EQ(Project().Main.Title, "Second");
}

TEST_F(MainWindowOpenTest, CtrlSSavesFromTheModelessWindows)
{
    Start();
    EditButton(3);
    QTest::keyClicks(Field("Edit1"), "r");
    QTest::keyClick(Field("Edit1"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Name=r")) << "from the button editor";

    TheEditor().ShowButtonList();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.List()));
    Project().Main.Company = "Listed";
    QTest::keyClick(m_session.List().findChild<QTreeWidget*>(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Company=Listed")) << "from the buttons list";
}

TEST_F(MainWindowOpenTest, TheButtonEditorShowsTheLoadedProjectsButton)
{
    Start();
    EditButton(3);
    m_dir.Write("second.ini", Second);
    OpenPicked("second.ini");
    EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("Other"));
    EXPECT_EQ(Field<QLabel>("Butt")->text(), QStringLiteral("3"));
    EXPECT_EQ(Field("X")->text(), QStringLiteral("5"));
    EXPECT_TRUE(Field("Edit1")->isEnabled());
    EXPECT_EQ(Project().Buttons[3].Name, "Other") << "the load wrote nothing back";

    m_dir.Write("third.ini", Third);
    OpenPicked("third.ini");
    EXPECT_TRUE(Field("Edit1")->text().isEmpty()) << "slot 3 is not used in the third project";
    EXPECT_TRUE(Field("X")->text().isEmpty() || Field("X")->text() == QStringLiteral("0"));
    EXPECT_FALSE(Field("Edit1")->isEnabled());
    EXPECT_FALSE(Field<QPushButton>("Button2")->isEnabled());
    EXPECT_FALSE(Project().Buttons[3].Used);
    EXPECT_TRUE(Project().Buttons[3].Name.isEmpty());

    // Picking a button again makes the editor usable.
    Project().Buttons[3].Used = true;
    Project().Buttons[3].Name = "Back";
    TheEditor().LoadButtonEditor();
    EXPECT_TRUE(Field("Edit1")->isEnabled());
    EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("Back"));
}

TEST_F(MainWindowOpenTest, TheEditorFollowsItsButtonThroughTheSortButton)
{
    Start();
    EditButton(3);
    ClickMain("SortButton");
    EXPECT_EQ(Project().Buttons[1].Name, "Late");
    EXPECT_EQ(Field<QLabel>("Butt")->text(), QStringLiteral("1"));
    QTest::keyClick(Field("Edit1"), Qt::Key_End);
    QTest::keyClicks(Field("Edit1"), "r");
    EXPECT_EQ(Project().Buttons[1].Name, "Later");
    EXPECT_EQ(Project().Buttons[0].Name, "Early");
}

TEST_F(MainWindowOpenTest, TheEditorFollowsItsButtonThroughASortingSave)
{
    Start();
    auto* sort = Window().findChild<QCheckBox*>(QStringLiteral("SortCheck"));
    ASSERT_TRUE(sort->isChecked());
    EditButton(3);
    QTest::keyClick(Field("Edit1"), Qt::Key_S, Qt::ControlModifier);
    const QByteArray saved = m_dir.Read("launcher.ini");
    EXPECT_LT(saved.indexOf("Name=Early"), saved.indexOf("Name=Late"));
    EXPECT_TRUE(saved.contains("[Button#1]"));
    EXPECT_EQ(Field<QLabel>("Butt")->text(), QStringLiteral("1"));
    QTest::keyClick(Field("Edit1"), Qt::Key_End);
    QTest::keyClicks(Field("Edit1"), "r");
    EXPECT_EQ(Project().Buttons[1].Name, "Later");
    EXPECT_EQ(Project().Buttons[0].Name, "Early");
}

// The help text of the project before is gone; the new one's default file shows.
TEST_F(MainWindowOpenTest, TheTextAreaShowsNothingOfTheProjectBefore)
{
    m_dir.Write("first.txt", "Help of the first project");
    m_dir.Write("second.txt", "Default text of the second");
    Start(First + "[TextInfo]\r\nLeft=0\r\nTop=150\r\nWidth=300\r\nHeight=40\r\n");
    TheEditor().ShowTextFile("first.txt");
    auto* area = Window().findChild<QTextEdit*>(QStringLiteral("TextArea"));
    ASSERT_EQ(area->toPlainText(), "Help of the first project");
    m_dir.Write("second.ini", Second + "[TextInfo]\r\nDefaultFile=second.txt\r\n");
    OpenPicked("second.ini");
    EXPECT_EQ(area->toPlainText(), "Default text of the second");
    m_dir.Write("third.ini", Third);
    OpenPicked("third.ini");
    EXPECT_EQ(area->toPlainText(), "Text");
}

} // namespace
