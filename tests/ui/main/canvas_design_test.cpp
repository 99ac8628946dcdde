#include "ui/main/canvas_fixture.h"

#include <QWheelEvent>

namespace {

// Handles, dragging the selection, snapping, zoom and the status line, through the real canvas.
// Button 0 is at 100,100 (60 x 30), 2 at 200,300, 3 at 400,160 (40 x 30).
class CanvasDesignTest : public CanvasFixture {
protected:
    QByteArray MenuSize() const override { return "SizeX=640\r\nSizeY=480\r\n"; }
    // The screen pixel showing a menu pixel's middle at the zoom.
    QPoint OnScreen(QPoint inMenu)
    {
        return TheEditor().Zoom().ToScreen(QPointF(inMenu) + QPointF(0.5, 0.5)).toPoint();
    }
    void DragOnScreen(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        Send(QEvent::MouseMove, from, Qt::NoButton, mods);
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, mods);
        Send(QEvent::MouseMove, to, Qt::LeftButton, mods);
    }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
    QString Status() { return m_session.Main().findChild<QLabel*>("CanvasStatus")->text(); }
    QImage Shown() { return m_canvas->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

struct HandleCase {
    const char* name;
    QPoint handle; // screen pixel on the handle of button 0 at 100 %
    QRect after;   // after a drag by (+20, +10)
};

class CanvasHandleTest : public CanvasDesignTest, public ::testing::WithParamInterface<HandleCase> {};

TEST_P(CanvasHandleTest, DraggingAHandleResizesFromThatSideAsOneStep)
{
    const HandleCase& c = GetParam();
    Click(0);
    const int steps = TheEditor().History().StepCount();
    DragOnScreen(c.handle, c.handle + QPoint(20, 10), Qt::AltModifier); // Alt: no snapping
    Release(c.handle + QPoint(20, 10));
    EXPECT_EQ(RectOf(0), c.after);
    EXPECT_EQ(TheEditor().History().StepCount(), steps + 1);
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Resize Button#0"));
}

// The outline runs 2 pixels outside the button; handles sit on its corners and middles.
INSTANTIATE_TEST_SUITE_P(Cases, CanvasHandleTest,
                         ::testing::Values(HandleCase{"TopLeft", {98, 98}, {120, 110, 40, 20}},
                                           HandleCase{"BottomRight", {161, 131}, {100, 100, 80, 40}},
                                           HandleCase{"RightMiddle", {161, 115}, {100, 100, 80, 30}},
                                           HandleCase{"TopMiddle", {130, 98}, {100, 110, 60, 20}}));

TEST_F(CanvasDesignTest, DraggingOneSelectedButtonTakesTheOthersAlongAndEscPutsThemBack)
{
    Click(0);
    Click(3, Qt::ControlModifier);
    DragOnScreen(CentreOf(0), CentreOf(0) + QPoint(7, 5), Qt::AltModifier);
    EXPECT_EQ(RectOf(0), QRect(107, 105, 60, 30));
    EXPECT_EQ(RectOf(3), QRect(407, 165, 40, 30));
    EXPECT_EQ(RectOf(2), QRect(200, 300, 60, 30)) << "not selected";
    Key(Qt::Key_Escape);
    Release(CentreOf(0) + QPoint(7, 5));
    EXPECT_EQ(RectOf(0), QRect(100, 100, 60, 30));
    EXPECT_EQ(RectOf(3), QRect(400, 160, 40, 30));
}

TEST_F(CanvasDesignTest, AnEdgeThreePixelsAwaySnapsWithAGuideAndSixPixelsAwayDoesNot)
{
    const QColor guide(255, 0, 200);
    // Button 0's right edge (160) toward button 2's left edge (200).
    DragOnScreen({130, 115}, {167, 115});
    EXPECT_EQ(RectOf(0), QRect(140, 100, 60, 30));
    QApplication::processEvents();
    EXPECT_EQ(Shown().pixelColor(200, 20), guide) << "the guide runs down the line snapped to";
    Send(QEvent::MouseMove, {164, 115}, Qt::LeftButton);
    EXPECT_EQ(RectOf(0), QRect(134, 100, 60, 30));
    Release({164, 115});
    QApplication::processEvents();
    EXPECT_NE(Shown().pixelColor(200, 20), guide) << "no guide after the release";
}

TEST_F(CanvasDesignTest, ZoomedTheCanvasShowsSharpPixelsAndGesturesLandOnMenuPixels)
{
    const QImage actual = Shown();
    QTest::keyClick(m_canvas, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(m_canvas, Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_EQ(TheEditor().Zoom().Percent(), 200);
    EXPECT_EQ(m_canvas->size(), actual.size() * 2);
    const QImage zoomed = Shown();
    for (QPoint p : {QPoint(10, 10), QPoint(250, 40), QPoint(401, 170)}) // away from frames and handles
        for (QPoint d : {QPoint(0, 0), QPoint(1, 1)})
            EXPECT_EQ(zoomed.pixel(p * 2 + d), TheEditor().Canvas().Plain().pixel(p)) << p.x() << "," << p.y();

    QTest::mouseClick(m_canvas, Qt::LeftButton, {}, OnScreen(CentreOf(3)));
    EXPECT_EQ(Selected(), std::vector<int>{3});
    Key(Qt::Key_Right);
    EXPECT_EQ(RectOf(3), QRect(401, 160, 40, 30)) << "a nudge is one menu pixel";
    DragOnScreen(OnScreen(CentreOf(3)), OnScreen(CentreOf(3)) + QPoint(20, 10), Qt::AltModifier);
    Release(OnScreen(CentreOf(3)) + QPoint(20, 10));
    EXPECT_EQ(RectOf(3), QRect(411, 165, 40, 30)) << "20 screen pixels are 10 menu pixels";
    Send(QEvent::MouseMove, OnScreen({405, 170}), Qt::NoButton);
    EXPECT_EQ(Status(), QStringLiteral("x 405  y 170\nLeft 411  Top 165\nWidth 40  Height 30\nZoom 200 %"));

    QWheelEvent wheel(QPointF(50, 50), m_canvas->mapToGlobal(QPointF(50, 50)), {}, {0, -120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_canvas, &wheel);
    EXPECT_EQ(TheEditor().Zoom().Percent(), 150) << "Ctrl+wheel zooms out a step";
    QTest::keyClick(m_canvas, Qt::Key_0, Qt::ControlModifier);
    TheEditor().Buttons().ClearSelection();
    QApplication::processEvents();
    const QImage& bitmap = TheEditor().Canvas().Image();
    EXPECT_EQ(Shown().copy(bitmap.rect()), bitmap) << "at 100 % the bitmap as it is";
}

TEST_F(CanvasDesignTest, SnapToGridPlacesTheDraggedButtonOnTheGrid)
{
    TheEditor().SetGrid({true, true, 25});
    DragOnScreen(CentreOf(0), CentreOf(0) + QPoint(13, 14));
    Release(CentreOf(0) + QPoint(13, 14));
    EXPECT_EQ(RectOf(0).topLeft(), QPoint(125, 125));
    TheEditor().SetGrid({});
}

} // namespace
