#include "platform/profile_values.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/main/main_window.h"
#include "ui/widgets/text_area.h"
#include "ui/status/status_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QByteArray Menu = "[MAIN]\r\nProgram=Demo\r\nCompany=ACME\r\nSizeX=320\r\nSizeY=200\r\nReSort=0\r\n"
                        "[TextInfo]\r\nLeft=20\r\ntop=30\r\nWidth=100\r\nHeight=50\r\n"
                        "[Button#3]\r\nName=Late\r\nAction=RUN\r\nLeft=10\r\ntop=100\r\nWidth=40\r\nHeight=20\r\n"
                        "[Button#5]\r\nName=Early\r\nAction=RUN\r\nLeft=60\r\ntop=10\r\nWidth=40\r\nHeight=20\r\n";

class MainWindowTest : public ::testing::Test, public SessionFixture {
protected:
    void Start(const QByteArray& ini = Menu)
    {
        m_dir.Write("launcher.ini", ini);
        m_session.Start(m_dir.File("launcher.ini"));
        Window().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window()));
    }
    MainWindow& Window() { return m_session.Main(); }
    template <typename T>
    T* Child(const char* name)
    {
        return NamedChild<T>(Window(), name);
    }
    TextArea* Area() { return Window().findChild<TextArea*>(); }
    void Click(const char* name) { QTest::mouseClick(Child<QAbstractButton>(name), Qt::LeftButton); }
    void Retype(const char* spin, const QString& text)
    {
        auto* edit = Child<TSuperSpinEditI>(spin);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(MainWindowTest, SizesTheWindowToTheMenuWithAMinimumWidth)
{
    Start();
    // The menu bar comes on top of the canvas and the strip.
    const int bar = Window().MenuBarHeight();
    EXPECT_GT(bar, 10);
    EXPECT_EQ(Window().size(), QSize(634, 282 + bar));
    Window().SetDesignSize(635, 460);
    EXPECT_EQ(Window().size(), QSize(635, 542 + bar));
    Window().SetDesignSize(634, 10);
    EXPECT_EQ(Window().size(), QSize(634, 92 + bar));
    EXPECT_EQ(MainWindow::CentredPosition(QSize(1025, 769), QSize(101, 51)), QPoint(462, 359));
}

TEST_F(MainWindowTest, StartingWithoutAnIniShowsTheWarningAndDefaults)
{
    QDir::setCurrent(m_dir.Path());
    m_session.Start(QString());
    EXPECT_EQ(TheEditor().IniFileName(), m_dir.File("launcher.ini"));
    EXPECT_TRUE(TheEditor().WarningsShown());
    EXPECT_EQ(Window().size(), QSize(640, 542 + Window().MenuBarHeight()));
}

TEST_F(MainWindowTest, ShowsTheCaptionAndTheProjectsCheckBoxes)
{
    Start();
    EXPECT_EQ(Window().ShownCaption(), QStringLiteral("ACME Demo"));
    EXPECT_FALSE(Child<QCheckBox>("SortCheck")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("DisableSelText")->isChecked());
    EXPECT_EQ(Child<QLineEdit>("IniFile")->text(), m_dir.File("launcher.ini"));
    EXPECT_TRUE(Child<QPushButton>("MaskButton")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("WizardButton")->isEnabled());
}

TEST_F(MainWindowTest, TheWizardButtonOpensTheAutorunWizardModally)
{
    Start();
    bool shownModal = false;
    QTimer::singleShot(0, &Window(), [&] {
        auto* wizard = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        shownModal = wizard && wizard->windowTitle() == QStringLiteral("autorun.inf Vyx wizard");
        if (wizard)
            wizard->reject();
    });
    Click("WizardButton");
    EXPECT_TRUE(shownModal);
}

TEST_F(MainWindowTest, ClosingWithNoChangeAsksNothing)
{
    Start();
    TheEditor().Project().Main.Title = "Changed";
    TheEditor().EndGesture();
    TheEditor().Undo(); // back to the state loaded
    EXPECT_TRUE(Window().close());
    EXPECT_TRUE(m_questions.isEmpty()) << m_questions.join('\n').toStdString();
}

TEST_F(MainWindowTest, ClosingAsksAndCancelKeepsEverythingOpen)
{
    Start();
    TheEditor().Project().Main.Title = "Changed";
    m_answer = QMessageBox::Cancel;
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Exiting...: Save changes?")});
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(MainWindowTest, ClosingWithNoDoesNotSave)
{
    Start();
    TheEditor().Project().Main.Title = "Changed";
    m_answer = QMessageBox::No;
    EXPECT_TRUE(Window().close());
    EXPECT_FALSE(m_dir.Read("launcher.ini").contains("Changed"));
}

TEST_F(MainWindowTest, ClosingWithYesSavesAndAFailedSaveKeepsTheWindowOpen)
{
    Start();
    TheEditor().Project().Main.Title = "Changed";
    m_answer = QMessageBox::Yes;
    QDir(m_dir.Path()).mkdir("launcher.tmp");
    Child<QLineEdit>("IniFile")->setText(QStringLiteral("launcher.ini"));
    TheEditor().SetIniFileName(QStringLiteral("launcher.ini"));
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(Child<QLineEdit>("IniFile")->text(), m_dir.File("launcher.ini")) << "the absolute name is put back";
    ASSERT_EQ(m_errors.size(), 1);
    EXPECT_TRUE(m_errors.first().startsWith(QStringLiteral("Unable to write to ")));
    QDir(m_dir.Path()).rmdir("launcher.tmp");
    EXPECT_TRUE(Window().close());
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Program=Changed"));
    EXPECT_TRUE(m_dir.Exists("launcher.bak"));
}

TEST_F(MainWindowTest, CtrlSSavesAndOpenWithACancelledDialogReloads)
{
    Start();
    TheEditor().Project().Main.Company = "Saved";
    QTest::keyClick(&Window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("Company=Saved"));
    TheEditor().Project().Main.Company = "Discarded";
    m_pickedFile.reset();
    Click("OpenButton");
    EXPECT_EQ(m_fileRequests.last(), QStringLiteral("Uložit do INI souboru"));
    EXPECT_EQ(TheEditor().Project().Main.Company, "Saved");
}

TEST_F(MainWindowTest, TheBrowseButtonOnlyChangesTheBoxAndTheCurrentFolder)
{
    Start();
    m_dir.Write("other/menu.ini", "[MAIN]\r\nProgram=Other\r\n");
    m_pickedFile = m_dir.File("other/menu.ini");
    Click("BrowseButton");
    EXPECT_EQ(Child<QLineEdit>("IniFile")->text(), m_dir.File("other/menu.ini"));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(m_dir.File("other")).canonicalPath());
    EXPECT_EQ(TheEditor().Project().Main.Title, "Demo");
    Click("OpenButton");
    EXPECT_EQ(TheEditor().Project().Main.Title, "Other");
}

TEST_F(MainWindowTest, TickingUseSetsHideBorderAndUntickingKeepsIt)
{
    Start();
    auto* use = Child<QCheckBox>("UseShape");
    QTest::mouseClick(use, Qt::LeftButton, {}, QPoint(4, use->height() / 2));
    EXPECT_TRUE(TheEditor().Project().Main.UseCustomShape);
    EXPECT_TRUE(TheEditor().Project().Main.HideBorder);
    QTest::mouseClick(use, Qt::LeftButton, {}, QPoint(4, use->height() / 2));
    EXPECT_FALSE(TheEditor().Project().Main.UseCustomShape);
    EXPECT_TRUE(TheEditor().Project().Main.HideBorder);
}

TEST_F(MainWindowTest, SortButtonRenumbersTheSlots)
{
    Start();
    Click("SortButton");
    EXPECT_EQ(TheEditor().Project().Buttons[0].Name, "Early");
    EXPECT_EQ(TheEditor().Project().Buttons[1].Name, "Late");
}

TEST_F(MainWindowTest, TheCanvasShowsOneFramePerButton)
{
    Start();
    const QImage& canvas = TheEditor().Canvas().Image();
    const QImage& normal = TheEditor().Project().NormalPicture;
    ASSERT_FALSE(canvas.isNull());
    // Frames invert every other outline pixel of the blank picture.
    EXPECT_NE(canvas.pixel(10, 100), canvas.pixel(11, 100));
    EXPECT_NE(canvas.pixel(60, 10), canvas.pixel(61, 10));
    EXPECT_EQ(canvas.pixel(30, 110), canvas.pixel(31, 110)) << "inside a button nothing is drawn";
    EXPECT_TRUE(normal.isNull() || normal.size().isValid());
}

TEST_F(MainWindowTest, HideAndXControlTheTextArea)
{
    Start();
    ASSERT_TRUE(Area()->isVisible());
    EXPECT_EQ(Area()->geometry(), QRect(20, 30, 100, 50));
    Click("Button10");
    EXPECT_EQ(Child<TSuperSpinEditI>("X")->text(), QStringLiteral("-1"));
    EXPECT_FALSE(Area()->isVisible());
    EXPECT_EQ(TheEditor().Project().TextInfo.Left, -1);
    Retype("X", QStringLiteral("0"));
    EXPECT_TRUE(Area()->isVisible());
    EXPECT_EQ(Area()->x(), 0);
}

TEST_F(MainWindowTest, EmptiedBoxesMoveTheAreaAndANonNumberIsReported)
{
    Start();
    Retype("Y", QString());
    EXPECT_EQ(Area()->y(), 0);
    EXPECT_EQ(TheEditor().Project().TextInfo.Top, 0);
    Retype("Edit3", QStringLiteral("-"));
    ASSERT_FALSE(m_errors.isEmpty());
    EXPECT_EQ(m_errors.last(), QStringLiteral("'-' is not a valid integer value"));
    Retype("X", QString());
    Child<TSuperSpinEditI>("Y")->setFocus();
    EXPECT_EQ(Child<TSuperSpinEditI>("X")->text(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, ChosenColoursReachTheAreaAndTheFile)
{
    Start();
    Shared().SetColorAnswerer([](uint32_t) { return std::optional<uint32_t>(Colors::clRed); });
    Click("SpeedButton1");
    EXPECT_EQ(Area()->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(Child<QToolButton>("SpeedButton1")->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    Shared().SetColorAnswerer([](uint32_t) { return std::optional<uint32_t>(); });
    Click("SpeedButton3");
    TheEditor().SaveWithReport(&Window());
    const QByteArray saved = m_dir.Read("launcher.ini");
    EXPECT_TRUE(saved.contains("BackGroundColor=clRed\r\n"));
    EXPECT_TRUE(saved.contains("FontColor=clWindowText\r\n"));
}

TEST_F(MainWindowTest, TheAreaCoversTheCanvasBeneathIt)
{
    Start();
    const int before = TheEditor().Project().UsedButtonCount();
    QTest::mousePress(Area()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(Area()->viewport(), Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_EQ(TheEditor().Project().UsedButtonCount(), before);
}

TEST_F(MainWindowTest, AProjectWithoutTextInfoShowsMinusOneAndAHiddenArea)
{
    Start("[MAIN]\r\nProgram=Bare\r\n");
    for (const char* name : {"X", "Y", "Edit2", "Edit3"})
        EXPECT_EQ(Child<TSuperSpinEditI>(name)->text(), QStringLiteral("-1")) << name;
    EXPECT_FALSE(Area()->isVisible());
    Child<TSuperSpinEditI>("Y")->setFocus();
    Child<TSuperSpinEditI>("Edit2")->setFocus();
    EXPECT_EQ(Child<TSuperSpinEditI>("Y")->text(), QStringLiteral("0"));
    EXPECT_EQ(TheEditor().Project().TextInfo.Top, 0);
    EXPECT_EQ(TheEditor().Project().TextInfo.Left, -1);
}

TEST_F(MainWindowTest, DesignCopiesTheBackgroundForTheShapeEditorOnce)
{
    Start();
    MenuProject& p = TheEditor().Project();
    p.NormalPicture = QImage(320, 200, QImage::Format_RGB32);
    p.NormalPicture.fill(Qt::green);
    Click("DesignButton");
    EXPECT_FALSE(TheEditor().ShapeBackgroundPending());
    EXPECT_EQ(TheEditor().ShapePicture().pixel(5, 5), QColor(Qt::green).rgb());
    p.NormalPicture.fill(Qt::blue);
    TheEditor().RedrawCanvas();
    EXPECT_EQ(TheEditor().ShapePicture().pixel(5, 5), QColor(Qt::green).rgb()) << "a later redraw copies nothing";
}

TEST_F(MainWindowTest, ALargerProjectGetsACanvasOfItsSize)
{
    Start();
    m_dir.Write("big.ini", "[MAIN]\r\nSizeX=900\r\nSizeY=700\r\n");
    m_pickedFile = m_dir.File("big.ini");
    Click("OpenButton");
    EXPECT_EQ(TheEditor().Canvas().Image().size(), QSize(900, 700));
    EXPECT_EQ(Window().size(), QSize(900, 782 + Window().MenuBarHeight()));
}

TEST_F(MainWindowTest, TheStatusButtonTogglesAndActivationBringsBackWarnings)
{
    Start("[MAIN]\r\nProgram=Missing pictures\r\n");
    StatusWindow& status = m_session.Status();
    ASSERT_TRUE(status.isVisible()) << "warnings keep the status window open";
    Click("StatusButton");
    EXPECT_FALSE(status.isVisible());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&Window(), &activate);
    EXPECT_TRUE(status.isVisible()) << "hidden, not closed: the warning brings it back";
    status.CloseStatus();
    QApplication::sendEvent(&Window(), &activate);
    EXPECT_FALSE(status.isVisible()) << "closed by the user: it stays closed";
}

} // namespace
