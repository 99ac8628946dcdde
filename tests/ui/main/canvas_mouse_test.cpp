#include "ui/button_editor/button_editor.h"
#include "ui/main/button_list_window.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/main_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QImage Filled(QColor color)
{
    QImage image(640, 460, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Real mouse events on the canvas widget, with the buttons held during moves.
class CanvasMouseTest : public ::testing::Test, public SessionFixture {
protected:
    void SetUp() override
    {
        m_dir.Write("launcher.ini", "[MAIN]\r\nProgram=Menu\r\nCompany=Co\r\nReSort=0\r\n"
                                    "[Button#0]\r\nName=Play\r\nAction=RUN\r\nLeft=100\r\ntop=100\r\nWidth=60\r\nHeight=30\r\n"
                                    // On the canvas's bottom edge, above the strip.
                                    "[Button#2]\r\nName=Quit\r\nAction=CLOSE\r\nLeft=200\r\ntop=430\r\nWidth=60\r\nHeight=30\r\n"
                                    // Partly under the text area.
                                    "[Button#3]\r\nName=Help\r\nAction=RUN\r\nLeft=280\r\ntop=160\r\nWidth=40\r\nHeight=30\r\n"
                                    "[TextInfo]\r\nLeft=300\r\ntop=150\r\nWidth=100\r\nHeight=60\r\n");
        m_session.Start(m_dir.File("launcher.ini"));
        MenuProject& p = TheEditor().Project();
        p.NormalPicture = Filled(Qt::darkBlue);
        p.OverPicture = Filled(Qt::yellow);
        p.ClickPicture = Filled(Qt::red);
        TheEditor().RedrawCanvas();
        m_session.Main().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&m_session.Main()));
        m_canvas = m_session.Main().findChild<DesignCanvasWidget*>();
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {})
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), m_canvas->mapToGlobal(QPointF(at)), button, held, mods);
        QApplication::sendEvent(m_canvas, &event);
    }
    void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton, Qt::KeyboardModifiers mods = {})
    {
        Send(QEvent::MouseMove, at, held, mods);
    }
    void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
    QRgb Pixel(QPoint at) { return m_session.TheEditor().Canvas().Image().pixel(at); }
    // What the canvas widget shows on the screen.
    QImage Shown() { return m_canvas->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // A clean redraw of the current project, to compare the canvas with.
    QImage Expected()
    {
        DesignCanvas fresh;
        fresh.EnsureCreated(TheEditor().Canvas().Image().width(), TheEditor().Canvas().Image().height());
        fresh.RedrawCanvas(TheEditor().Project());
        return fresh.Image();
    }
    const MenuButton& Slot(int n) { return TheEditor().Project().Buttons[n]; }
    // Through the window system, as a real pointer: the widget under it gets enter and leave.
    void Pointer(QWidget* window, QPoint at) { QTest::mouseMove(window, at); }
    QPoint InMain(QPoint canvasPoint) { return m_canvas->mapTo(&m_session.Main(), canvasPoint); }
    QTreeWidget* List() { return m_session.List().findChild<QTreeWidget*>("ListView1"); }
    // The list's rows as "number name", joined by "|".
    std::string RowNames()
    {
        QStringList rows;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            rows << List()->topLevelItem(row)->text(0) + " " + List()->topLevelItem(row)->text(1);
        return rows.join('|').toStdString();
    }
    static QRgb Normal() { return QColor(Qt::darkBlue).rgb(); }
    static QRgb Over() { return QColor(Qt::yellow).rgb(); }
    static QRgb Click() { return QColor(Qt::red).rgb(); }

    DesignCanvasWidget* m_canvas = nullptr;
};

TEST_F(CanvasMouseTest, EnteringShowsTheOverPictureAndNamesTheButton)
{
    Move({130, 115});
    EXPECT_EQ(Pixel({130, 115}), QColor(Qt::yellow).rgb());
    EXPECT_EQ(Pixel({90, 90}), QColor(Qt::darkBlue).rgb());
    EXPECT_EQ(m_session.Main().ShownCaption(), QStringLiteral("Co Menu  Play"));
    EXPECT_FALSE(m_session.Buttons().isVisible()) << "ClickEdit is ticked: entering does not pick";
    Move({300, 300});
    EXPECT_EQ(Pixel({130, 115}), QColor(Qt::darkBlue).rgb());
}

TEST_F(CanvasMouseTest, PressShowsTheClickPictureAndReleasePicksTheButton)
{
    Move({130, 115});
    Press({130, 115});
    EXPECT_EQ(Pixel({130, 115}), QColor(Qt::red).rgb());
    Release({130, 115});
    EXPECT_TRUE(m_session.Buttons().isVisible());
    EXPECT_EQ(m_session.Buttons().findChild<QLabel*>("Butt")->text(), QStringLiteral("0"));
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected()) << "the release redraws everything";
}

TEST_F(CanvasMouseTest, LeftDragMovesAndShiftDragResizes)
{
    Move({130, 115});
    Press({130, 115});
    Move({150, 125}, Qt::LeftButton);
    EXPECT_EQ(std::make_pair(Slot(0).Left, Slot(0).Top), std::make_pair(120, 110));
    Release({150, 125});
    Move({170, 135}, Qt::NoButton);
    Press({170, 135});
    Move({180, 140}, Qt::LeftButton, Qt::ShiftModifier);
    Release({180, 140});
    EXPECT_EQ(std::make_pair(Slot(0).Width, Slot(0).Height), std::make_pair(70, 35));
    EXPECT_EQ(std::make_pair(Slot(0).Left, Slot(0).Top), std::make_pair(120, 110));
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());
}

TEST_F(CanvasMouseTest, ARubberBandDrawsANewButtonThatLandsInTheFile)
{
    Press({300, 200});
    Move({250, 260}, Qt::LeftButton);
    EXPECT_NE(Pixel({250, 230}), QColor(Qt::darkBlue).rgb()) << "the band is drawn";
    Release({250, 260});
    const MenuButton& b = Slot(1);
    ASSERT_TRUE(b.Used);
    EXPECT_EQ(std::make_tuple(b.Left, b.Top, b.Width, b.Height), std::make_tuple(250, 200, 50, 60));
    EXPECT_EQ(b.Name, "New Button");
    EXPECT_EQ(m_session.Buttons().findChild<QLabel*>("Butt")->text(), QStringLiteral("1"));
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected()) << "no band is left behind";
    ASSERT_TRUE(TheEditor().SaveWithReport(&m_session.Main()));
    EXPECT_TRUE(m_dir.Read("launcher.ini").contains("[Button#1]\r\nName=New Button\r\nAction=RUN\r\nLeft=250\r\n"));
}

TEST_F(CanvasMouseTest, WithClickEditOffEnteringPicksTheButton)
{
    m_session.Main().findChild<QCheckBox*>("CheckBox1")->setChecked(false);
    Move({101, 101});
    EXPECT_TRUE(m_session.Buttons().isVisible());
}

TEST_F(CanvasMouseTest, HideBorderKeepsTheCaption)
{
    TheEditor().Project().Main.HideBorder = true;
    const QString before = m_session.Main().windowTitle();
    Move({130, 115});
    EXPECT_EQ(m_session.Main().windowTitle(), before);
}

TEST_F(CanvasMouseTest, BeyondANarrowMenuTheCanvasIsWhiteAfterEveryFullRedraw)
{
    // Narrower than the window's minimum width, with pictures wider than the menu.
    m_dir.Write("narrow.ini", "[MAIN]\r\nProgram=Menu\r\nSizeX=300\r\nSizeY=200\r\n"
                              "[Button#0]\r\nName=Wide\r\nAction=RUN\r\nLeft=280\r\ntop=100\r\nWidth=60\r\nHeight=30\r\n");
    TheEditor().SetIniFileName(m_dir.File("narrow.ini"));
    TheEditor().OpenProject();
    MenuProject& p = TheEditor().Project();
    p.NormalPicture = Filled(Qt::darkBlue);
    p.OverPicture = Filled(Qt::yellow);
    p.ClickPicture = Filled(Qt::red);
    TheEditor().RedrawCanvas();
    ASSERT_EQ(TheEditor().Canvas().Image().size(), QSize(634, 200));

    Move({290, 110});
    Press({290, 110});
    Release({290, 110});
    Move({500, 150}); // leaving paints the button's rectangle, past the menu's edge too
    TheEditor().DesignCommand();
    const QRgb white = QColor(Qt::white).rgb();
    QImage shown = Shown();
    for (int x = 300; x < 339; ++x)
        ASSERT_EQ(shown.pixel(x, 115), white) << "no patch of the button's pictures left at x " << x;
    EXPECT_EQ(shown.pixel(600, 50), white);
    EXPECT_EQ(shown.pixel(290, 115), Normal());
    int frameDots = 0;
    for (int x = 301; x < 339; ++x)
        frameDots += shown.pixel(x, 100) != white ? 1 : 0;
    EXPECT_GT(frameDots, 0) << "the frame runs on past the menu's edge";
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());

    TheEditor().DesignCommand();
    EXPECT_EQ(Shown(), shown) << "a second full redraw leaves the frame in place";
}

TEST_F(CanvasMouseTest, LeavingTheCanvasFromAButtonOntoTheStripRestoresIt)
{
    Pointer(&m_session.Main(), InMain({230, 450}));
    ASSERT_EQ(Pixel({230, 450}), Over());
    Pointer(&m_session.Main(), InMain({230, 470})); // straight onto the strip
    EXPECT_EQ(Pixel({230, 450}), Normal());
    EXPECT_EQ(Shown().pixel(230, 450), Normal());
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected()) << "normal picture and one frame per button";

    Pointer(&m_session.Main(), InMain({230, 455})); // back onto the same button
    EXPECT_EQ(Pixel({230, 450}), Over());
}

TEST_F(CanvasMouseTest, LeavingTheCanvasFromAButtonOntoTheTextAreaRestoresIt)
{
    QWidget* area = m_session.Main().findChild<QWidget*>("TextArea");
    ASSERT_TRUE(area && area->isVisible());
    ASSERT_EQ(area->geometry(), QRect(300, 150, 100, 60)) << "over the canvas, in the scrolled menu area";
    Pointer(&m_session.Main(), InMain({290, 170}));
    ASSERT_EQ(Pixel({290, 170}), Over());
    Pointer(&m_session.Main(), InMain({305, 170}));
    EXPECT_EQ(Pixel({290, 170}), Normal());
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());
}

TEST_F(CanvasMouseTest, LeavingTheCanvasFromAButtonForAnotherWindowRestoresIt)
{
    m_session.List().ShowList();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_session.List()));
    Pointer(&m_session.Main(), InMain({130, 115}));
    ASSERT_EQ(Pixel({130, 115}), Over());
    Pointer(List()->viewport(), {40, 40});
    EXPECT_EQ(Pixel({130, 115}), Normal());
}

TEST_F(CanvasMouseTest, AListRowClickRestoresTheLitButtonBeforePickingItsOwn)
{
    TheEditor().ShowButtonList();
    Move({130, 115});
    ASSERT_EQ(Pixel({130, 115}), Over());
    ASSERT_EQ(RowNames(), "0 Play|2 Quit|3 Help");
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualItemRect(List()->topLevelItem(1)).center());
    EXPECT_EQ(TheEditor().CurrentButton(), 2);
    EXPECT_EQ(Pixel({130, 115}), Normal());
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());

    Move({140, 120}); // the pointer comes back to "Play": it lights again
    EXPECT_EQ(Pixel({130, 115}), Over());
    EXPECT_EQ(TheEditor().CurrentButton(), 0);
}

TEST_F(CanvasMouseTest, AFastDragKeepsTheButtonUnderThePointer)
{
    Move({130, 115});
    Press({130, 115});
    Move({500, 380}, Qt::LeftButton); // one jump far past the button's edge
    Release({500, 380});
    EXPECT_EQ(std::make_pair(Slot(0).Left, Slot(0).Top), std::make_pair(470, 365));
    EXPECT_FALSE(Slot(1).Used) << "no stray new button";
    EXPECT_EQ(m_session.Buttons().findChild<QLabel*>("Butt")->text(), QStringLiteral("0"));
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());
    EXPECT_EQ(Pixel({130, 115}), Normal()) << "nothing is left at the old place";
    int frameDots = 0;
    for (int x = 470; x < 530; ++x)
        frameDots += Shown().pixel(x, 365) != Normal() ? 1 : 0;
    EXPECT_GT(frameDots, 0) << "the frame is at the new place";
}

TEST_F(CanvasMouseTest, DraggingOntoTheStripKeepsTheButtonAndTheReleasePicksIt)
{
    // Through the window, so that the canvas grabs the pointer as a real press makes it.
    QWindow* main = m_session.Main().windowHandle();
    QTest::mouseMove(main, InMain({130, 115}));
    QTest::mousePress(main, Qt::LeftButton, {}, InMain({130, 115}));
    QTest::mouseMove(main, InMain({130, 480})); // held, off the canvas onto the strip
    EXPECT_EQ(std::make_pair(Slot(0).Left, Slot(0).Top), std::make_pair(100, 465));
    EXPECT_TRUE(TheEditor().Mouse().Dragging());
    QTest::mouseRelease(main, Qt::LeftButton, {}, InMain({130, 480}));
    EXPECT_FALSE(Slot(1).Used) << "no stray new button";
    EXPECT_EQ(m_session.Buttons().findChild<QLabel*>("Butt")->text(), QStringLiteral("0"));
    EXPECT_FALSE(TheEditor().Mouse().OverButton()) << "the pointer is off the canvas";
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());
}

TEST_F(CanvasMouseTest, APressWithoutAMoveBeforeItPressesTheButton)
{
    Press({130, 115}); // the first click after a dialog closed over the canvas
    EXPECT_EQ(Pixel({130, 115}), Click());
    Release({130, 115});
    EXPECT_FALSE(Slot(1).Used) << "no invisible 0 x 0 button";
    EXPECT_EQ(m_session.Buttons().findChild<QLabel*>("Butt")->text(), QStringLiteral("0"));

    Move({400, 300}); // Shift held before the press, with no move after it
    Send(QEvent::MouseButtonPress, {130, 115}, Qt::LeftButton, Qt::ShiftModifier);
    Move({140, 125}, Qt::LeftButton, Qt::ShiftModifier);
    Send(QEvent::MouseButtonRelease, {140, 125}, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(std::make_pair(Slot(0).Width, Slot(0).Height), std::make_pair(70, 40));
    EXPECT_FALSE(Slot(1).Used);
}

TEST_F(CanvasMouseTest, AClickOnEmptyCanvasCreatesNoButtonADragDrawsOne)
{
    Press({400, 300});
    Release({402, 301});
    EXPECT_FALSE(Slot(1).Used);
    EXPECT_EQ(TheEditor().Canvas().Image(), Expected());

    Press({400, 300});
    Move({450, 330}, Qt::LeftButton);
    Release({450, 330});
    ASSERT_TRUE(Slot(1).Used);
    EXPECT_EQ(std::make_tuple(Slot(1).Left, Slot(1).Top, Slot(1).Width, Slot(1).Height),
              std::make_tuple(400, 300, 50, 30));
}

TEST_F(CanvasMouseTest, TheShownListFollowsReleasesOnTheCanvasAndASortingSave)
{
    m_session.List().ShowList();
    ASSERT_EQ(RowNames(), "") << "shown without a refresh";
    Press({300, 20});
    Move({350, 60}, Qt::LeftButton);
    Release({350, 60});
    EXPECT_EQ(RowNames(), "0 Play|1 New Button|2 Quit|3 Help");

    QTest::mouseClick(m_session.Main().findChild<QCheckBox*>("SortCheck"), Qt::LeftButton);
    ASSERT_TRUE(TheEditor().Project().Main.ReSort);
    ASSERT_TRUE(TheEditor().SaveWithReport(&m_session.Main()));
    EXPECT_EQ(RowNames(), "0 New Button|1 Play|2 Help|3 Quit")
        << "the rows follow the new slot numbers";
}

} // namespace
