#include "x11/window_manager_fixture.h"

#include "support/test_pictures.h"
#include "support/used_button.h"
#include "ui/button_editor/button_editor.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/help/help_viewer.h"
#include "ui/main/button_list_window.h"
#include "ui/main/main_window.h"
#include "ui/main/system_group.h"
#include "ui/params/program_params_dialog.h"
#include "ui/preview/preview_window.h"
#include "ui/status/status_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Pictures that are missing: the load ends with warnings and the status window open.
const QByteArray WarnedMenu = "[MAIN]\r\nProgram=Warned\r\nSizeX=400\r\nSizeY=300\r\nbackground=none.bmp\r\n"
                              "[Button#2]\r\nName=Two\r\nAction=RUN\r\nLeft=10\r\ntop=10\r\nWidth=40\r\nHeight=20\r\n";

const QByteArray BigMenu = "[MAIN]\r\nProgram=Big\r\nSizeX=1600\r\nSizeY=1300\r\n";

} // namespace

TEST_F(WindowManagerTest, TheStatusWindowStaysAboveTheMainWindow)
{
    Start(WarnedMenu);
    StatusWindow& status = m_session.Status();
    ASSERT_TRUE(WaitActive(m_session.Main()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status.isVisible() && Above(status, m_session.Main()); }, 3000))
        << "at start-up";
    EXPECT_FALSE(status.isActiveWindow()) << "shown without taking the focus";

    m_session.List().ShowList();
    ASSERT_TRUE(WaitActive(m_session.List()));
    ActivateByWindowManager(m_session.Main());
    ASSERT_TRUE(WaitActive(m_session.Main()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Above(status, m_session.Main()); }, 3000))
        << "after the main window was activated";
    EXPECT_TRUE(m_session.Main().isActiveWindow());
}

namespace {

// A user's click through the X server: the window manager sees it too.
void ClickOnScreen(QWidget& widget)
{
    const QPoint at = widget.mapToGlobal(widget.rect().center());
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()),
                                                  QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

} // namespace

// openbox raises the main window on a click in it; the status window goes back
// over it, and the press that uncovers it does not also hide it.
TEST_F(WindowManagerTest, AfterHelpOnePressOnStatusShowsItAndTheNextHidesIt)
{
    Start(BigMenu);
    StatusWindow& status = m_session.Status();
    auto* statusButton = m_session.Main().findChild<QWidget*>(QStringLiteral("StatusButton"));
    ASSERT_TRUE(WaitActive(m_session.Main()));
    const QRect available = m_session.Main().screen()->availableGeometry();
    ASSERT_TRUE(QTest::qWaitFor([&] { return available.contains(m_session.Main().frameGeometry()); }, 3000));
    status.CloseStatus();
    ClickOnScreen(*statusButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.isVisible() && Above(status, m_session.Main()); }, 3000));

    ClickOnScreen(*m_session.Main().findChild<QWidget*>(QStringLiteral("HelpButton")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_session.Help().isActiveWindow(); }, 5000));
    ClickOnScreen(*statusButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_session.Main().isActiveWindow() && Above(status, m_session.Main()); },
                                3000));
    QTest::qWait(300);
    EXPECT_TRUE(status.isVisible()) << "one press shows it";
    ClickOnScreen(*statusButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status.isVisible(); }, 3000)) << "the next one hides it";
}

// The window manager may resize and maximise it; the menu keeps its real size
// and scrolls, the strip stays along the bottom.
TEST_F(WindowManagerTest, TheMainWindowResizesWithTheStripAtTheBottom)
{
    Start(BigMenu);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), QString::number(m_session.Main().winId()),
                                                  QStringLiteral("700"), QStringLiteral("500")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_session.Main().size() == QSize(700, 500); }, 3000))
        << m_session.Main().width() << "x" << m_session.Main().height();
    const QWidget* system = m_session.Main().findChild<SystemGroup*>();
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->geometry().bottom(), 499);
    EXPECT_EQ(system->geometry().right(), 699);
    EXPECT_EQ(m_session.Main().findChild<QWidget*>(QStringLiteral("Image"))->size(), QSize(1600, 1300));
}

TEST_F(WindowManagerTest, HelpFromTheModalParametersDialogStaysAboveIt)
{
    Start(WarnedMenu);
    m_session.Status().CloseStatus();
    ProgramParamsDialog& params = m_session.Params();
    HelpViewer& help = m_session.Help();
    bool opened = false;
    bool above = false;
    bool aboveAfterClick = false;
    QTimer::singleShot(0, &params, [&] {
        if (WaitActive(params)) {
            opened = true;
            QTest::keyClick(params.findChild<QWidget*>("TitleEdit"), Qt::Key_F1);
            above = QTest::qWaitFor([&] { return help.isVisible() && Above(help, params); }, 3000);
            ActivateByWindowManager(params);
            aboveAfterClick = WaitActive(params) && Above(help, params);
        }
        params.reject();
    });
    TheEditor().ShowParamsDialog(0);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(above);
    EXPECT_TRUE(aboveAfterClick) << "a click on the dialog does not bury it";
}

TEST_F(WindowManagerTest, TheMainWindowStartsCentredByItsFrame)
{
    Start(WarnedMenu);
    const QRect screen = m_session.Main().screen()->geometry();
    const QRect outer = m_session.Main().frameGeometry();
    EXPECT_EQ(m_session.Main().size(), QSize(634, 382));
    EXPECT_EQ(outer.topLeft(), MainWindow::CentredPosition(screen.size(), outer.size()))
        << "frame " << outer.width() << "x" << outer.height();
}

TEST_F(WindowManagerTest, TheButtonsListOpensWithItsDesignedOuterSize)
{
    Start(WarnedMenu);
    m_session.TheEditor().ShowButtonList();
    ASSERT_TRUE(WaitFramed(m_session.List()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_session.List().frameGeometry().size() == QSize(606, 354); }, 3000))
        << m_session.List().frameGeometry().width() << "x" << m_session.List().frameGeometry().height();
}

TEST_F(WindowManagerTest, AMenuLargerThanTheScreenKeepsTheWindowOnIt)
{
    Start(BigMenu);
    const QRect available = m_session.Main().screen()->availableGeometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return available.contains(m_session.Main().frameGeometry()); }, 3000))
        << "frame " << m_session.Main().frameGeometry().width() << "x" << m_session.Main().frameGeometry().height();
    auto* canvas = m_session.Main().findChild<QWidget*>(QStringLiteral("Image"));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->size(), QSize(1600, 1300));
}

// What the screen shows, not what the widget paints: the X server cuts the
// borderless preview to the ticked triangle, and the desktop shows through.
TEST_F(WindowManagerTest, TheShapedPreviewLetsTheDesktopShowOutsideItsOutline)
{
    Start("[MAIN]\r\nProgram=Shaped\r\nSizeX=200\r\nSizeY=120\r\nCustomShape=1\r\nHideBorder=1\r\n"
          "[CustomPoints]\r\nx0=0\r\ny0=0\r\nx1=199\r\ny1=0\r\nx2=0\r\ny2=119\r\nx3=-999\r\n");
    const QRgb red = qRgb(255, 0, 0);
    m_session.TheEditor().Project().NormalPicture = FilledPicture(200, 120, red);
    QScreen* screen = m_session.Main().screen();
    const QImage before = screen->grabWindow(0).toImage();

    PreviewWindow& preview = m_session.Preview();
    preview.ShowPreview();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return preview.mask() == preview.FullMask(); }, 5000)) << "the opening ends";
    const QPoint origin = preview.mapToGlobal(QPoint(0, 0));
    const QPoint inside = origin + QPoint(20, 20);
    const QPoint outside = origin + QPoint(185, 105);
    ASSERT_NE(before.pixel(inside), red);
    QImage after;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        after = screen->grabWindow(0).toImage();
        return after.pixel(inside) == red;
    }, 3000)) << "the menu inside the triangle";
    EXPECT_EQ(after.pixel(outside), before.pixel(outside)) << "what lay beneath, outside it";
    EXPECT_EQ(preview.frameGeometry(), preview.geometry()) << "no frame with HideBorder";
}

class WindowManagerFocusTest : public WindowManagerTest {
protected:
    void StartEditor()
    {
        Start(WarnedMenu);
        m_session.Status().CloseStatus();
        TheEditor().SetCurrentButton(2);
        TheEditor().ShowButtonEditor();
        TheEditor().LoadButtonEditor();
        ASSERT_TRUE(WaitActive(m_session.Buttons()));
    }
    template <typename T = QLineEdit>
    T* Field(const char* name)
    {
        return m_session.Buttons().findChild<T*>(QLatin1String(name));
    }
    static std::string FocusName()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "nothing";
    }
    bool FocusIsOn(QWidget* widget)
    {
        return QTest::qWaitFor(
            [&] { return m_session.Buttons().isActiveWindow() && QApplication::focusWidget() == widget; }, 3000);
    }
};

TEST_F(WindowManagerFocusTest, TheConversionErrorGivesTheFocusBackToItsField)
{
    StartEditor();
    int boxes = 0;
    UseRealMessageBoxes([&](QWidget* box) {
        ++boxes;
        box->close();
    });
    auto* x = Field<TSuperSpinEditI>("X");
    x->setFocus();
    ASSERT_TRUE(FocusIsOn(x));
    x->selectAll();
    QTest::keyClick(x, Qt::Key_Minus);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(FocusIsOn(x)) << "focus on " << FocusName();
    // The next key goes on in the field: the window coming back selects nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    EXPECT_EQ(x->text(), QStringLiteral("-5"));
}

TEST_F(WindowManagerFocusTest, TheDeleteQuestionGivesTheFocusBackToDelete)
{
    StartEditor();
    UseRealMessageBoxes([](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click(); });
    auto* remove = Field<QPushButton>("Button2");
    remove->setFocus();
    ASSERT_TRUE(FocusIsOn(remove));
    QTest::keyClick(remove, Qt::Key_Space);
    EXPECT_TRUE(TheEditor().Project().Buttons[2].Used);
    EXPECT_TRUE(FocusIsOn(remove)) << "focus on " << FocusName();
}

TEST_F(WindowManagerFocusTest, ThePathRuleWaitsUntilTheFieldIsLeft)
{
    StartEditor();
    auto* path = Field("Edit6");
    path->setFocus();
    ASSERT_TRUE(FocusIsOn(path));
    QTest::keyClicks(path, QStringLiteral("C:\\"));
    ActivateByWindowManager(m_session.Main());
    ASSERT_TRUE(WaitActive(m_session.Main()));
    EXPECT_EQ(path->text(), QStringLiteral("C:\\")) << "switching windows does not leave the field";
    ActivateByWindowManager(m_session.Buttons());
    ASSERT_TRUE(FocusIsOn(path));
    QTest::keyClick(path, Qt::Key_Tab);
    EXPECT_EQ(path->text(), QStringLiteral("C:"));
    EXPECT_EQ(TheEditor().Project().Buttons[2].ShellRunPath, "C:");
}
