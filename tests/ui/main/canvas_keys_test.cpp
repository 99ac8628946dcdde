#include "model/button_clipboard.h"
#include "model/design_canvas.h"
#include "support/saved_section.h"
#include "ui/button_editor/button_editor.h"
#include "ui/core/button_commands.h"
#include "ui/main/design_canvas_widget.h"
#include "ui/main/main_window.h"
#include "ui/main/canvas_fixture.h"
#include "ui/support_session.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Keys on the canvas after a click has given it the focus, as a user works.
class CanvasKeysTest : public CanvasFixture {};

TEST_F(CanvasKeysTest, AClickGivesTheCanvasTheFocusWhileTheButtonEditorShowsTheButton)
{
    Click(3);
    EXPECT_EQ(QApplication::focusWidget(), m_canvas);
    EXPECT_TRUE(m_session.Buttons().isVisible());
    EXPECT_EQ(ShownSlot(), QStringLiteral("3"));
    EXPECT_EQ(Selected(), std::vector<int>{3});
    Key(Qt::Key_Delete);
    EXPECT_EQ(m_session.Buttons().findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("Help"))
        << "Delete on the canvas does not erase the name";
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Deleting #3 (Help): Are you sure?")});
    EXPECT_TRUE(Slot(3).Used) << "answered No";

    Key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.Buttons())) << "Enter takes the user to the button editor";
    EXPECT_EQ(QApplication::focusWidget(), m_session.Buttons().findChild<QLineEdit*>("Edit1"));
}

struct ArrowCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    QRect after; // button 0 starts at (100, 100, 60, 30)
    const char* undo;
};

class CanvasArrowTest : public CanvasKeysTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(CanvasArrowTest, ArrowsMoveOrResizeTheSelectionAsOneStep)
{
    const ArrowCase& c = GetParam();
    Click(0);
    Click(2, Qt::ControlModifier);
    const int steps = TheEditor().History().StepCount();
    Key(c.key, c.mods);
    EXPECT_EQ(RectOf(0), c.after);
    EXPECT_EQ(RectOf(2).topLeft() - QPoint(200, 300), c.after.topLeft() - QPoint(100, 100)) << "both move";
    EXPECT_EQ(RectOf(2).size() - QSize(60, 30), c.after.size() - QSize(60, 30)) << "both resize";
    EXPECT_EQ(TheEditor().History().StepCount(), steps + 1);
    EXPECT_EQ(TheEditor().UndoText(), QString::fromLatin1(c.undo));
    TheEditor().Undo();
    EXPECT_EQ(RectOf(0), QRect(100, 100, 60, 30));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CanvasArrowTest,
    ::testing::Values(ArrowCase{"Left", Qt::Key_Left, {}, {99, 100, 60, 30}, "Undo Move"},
                      ArrowCase{"ShiftDown", Qt::Key_Down, Qt::ShiftModifier, {100, 110, 60, 30}, "Undo Move"},
                      ArrowCase{"ShiftRight", Qt::Key_Right, Qt::ShiftModifier, {110, 100, 60, 30}, "Undo Move"},
                      ArrowCase{"AltRight", Qt::Key_Right, Qt::AltModifier, {100, 100, 61, 30}, "Undo Resize"},
                      ArrowCase{"AltUp", Qt::Key_Up, Qt::AltModifier, {100, 100, 60, 29}, "Undo Resize"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasKeysTest, CtrlClickTabCtrlAAndEscChangeTheSelectionButNotTheProject)
{
    Click(2);
    Click(3, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3}));
    Click(2, Qt::ControlModifier);
    EXPECT_EQ(Selected(), std::vector<int>{3});
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), std::vector<int>{0}) << "round the end, in slot order";
    EXPECT_EQ(ShownSlot(), QStringLiteral("0"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), std::vector<int>{2});
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), std::vector<int>{0});
    EXPECT_EQ(QApplication::focusWidget(), m_canvas) << "Tab walks the buttons, not the focus";
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2, 3}));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(TheEditor().History().StepCount(), 0);
}

TEST_F(CanvasKeysTest, DeleteAsksOnceAndDeletesTheWholeSelectionAsOneStep)
{
    m_answer = QMessageBox::Yes;
    Click(0);
    Click(3, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    EXPECT_EQ(m_questions, QStringList{QStringLiteral("Deleting 2 buttons: Are you sure?")});
    EXPECT_FALSE(Slot(0).Used);
    EXPECT_FALSE(Slot(3).Used);
    EXPECT_TRUE(Slot(2).Used);
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Delete"));
    TheEditor().Undo();
    EXPECT_TRUE(Slot(0).Used && Slot(3).Used);
}

TEST_F(CanvasKeysTest, CopyHoldsTheSavedSectionsAndPasteMakesTheSameButtonsInFreeSlots)
{
    ASSERT_TRUE(TheEditor().SaveWithReport(&m_session.Main()));
    const QByteArray saved = m_dir.Read("launcher.ini");
    Click(0);
    Click(3, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QByteArray sections = SavedSection(saved, 0) + SavedSection(saved, 3);
    ASSERT_FALSE(SavedSection(saved, 3).isEmpty());
    EXPECT_EQ(ClipboardOurs(), sections);
    EXPECT_EQ(QApplication::clipboard()->text().toLatin1(), sections) << "text/plain for a text editor";

    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 4})) << "the lowest free slots, the paste selected";
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Paste"));
    ASSERT_TRUE(TheEditor().SaveWithReport(&m_session.Main()));
    const QByteArray again = m_dir.Read("launcher.ini");
    EXPECT_EQ(SavedSection(again, 1).mid(11), SavedSection(saved, 0).mid(11)) << "all but the header";
    EXPECT_EQ(SavedSection(again, 4).mid(11), SavedSection(saved, 3).mid(11));
}

TEST_F(CanvasKeysTest, CutAndDuplicateAreOneNamedStepEach)
{
    Click(3);
    Key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(RectOf(1), QRect(410, 170, 40, 30));
    EXPECT_EQ(Slot(1).Params, Slot(3).Params);
    EXPECT_EQ(Selected(), std::vector<int>{1});
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Duplicate"));
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(Slot(1).Used);
    EXPECT_TRUE(m_questions.isEmpty()) << "a cut asks nothing: Undo brings it back";
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Cut"));
    EXPECT_EQ(ButtonsFromText(ClipboardOurs()).at(0).Name, "Help");
    HistoryWatch::ExpectRecorded(TheEditor());
}

TEST_F(CanvasKeysTest, ACtrlDragOnEmptyCanvasSelectsTheButtonsItsBandTouches)
{
    Click(3);
    // Button 2 (200, 300, 60, 30) is touched by the band's last row, button 3 lies outside.
    Send(QEvent::MouseButtonPress, {90, 90}, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseMove, {250, 301}, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseButtonRelease, {250, 301}, Qt::NoButton, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
    EXPECT_EQ(ShownSlot(), QStringLiteral("0"));
    EXPECT_EQ(TheEditor().Project().UsedButtonCount(), 3) << "no button drawn";
    EXPECT_EQ(TheEditor().History().StepCount(), 0);
    Send(QEvent::MouseButtonPress, {90, 90}, Qt::LeftButton);
    Send(QEvent::MouseMove, {250, 301}, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, {250, 301}, Qt::NoButton);
    EXPECT_EQ(TheEditor().Project().UsedButtonCount(), 4) << "a plain drag still draws one";
    EXPECT_EQ(Selected(), std::vector<int>{1});
}

TEST_F(CanvasKeysTest, EscDuringADragPutsTheButtonBack)
{
    Send(QEvent::MouseButtonPress, {120, 110}, Qt::LeftButton);
    Send(QEvent::MouseMove, {170, 150}, Qt::LeftButton);
    ASSERT_EQ(RectOf(0).topLeft(), QPoint(150, 140));
    Key(Qt::Key_Escape);
    Send(QEvent::MouseButtonRelease, {170, 150}, Qt::NoButton);
    EXPECT_EQ(RectOf(0), QRect(100, 100, 60, 30));
    EXPECT_EQ(TheEditor().History().StepCount(), 0);
    EXPECT_EQ(TheEditor().Canvas().Image(), [&] {
        DesignCanvas fresh;
        fresh.EnsureCreated(TheEditor().Canvas().Image().width(), TheEditor().Canvas().Image().height());
        fresh.RedrawCanvas(TheEditor().Project());
        return fresh.Image();
    }()) << "no frame left where the drag was";
}

TEST_F(CanvasKeysTest, TheEditMenuNamesTheCanvasKeysWhichLeaveTextFieldsAlone)
{
    auto* edit = m_session.Main().findChild<QMenu*>("EditMenu");
    QStringList entries;
    for (const QAction* a : edit->actions())
        if (!a->isSeparator())
            entries << a->text().remove('&') + "=" + a->shortcut().toString();
    EXPECT_TRUE(entries.join('|').contains(
        "Cut=Ctrl+X|Copy=Ctrl+C|Paste=Ctrl+V|Duplicate=Ctrl+D|Delete=Del|Select All=Ctrl+A"))
        << entries.join('|').toStdString();

    Click(0);
    Key(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.Buttons()));
    auto* name = m_session.Buttons().findChild<QLineEdit*>("Edit1");
    ASSERT_EQ(QApplication::focusWidget(), name);
    Key(Qt::Key_End);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    EXPECT_EQ(name->text(), QString());
    EXPECT_TRUE(m_questions.isEmpty()) << "Delete in the name box deletes text, not the button";
    EXPECT_EQ(Selected(), std::vector<int>{0}) << "Ctrl+A in the box selected its text only";
}

} // namespace

namespace {

TEST_F(CanvasKeysTest, TheSelectionIsDrawnOverTheBitmapNeverIntoIt)
{
    const auto shown = [&](QPoint at) { return m_canvas->grab().toImage().pixel(at); };
    const QRgb accent = qRgb(0, 120, 215);
    const QRgb white = qRgb(255, 255, 255);
    const QImage before = TheEditor().Canvas().Image();
    // Button 0 is (100, 100, 60, 30): its outline runs 2 pixels outside, a handle on each
    // corner and edge middle; button 2 is (200, 300, 60, 30).
    const QPoint zeroTopLeft(97, 97), zeroRightMiddle(161, 114), twoBottomRight(261, 331);
    Click(0);
    EXPECT_EQ(shown(zeroTopLeft), accent) << "the current button's handles are filled";
    EXPECT_EQ(shown(zeroRightMiddle), accent);
    Click(2, Qt::ControlModifier);
    EXPECT_EQ(shown(zeroTopLeft), white) << "another selected button's handles are hollow";
    EXPECT_EQ(shown(twoBottomRight), accent);
    EXPECT_EQ(TheEditor().Canvas().Image(), before) << "nothing of it in the canvas bitmap";
    Key(Qt::Key_Escape);
    EXPECT_EQ(shown(zeroTopLeft), before.pixel(zeroTopLeft));
    EXPECT_EQ(shown(twoBottomRight), before.pixel(twoBottomRight));
}

} // namespace
