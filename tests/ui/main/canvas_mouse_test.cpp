#include "ui/button_editor/button_editor.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/main_window.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
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
                                    "[Button#0]\r\nName=Play\r\nAction=RUN\r\nLeft=100\r\ntop=100\r\nWidth=60\r\nHeight=30\r\n");
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
    // A clean redraw of the current project, to compare the canvas with.
    QImage Expected()
    {
        DesignCanvas fresh;
        fresh.EnsureCreated(TheEditor().Canvas().Image().width(), TheEditor().Canvas().Image().height());
        fresh.RedrawCanvas(TheEditor().Project());
        return fresh.Image();
    }
    const MenuButton& Slot(int n) { return TheEditor().Project().Buttons[n]; }

    DesignCanvasWidget* m_canvas = nullptr;
};

TEST_F(CanvasMouseTest, EnteringShowsTheOverPictureAndNamesTheButton)
{
    Move({130, 115});
    EXPECT_EQ(Pixel({130, 115}), QColor(Qt::yellow).rgb());
    EXPECT_EQ(Pixel({90, 90}), QColor(Qt::darkBlue).rgb());
    EXPECT_EQ(m_session.Main().windowTitle(), QStringLiteral("Co Menu  Play"));
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

} // namespace
