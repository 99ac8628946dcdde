#include "ui/button_editor/button_editor.h"
#include "ui/check/check_window.h"
#include "ui/help/help_viewer.h"
#include "ui/main/main_window.h"
#include "ui/shape/shape_window.h"
#include "ui/wizard/autorun_wizard.h"
#include "support/test_bmp.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A 200 x 120 menu with a missing background and click sound, a RUN button
// whose program is missing and overlaps the first one, a shape ticked without
// points, and a file whose name the disc cannot hold.
const QByteArray BrokenMenu = "[MAIN]\r\nProgram=Broken\r\nSizeX=200\r\nSizeY=120\r\nbackground=missing.bmp\r\n"
                              "SoundClick=click.wav\r\nCustomShape=1\r\n"
                              "[Button#0]\r\nName=Setup\r\nAction=RUN\r\nLeft=10\r\ntop=10\r\nWidth=60\r\nHeight=30\r\n"
                              "Params=setup.exe\r\n"
                              "[Button#1]\r\nName=Manual\r\nAction=RUN\r\nLeft=40\r\ntop=20\r\nWidth=60\r\nHeight=30\r\n"
                              "Params=manual.pdf\r\n";

class CheckWindowTest : public ::testing::Test, public SessionFixture {
protected:
    void StartBroken()
    {
        m_dir.Write("setup.exe", "x");
        m_dir.Write("notes;1.txt", "x");
        m_dir.Write("launcher.ini", BrokenMenu);
        m_session.Start(m_dir.File("launcher.ini"));
        m_session.Main().show();
    }
    CheckWindow& Window() { return m_session.Check(); }
    QTreeWidget* List() { return NamedChild<QTreeWidget>(Window(), "FindingList"); }
    QString Summary() { return NamedChild<QLabel>(Window(), "SummaryLabel")->text(); }
    void ClickCheck()
    {
        QTest::mouseClick(NamedChild<QPushButton>(m_session.Main(), "CheckButton"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }
    QList<QStringList> Rows()
    {
        QList<QStringList> rows;
        for (int row = 0; row < List()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = List()->topLevelItem(row);
            rows << QStringList{item->text(0), item->text(1), item->text(2)};
        }
        return rows;
    }
    int RowOf(const QString& where)
    {
        const QList<QTreeWidgetItem*> found = List()->findItems(where, Qt::MatchExactly, 1);
        EXPECT_FALSE(found.isEmpty()) << where.toStdString();
        return found.isEmpty() ? -1 : List()->indexOfTopLevelItem(found.first());
    }
    void DoubleClick(const QString& where)
    {
        QTreeWidgetItem* item = List()->topLevelItem(RowOf(where));
        ASSERT_NE(item, nullptr);
        const QPoint centre = List()->visualItemRect(item).center();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, centre);
    }
    // The Program Parameters page a double-click opens, seen while the dialog runs modally.
    QString ParamsPageOpenedBy(const QString& where)
    {
        QString title;
        QTimer::singleShot(0, &Window(), [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* pages = dialog->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
            title = dialog->windowTitle() + " / " + pages->tabText(pages->currentIndex());
            dialog->reject();
        });
        DoubleClick(where);
        return title;
    }
};

TEST_F(CheckWindowTest, TheCheckButtonListsEveryFindingWithASummary)
{
    StartBroken();
    auto* button = NamedChild<QPushButton>(m_session.Main(), "CheckButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Check"));
    ClickCheck();
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Check"));
    EXPECT_FALSE(Window().isModal());
    const QStringList header{List()->headerItem()->text(0), List()->headerItem()->text(1), List()->headerItem()->text(2)};
    EXPECT_EQ(header, (QStringList{"Severity", "Where", "Message"}));
    EXPECT_EQ(Rows(), (QList<QStringList>{
                          {"error", "[MAIN] background", "File not found: missing.bmp"},
                          {"error", "[MAIN] SoundClick", "File not found: click.wav"},
                          {"error", "[Button#1] Params", "File not found: manual.pdf"},
                          {"warning", "[Button#1] Left", "The button overlaps Button#0, which takes the pointer there"},
                          {"error", "[MAIN] CustomShape", "\"Use:\" is ticked but the shape has 0 points, fewer than three"},
                          {"error", "notes;1.txt", "The name holds a character Joliet forbids"},
                      }));
    EXPECT_EQ(Summary(), QStringLiteral("5 errors, 1 warning"));
    EXPECT_FALSE(List()->topLevelItem(0)->icon(0).isNull()) << "the severity shows as an icon too";
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join(u'\n').toStdString();
}

TEST_F(CheckWindowTest, TheCheckButtonFitsTheSystemGroupsTitleRow)
{
    StartBroken();
    auto* check = NamedChild<QPushButton>(m_session.Main(), "CheckButton");
    auto* preview = NamedChild<QPushButton>(m_session.Main(), "PreviewButton");
    ASSERT_TRUE(check && preview);
    auto* group = qobject_cast<QGroupBox*>(check->parentWidget());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("System"));
    EXPECT_EQ(check->geometry().top(), preview->geometry().top());
    EXPECT_FALSE(check->geometry().intersects(preview->geometry()));
    EXPECT_TRUE(group->rect().contains(check->geometry()));
    const int titleEnd = group->fontMetrics().horizontalAdvance(group->title()) + 12;
    EXPECT_GT(check->geometry().left(), titleEnd) << "the group's title stays readable";
    for (QPushButton* other : group->findChildren<QPushButton*>())
        EXPECT_TRUE(other == check || !other->geometry().intersects(check->geometry())) << other->objectName().toStdString();
    const QPoint centre = check->mapTo(&m_session.Main(), check->rect().center());
    EXPECT_EQ(m_session.Main().childAt(centre), check);
}

TEST_F(CheckWindowTest, CheckAgainChecksTheProjectAsItIsNow)
{
    StartBroken();
    ClickCheck();
    m_dir.Write("click.wav", "RIFF");
    // In memory, not saved.
    MenuProject& project = TheEditor().Project();
    m_dir.Write("bg.bmp", "BM");
    project.Main.BackgroundFile = "bg.bmp";
    project.NormalPicture = QImage(200, 120, QImage::Format_RGB32);
    project.Buttons[1].Left = 120;
    project.Main.UseCustomShape = false;
    QTest::mouseClick(NamedChild<QPushButton>(Window(), "CheckAgainButton"), Qt::LeftButton);
    EXPECT_EQ(Rows(), (QList<QStringList>{{"error", "[Button#1] Params", "File not found: manual.pdf"},
                                          {"error", "notes;1.txt", "The name holds a character Joliet forbids"}}));
    EXPECT_EQ(Summary(), QStringLiteral("2 errors"));

    QFile::remove(m_dir.File("notes;1.txt"));
    m_dir.Write("manual.pdf", "%PDF");
    QTest::mouseClick(NamedChild<QPushButton>(Window(), "CheckAgainButton"), Qt::LeftButton);
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(Summary(), QStringLiteral("No problems found"));
}

// The CD root chosen in the wizard is the disc the check looks at, with its autorun.inf.
TEST_F(CheckWindowTest, TheWizardsCdRootAddsTheDiscsOwnFindings)
{
    m_dir.Write("disc/menu/bg.bmp", BmpWithData(200, 120, 24, QByteArray(200 * 120 * 3, '\0')));
    m_dir.Write("disc/menu/launcher.ini", "[MAIN]\r\nProgram=Disc\r\nSizeX=200\r\nSizeY=120\r\nbackground=bg.bmp\r\n");
    m_session.Start(m_dir.File("disc/menu/launcher.ini"));
    m_session.Main().show();
    ClickCheck();
    EXPECT_EQ(Summary(), QStringLiteral("No problems found"));

    NamedChild<QLineEdit>(m_session.Wizard(), "CDroot1")->setText(m_dir.File("disc") + u'/');
    QTest::mouseClick(NamedChild<QPushButton>(Window(), "CheckAgainButton"), Qt::LeftButton);
    EXPECT_EQ(Rows(), (QList<QStringList>{{"warning", "[autorun] open", "The CD root holds no autorun.inf"}}));

    m_dir.Write("disc/autorun.inf", "[autorun]\r\nopen=menu\\launcher.exe\r\n");
    QTest::mouseClick(NamedChild<QPushButton>(Window(), "CheckAgainButton"), Qt::LeftButton);
    EXPECT_EQ(Rows(), (QList<QStringList>{{"error", "[autorun] open", "File not found: menu\\launcher.exe"}}));
    EXPECT_EQ(Summary(), QStringLiteral("1 error"));
}

TEST_F(CheckWindowTest, OpeningAnotherProjectChecksItInTheShownWindow)
{
    StartBroken();
    ClickCheck();
    m_dir.Write("other/launcher.ini", "[MAIN]\r\nProgram=Other\r\nSizeX=200\r\nSizeY=120\r\n"
                                      "[Button#3]\r\nName=Gone\r\nAction=RUN\r\nLeft=10\r\ntop=10\r\n"
                                      "Width=60\r\nHeight=30\r\nParams=gone.exe\r\n");
    TheEditor().SetIniFileName(m_dir.File("other/launcher.ini"));
    TheEditor().OpenProject();
    EXPECT_EQ(Rows(), (QList<QStringList>{
                          {"error", "[MAIN] background", "No background picture is named: the player shows an empty window"},
                          {"error", "[Button#3] Params", "File not found: gone.exe"}}));
    EXPECT_EQ(Summary(), QStringLiteral("2 errors"));
}

TEST_F(CheckWindowTest, DoubleClickOnAButtonFindingPicksThatButton)
{
    StartBroken();
    TheEditor().PickButton(0);
    ClickCheck();
    DoubleClick(QStringLiteral("[Button#1] Left"));
    EXPECT_EQ(TheEditor().CurrentButton(), 1);
    EXPECT_TRUE(m_session.Buttons().isVisible());
    EXPECT_EQ(NamedChild<QLineEdit>(m_session.Buttons(), "Edit1")->text(), QStringLiteral("Manual"));

    // A button removed since the check is not brought back.
    TheEditor().PickButton(0);
    TheEditor().Project().Buttons[1].Used = false;
    DoubleClick(QStringLiteral("[Button#1] Params"));
    EXPECT_EQ(TheEditor().CurrentButton(), 0);
}

TEST_F(CheckWindowTest, DoubleClickOnAParameterFindingOpensThePageThatHoldsIt)
{
    StartBroken();
    ClickCheck();
    EXPECT_EQ(ParamsPageOpenedBy(QStringLiteral("[MAIN] background")), QStringLiteral("Program Parameters: / Backgrounds"));
    EXPECT_EQ(ParamsPageOpenedBy(QStringLiteral("[MAIN] SoundClick")), QStringLiteral("Program Parameters: / Sounds"));
}

TEST_F(CheckWindowTest, AShapeFindingOpensTheShapeWindowAndADiscNameNothing)
{
    StartBroken();
    ClickCheck();
    DoubleClick(QStringLiteral("notes;1.txt"));
    EXPECT_FALSE(m_session.Shape().isVisible());
    EXPECT_FALSE(m_session.Buttons().isVisible());
    EXPECT_TRUE(Window().isVisible());
    // Enter on the selected row does what a double-click does.
    List()->setCurrentItem(List()->topLevelItem(RowOf(QStringLiteral("[MAIN] CustomShape"))));
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_TRUE(m_session.Shape().isVisible());
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join(u'\n').toStdString();
}

TEST_F(CheckWindowTest, F1OpensTheChecksHelpTopic)
{
    StartBroken();
    ClickCheck();
    QApplication::setActiveWindow(&Window());
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_F1);
    EXPECT_EQ(m_session.Help().CurrentTopic(), QStringLiteral("Hlp_Check"));
    EXPECT_TRUE(m_session.Help().isVisible());
}

TEST(CheckWindowDemoTest, TheDemoShowsNoProblems)
{
    SessionFixture fixture;
    fixture.m_session.Start(QStringLiteral(VYX_DEMO_DIR "/launcher.ini"));
    fixture.TheEditor().CheckCommand();
    CheckWindow& window = fixture.m_session.Check();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(NamedChild<QTreeWidget>(window, "FindingList")->topLevelItemCount(), 0);
    EXPECT_EQ(NamedChild<QLabel>(window, "SummaryLabel")->text(), QStringLiteral("No problems found"));
}

} // namespace
