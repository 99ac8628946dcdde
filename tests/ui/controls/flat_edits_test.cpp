// The flat-look edit and memo: case modes, Enter as Tab, the focus colour and
// the look's colours and border as they are painted.
#include "ui/controls/office2000_look.h"
#include "ui/controls/super_edit.h"
#include "ui/controls/super_memo.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// A shown window with an edit, a memo and a plain edit after them in Tab order.
struct Form {
    QWidget window;
    TSuperEdit* edit = new TSuperEdit(&window);
    TSuperMemo* memo = new TSuperMemo(&window);
    QLineEdit* after = new QLineEdit(&window);
    Form()
    {
        edit->setGeometry(5, 5, 120, 22);
        memo->setGeometry(5, 30, 120, 60);
        after->setGeometry(5, 95, 120, 22);
        window.resize(200, 130);
        window.show();
        QApplication::setActiveWindow(&window);
        after->setFocus(Qt::OtherFocusReason); // nothing flat starts focused
    }
};

QString Typed(TCaseMode mode, const QString& start, const QString& keys)
{
    TSuperEdit edit;
    edit.SetCaseMode(mode);
    edit.setText(start);
    edit.end(false);
    QTest::keyClicks(&edit, keys);
    return edit.text();
}

void SendFocus(QWidget* widget, QEvent::Type type, Qt::FocusReason reason)
{
    QFocusEvent event(type, reason);
    QApplication::sendEvent(widget, &event);
}

QRgb Background(QWidget* widget) { return widget->palette().color(QPalette::Base).rgb(); }
QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y); }
QRgb Role(QWidget* widget, QPalette::ColorRole role) { return widget->palette().color(role).rgb(); }

TEST(SuperEditTest, TitleCaseUpperCasesAtTheStartAndAfterABlankOrAFullStop)
{
    EXPECT_EQ(Typed(cmTitleCase, "", "a"), "A");
    EXPECT_EQ(Typed(cmTitleCase, "x.", "b"), "x.B");
    EXPECT_EQ(Typed(cmTitleCase, "x ", "b"), "x B");
    EXPECT_EQ(Typed(cmTitleCase, "ab", "c"), "abc");
    EXPECT_EQ(Typed(cmTitleCase, "", "new york. big apple"), "New York. Big Apple");
    // Existing letters are never lowered, and a title-case edit is the default.
    EXPECT_EQ(Typed(cmTitleCase, "ABC", "d"), "ABCd");
    EXPECT_EQ(TSuperEdit().CaseMode(), cmTitleCase);
}

TEST(SuperEditTest, UpperLowerAndNormalCaseModes)
{
    EXPECT_EQ(Typed(cmUpperCase, "ab", "c"), "abC");
    TSuperEdit accented;
    accented.SetCaseMode(cmUpperCase);
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(&accented, &e);
    EXPECT_EQ(accented.text(), QStringLiteral("\u00c9"));
    EXPECT_EQ(Typed(cmLowerCase, "AB", "CD"), "ABcd");
    EXPECT_EQ(Typed(cmNormal, "", "a.b c"), "a.b c");
}

TEST(SuperEditTest, EnterMovesToTheNextControlAndIsUsedUp)
{
    Form form;
    form.edit->setFocus(Qt::TabFocusReason);
    QSignalSpy returns(form.edit, &QLineEdit::returnPressed);
    QTest::keyClick(form.edit, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 0);
    EXPECT_TRUE(form.memo->hasFocus());

    // Without EnterLikeTab the key stays in the edit.
    form.edit->Flat().EnterLikeTab = false;
    form.edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.edit, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 1);
    EXPECT_TRUE(form.edit->hasFocus());
}

TEST(SuperEditTest, ArrowsLikeTabMoveAfterTheKeyIsHandled)
{
    Form form;
    form.memo->Flat().ArrowLikeTab = true;
    form.memo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.memo, Qt::Key_Down);
    EXPECT_TRUE(form.memo->hasFocus()) << "posted, not sent";
    QApplication::processEvents();
    EXPECT_TRUE(form.after->hasFocus());
    form.memo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.memo, Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_TRUE(form.edit->hasFocus());
}

TEST(SuperEditTest, EnteringShowsTheFocusColourSelectsAllAndRunsOnEnter)
{
    Form form;
    form.edit->setText("hello");
    form.edit->setCursorPosition(1);
    QSignalSpy entered(form.edit, &TSuperEdit::Entered);
    QSignalSpy exited(form.edit, &TSuperEdit::Exited);
    const QRgb designed = Background(form.edit);
    form.edit->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Background(form.edit), QToolTip::palette().color(QPalette::ToolTipBase).rgb());
    EXPECT_EQ(form.edit->selectedText(), "hello");
    EXPECT_EQ(entered.count(), 1);
    form.after->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Background(form.edit), designed);
    EXPECT_EQ(exited.count(), 1);
}

TEST(SuperMemoTest, EnterMovesTheFocusWithoutALineBreak)
{
    Form form;
    form.memo->setPlainText("one");
    form.memo->setFocus(Qt::TabFocusReason);
    form.memo->moveCursor(QTextCursor::End);
    QTest::keyClick(form.memo, Qt::Key_Return);
    EXPECT_EQ(form.memo->toPlainText(), "one");
    EXPECT_TRUE(form.after->hasFocus());

    form.memo->Flat().EnterLikeTab = false;
    form.memo->setFocus(Qt::TabFocusReason);
    form.memo->moveCursor(QTextCursor::End);
    QTest::keyClick(form.memo, Qt::Key_Return);
    EXPECT_EQ(form.memo->toPlainText(), "one\n");
}

TEST(SuperMemoTest, AReadOnlyMemoShowsTheFocusColourOnlyWhileFocused)
{
    Form form;
    const QColor buttonFace = form.memo->palette().color(QPalette::Button);
    const QRgb buttonFaceRgb = buttonFace.rgb();
    form.memo->setReadOnly(true);
    form.memo->SetColor(buttonFace);
    form.memo->setPlainText("text");
    form.memo->Flat().ColorOnFocus = QColor(1, 2, 3);
    form.memo->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Background(form.memo), qRgb(1, 2, 3));
    EXPECT_FALSE(form.memo->textCursor().hasSelection()) << "the memo does not select on entry";
    form.after->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Background(form.memo), buttonFaceRgb);
}

TEST(SuperEditTest, AWindowSwitchNeitherEntersNorLeaves)
{
    Form form;
    QSignalSpy entered(form.edit, &TSuperEdit::Entered);
    QSignalSpy exited(form.edit, &TSuperEdit::Exited);
    const QRgb designed = Background(form.edit);
    SendFocus(form.edit, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    SendFocus(form.edit, QEvent::FocusOut, Qt::PopupFocusReason);
    EXPECT_EQ(entered.count() + exited.count(), 0);
    EXPECT_EQ(Background(form.edit), designed);
}

TEST(Office2000LookTest, DisabledShowsButtonFaceAndEnablingGivesTheNormalColourBack)
{
    Form form;
    const QRgb buttonFace = Role(form.edit, QPalette::Button);
    form.edit->SetColor(QColor(200, 220, 240));
    form.edit->setEnabled(false);
    EXPECT_EQ(Background(form.edit), buttonFace);
    EXPECT_EQ(Pixel(form.edit->grab().toImage(), 60, 11), buttonFace);
    form.edit->setEnabled(true);
    EXPECT_EQ(Background(form.edit), qRgb(200, 220, 240));
    EXPECT_EQ(Pixel(form.edit->grab().toImage(), 60, 11), qRgb(200, 220, 240));
    EXPECT_EQ(form.edit->Flat().Look().NormalColor(), QColor(200, 220, 240));
}

TEST(Office2000LookTest, FlatFramesAtRestAndTheSunkenEdgeWhenFocused)
{
    Form form;
    const QRgb buttonFace = Role(form.edit, QPalette::Button);
    QImage rest = form.edit->grab().toImage();
    EXPECT_EQ(Pixel(rest, 0, 0), buttonFace);
    EXPECT_EQ(Pixel(rest, 1, 1), buttonFace);
    EXPECT_EQ(Pixel(rest, 119, 21), buttonFace);
    EXPECT_EQ(Pixel(rest, 118, 20), buttonFace);

    form.edit->setFocus(Qt::TabFocusReason);
    const QImage focused = form.edit->grab().toImage();
    EXPECT_EQ(Pixel(focused, 5, 0), Role(form.edit, QPalette::Dark));    // sunken outer: shadow top-left
    EXPECT_EQ(Pixel(focused, 119, 5), Role(form.edit, QPalette::Light)); // highlight bottom-right
    EXPECT_EQ(Pixel(focused, 5, 1), buttonFace);                          // the one-pixel touch-up
    EXPECT_EQ(Pixel(focused, 1, 5), buttonFace);
    EXPECT_EQ(Pixel(focused, 118, 5), Background(form.edit));            // the focus colour inside

    // Detached, the control paints as it always does.
    form.edit->Flat().SetOffice2k(false);
    EXPECT_EQ(form.edit->Flat().Look().Office2000(), nullptr);
    EXPECT_NE(Pixel(form.edit->grab().toImage(), 5, 1), buttonFace);
}

TEST(Office2000LookTest, TheMouseOverMakesItHot)
{
    Form form;
    QEvent enter(QEvent::HoverEnter);
    QApplication::sendEvent(form.edit, &enter);
    EXPECT_TRUE(form.edit->Flat().Look().Hot());
    EXPECT_EQ(Pixel(form.edit->grab().toImage(), 5, 0), Role(form.edit, QPalette::Dark));
    QEvent leave(QEvent::HoverLeave);
    QApplication::sendEvent(form.edit, &leave);
    EXPECT_FALSE(form.edit->Flat().Look().Hot());
}

} // namespace
