// Which file the editor loads and saves: the INI file box after a load, and a
// save over a file whose load stopped with an error.
#include "ui/main/main_window.h"
#include "ui/shape/shape_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class EditorProjectFileTest : public ::testing::Test, public SessionFixture {
protected:
    QString IniBox() { return m_session.Main().findChild<QLineEdit*>(QStringLiteral("IniFile"))->text(); }
};

TEST_F(EditorProjectFileTest, LoadingPutsTheAbsoluteNameIntoTheBoxSoASaveLandsOnTheFileLoaded)
{
    QDir(m_dir.Path()).mkpath("sub/sub");
    m_dir.Write("sub/launcher.ini", "[MAIN]\r\nProgram=Loaded\r\n");
    m_session.Start(m_dir.File("sub/launcher.ini"));
    QDir::setCurrent(m_dir.Path());
    TheEditor().SetIniFileName(QStringLiteral("sub/launcher.ini"));
    TheEditor().OpenProject();
    EXPECT_EQ(IniBox(), m_dir.File("sub/launcher.ini"));
    EXPECT_EQ(TheEditor().IniFileName(), m_dir.File("sub/launcher.ini"));
    TheEditor().Project().Main.Company = "Saved";
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    EXPECT_TRUE(m_dir.Read("sub/launcher.ini").contains("Company=Saved\r\n"));
    EXPECT_FALSE(m_dir.Exists("sub/sub/launcher.ini"));
}

TEST_F(EditorProjectFileTest, SavingOverAFileWhoseLoadStoppedAsksFirst)
{
    const QByteArray damaged = "[MAIN]\r\nProgram=Half\r\n[TextInfo]\r\nFontColor=red\r\n[Button#1]\r\nName=Unread\r\n";
    m_dir.Write("launcher.ini", damaged);
    m_session.Start(m_dir.File("launcher.ini"));
    ASSERT_EQ(m_errors, QStringList({"'red' is not a valid integer value"}));

    m_answer = QMessageBox::No;
    EXPECT_FALSE(TheEditor().SaveWithReport(nullptr));
    ASSERT_EQ(m_questions.size(), 1);
    EXPECT_TRUE(m_questions[0].startsWith("Confirm: " + m_dir.File("launcher.ini") + " did not load completely."));
    EXPECT_EQ(m_dir.Read("launcher.ini"), damaged) << "No keeps the file";

    m_answer = QMessageBox::Yes;
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    EXPECT_TRUE(m_dir.Read("launcher.ini").startsWith("[MAIN]\r\nProgram=Half\r\n"));
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    EXPECT_EQ(m_questions.size(), 2) << "once saved, the file holds the whole project";
}

TEST_F(EditorProjectFileTest, SavingAFailedLoadToAnotherNameOrAfterAGoodLoadAsksNothing)
{
    m_dir.Write("bad.ini", "[TextInfo]\r\nBackgroundColor=\r\n");
    m_session.Start(m_dir.File("bad.ini"));
    ASSERT_EQ(m_errors.size(), 1);
    TheEditor().SetIniFileName(m_dir.File("other.ini"));
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    m_dir.Write("good.ini", "[MAIN]\r\nProgram=Good\r\n");
    TheEditor().SetIniFileName(m_dir.File("good.ini"));
    TheEditor().OpenProject();
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    EXPECT_TRUE(m_questions.isEmpty());
}

TEST_F(EditorProjectFileTest, SavingOverAReadOnlyFileAsksAndKeepsItsMode)
{
    const QByteArray original = "[MAIN]\r\nProgram=Protected\r\n";
    m_dir.Write("launcher.ini", original);
    QFile::setPermissions(m_dir.File("launcher.ini"), QFileDevice::ReadOwner);
    m_session.Start(m_dir.File("launcher.ini"));
    m_session.Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_session.Main()));
    TheEditor().Project().Main.Company = "Saved";

    m_answer = QMessageBox::No;
    QTest::keyClick(&m_session.Main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_questions, QStringList{"Confirm: " + m_dir.File("launcher.ini") + " is read-only. Replace it anyway?"});
    EXPECT_EQ(m_dir.Read("launcher.ini"), original);
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join('\n').toStdString();

    m_answer = QMessageBox::Yes;
    QTest::keyClick(&m_session.Main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Company=Saved\r\n"));
    EXPECT_EQ(QFile::permissions(m_dir.File("launcher.ini")) & QFileDevice::WriteOwner, 0) << "its mode is kept";
}

TEST_F(EditorProjectFileTest, AHugeMenuSizeIsBoundedForTheCanvasAndTheWindowPaints)
{
    m_dir.Write("launcher.ini", "[MAIN]\r\nSizeX=100000\r\nSizeY=100000\r\n");
    m_session.Start(m_dir.File("launcher.ini"));
    m_session.Main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_session.Main()));
    m_session.Main().repaint();
    EXPECT_EQ(TheEditor().Canvas().Image().size(), QSize(16384, 1953));
    EXPECT_EQ(NamedChild<QWidget>(m_session.Shape(), "Image")->size(), QSize(16384, 1953))
        << "the shape window's picture is bounded the same way";
    EXPECT_EQ(TheEditor().Project().Main.SizeX, 100000);
    EXPECT_TRUE(TheEditor().WarningsShown());
}

// Another program (a text editor, a second vyxedit) writes the file the editor has open.
class OutsideChangeTest : public EditorProjectFileTest {
protected:
    OutsideChangeTest()
    {
        m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Loaded\r\n");
        m_session.Start(m_dir.File("launcher.ini"));
        TheEditor().Project().Main.Company = "Mine";
        m_dir.Write("launcher.ini", kTheirs);
    }
    static constexpr const char* kTheirs = "[MAIN]\r\nProgram=Theirs\r\n";
    const QString kQuestion = QStringLiteral("Confirm: launcher.ini was changed outside the editor. Overwrite it, or reload it?");
};

TEST_F(OutsideChangeTest, SavingAsksAndEachAnswerDoesWhatItSays)
{
    m_answer = QMessageBox::Cancel;
    EXPECT_FALSE(TheEditor().SaveWithReport(nullptr));
    EXPECT_EQ(m_questions, QStringList{kQuestion});
    EXPECT_EQ(m_dir.Read("launcher.ini"), kTheirs) << "Cancel keeps their file";

    m_answer = QMessageBox::Reset; // "Reload"
    EXPECT_FALSE(TheEditor().SaveWithReport(nullptr));
    EXPECT_EQ(TheEditor().Project().Main.Title, "Theirs");
    EXPECT_EQ(m_dir.Read("launcher.ini"), kTheirs);

    TheEditor().Project().Main.Company = "Mine";
    m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Third\r\n");
    m_answer = QMessageBox::Save; // "Overwrite"
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Company=Mine\r\n"));
    EXPECT_EQ(m_questions.size(), 3);
    EXPECT_TRUE(TheEditor().SaveWithReport(nullptr));
    EXPECT_EQ(m_questions.size(), 3) << "the editor's own save is no outside change";
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join('\n').toStdString();
}

TEST_F(OutsideChangeTest, ActivatingTheWindowAsksOncePerChange)
{
    m_answer = QMessageBox::Cancel;
    m_session.Main().show();
    QApplication::setActiveWindow(&m_session.Main());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_questions.isEmpty(); }));
    EXPECT_EQ(m_questions, QStringList{kQuestion});
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&m_session.Main());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_questions.size(), 1) << "the same change is not asked about again";
    EXPECT_EQ(m_dir.Read("launcher.ini"), kTheirs);
}

} // namespace
