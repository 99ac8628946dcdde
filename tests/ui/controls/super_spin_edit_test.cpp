#include "ui/controls/message_beep.h"
#include "ui/controls/super_spin_button.h"
#include "ui/controls/super_spin_edit.h"
#include "ui/controls/super_timer_speed_button.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Delivers the focus change a Tab to the next control would.
void LeaveField(TSuperSpinEditI& edit)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &event);
}

void TypeInto(TSuperSpinEditI& edit, const QString& keys)
{
    edit.clear();
    QTest::keyClicks(&edit, keys);
}

TSuperSpinEditI* MakeRanged(QWidget& host, int min, int max, int increment)
{
    auto* edit = new TSuperSpinEditI(&host);
    edit->SetMinValue(min);
    edit->SetMaxValue(max);
    edit->SetIncrement(increment);
    return edit;
}

// Counts the beeps of refused keys while it lives.
struct BeepCounter {
    int count = 0;
    BeepCounter() { SetBeepListener([this] { ++count; }); }
    ~BeepCounter() { SetBeepListener(nullptr); }
};

} // namespace

TEST(SuperSpinEditTest, StartsAtZeroAndKeepsTypedNumberWithoutRange)
{
    TSuperSpinEditI edit;
    EXPECT_EQ(edit.text(), "0");
    TypeInto(edit, "57");
    QSignalSpy exited(&edit, &TSuperSpinEditI::Exited);
    LeaveField(edit);
    EXPECT_EQ(edit.text(), "57");
    EXPECT_EQ(edit.Value(), 57);
    EXPECT_EQ(exited.count(), 1);

    TypeInto(edit, "-123456");
    LeaveField(edit);
    EXPECT_EQ(edit.Value(), -123456);
}

TEST(SuperSpinEditTest, ArrowsAndLeavingClampToRange)
{
    QWidget host;
    TSuperSpinEditI* edit = MakeRanged(host, 0, 10000, 200);

    edit->SetValue(9900);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "10000");
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "9800");

    edit->SetValue(100);
    edit->DownClick();
    EXPECT_EQ(edit->text(), "0");

    // Typing is not clamped until the focus leaves.
    TypeInto(*edit, "12000");
    EXPECT_EQ(edit->Value(), 12000);
    LeaveField(*edit);
    EXPECT_EQ(edit->text(), "10000");

    TypeInto(*edit, "-5");
    LeaveField(*edit);
    EXPECT_EQ(edit->text(), "0");

    // A number too long for an int is still a number beyond the range.
    TypeInto(*edit, "99999999999");
    EXPECT_EQ(edit->Value(), 10000);
    LeaveField(*edit);
    EXPECT_EQ(edit->text(), "10000");
}

TEST(SuperSpinEditTest, StepsStopAtTheEndsOfTheIntRange)
{
    TSuperSpinEditI edit;
    edit.SetIncrement(10);
    edit.SetValue(std::numeric_limits<int>::max() - 3);
    edit.UpClick();
    EXPECT_EQ(edit.Value(), std::numeric_limits<int>::max());
    edit.SetValue(std::numeric_limits<int>::min() + 3);
    edit.DownClick();
    EXPECT_EQ(edit.Value(), std::numeric_limits<int>::min());
}

TEST(SuperSpinEditTest, TypingAcceptsOnlyNumberCharacters)
{
    TSuperSpinEditI edit;
    edit.Flat().EnterLikeTab = false;
    BeepCounter beeps;
    edit.setText("12");
    edit.end(false);
    QTest::keyClicks(&edit, "ab x");
    EXPECT_EQ(edit.text(), "12");
    EXPECT_EQ(beeps.count, 4);
    QSignalSpy returns(&edit, &QLineEdit::returnPressed);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 0) << "Enter is refused like any other invalid character";
    EXPECT_EQ(beeps.count, 5);

    edit.clear();
    QTest::keyClicks(&edit, "-3+");
    EXPECT_EQ(edit.text(), "-3+");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "-3");

    const QString separator = edit.locale().decimalPoint();
    QTest::keyClicks(&edit, separator);
    EXPECT_EQ(edit.text(), "-3" + separator);
    // Not a whole number: reads as the number held before the typing.
    EXPECT_EQ(edit.Value(), 12);
}

TEST(SuperSpinEditTest, EmptiedFieldBecomesZeroOrTheClampedMinimum)
{
    QWidget host;
    TSuperSpinEditI* open = MakeRanged(host, 0, 0, 1);
    open->clear();
    EXPECT_EQ(open->Value(), 0);
    LeaveField(*open);
    EXPECT_EQ(open->text(), "0");

    TSuperSpinEditI* above = MakeRanged(host, 5, 50, 1);
    above->clear();
    LeaveField(*above);
    EXPECT_EQ(above->text(), "5");

    TSuperSpinEditI* below = MakeRanged(host, -50, -5, 1);
    below->clear();
    LeaveField(*below);
    EXPECT_EQ(below->text(), "-5");
}

TEST(SuperSpinEditTest, EditorDisabledRefusesTypingButArrowsStep)
{
    TSuperSpinEditI edit;
    edit.SetEditorEnabled(false);
    edit.SetValue(7);
    edit.end(false);
    QTest::keyClicks(&edit, "12-");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "7");

    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), "9");
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(edit.text(), "8");

    QApplication::clipboard()->setText("44");
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "8");
}

TEST(SuperSpinEditTest, ReadOnlyFieldRefusesArrowsAndTyping)
{
    TSuperSpinEditI edit;
    BeepCounter beeps;
    edit.SetValue(3);
    edit.setReadOnly(true);
    QTest::keyClick(&edit, Qt::Key_Up);
    edit.DownClick();
    QTest::keyClicks(&edit, "45");
    EXPECT_EQ(edit.text(), "3");
    EXPECT_EQ(beeps.count, 4);
}

TEST(SuperSpinEditTest, EveryKeystrokeRaisesTextChanged)
{
    TSuperSpinEditI edit;
    edit.clear();
    QSignalSpy changed(&edit, &QLineEdit::textChanged);
    QTest::keyClicks(&edit, "1a20");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QStringList seen;
    for (const QList<QVariant>& call : changed)
        seen << call.at(0).toString();
    EXPECT_EQ(seen, QStringList({"1", "12", "120", "12"}));
}

// A number changes only when the user changes it: text that is no whole
// number puts back the number before, with a beep; one beyond the range, of
// any length, is pulled to the nearer end.
TEST(SuperSpinEditTest, LeavingTextThatIsNoNumberPutsBackTheNumberBefore)
{
    QWidget host;
    TSuperSpinEditI* edit = MakeRanged(host, 10, 20, 1);
    edit->setText("15");
    QApplication::clipboard()->setText("x9y");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "x9y");
    EXPECT_EQ(edit->Value(), 15);
    BeepCounter beeps;
    LeaveField(*edit);
    EXPECT_EQ(edit->text(), "15");
    EXPECT_EQ(beeps.count, 1);
    for (const auto& [typed, kept] : {std::pair{"12.5", "15"}, {"-", "15"}, {"99999999999", "20"}, {"-99999999999", "10"}}) {
        edit->setText("15");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        LeaveField(*edit);
        EXPECT_EQ(edit->text(), kept) << typed;
    }
}

TEST(SuperSpinEditTest, ButtonsStepOncePerClickAndFocusTheField)
{
    QWidget host;
    TSuperSpinEditI* edit = MakeRanged(host, 0, 10, 4);
    host.resize(200, 60);
    edit->setGeometry(10, 10, 120, 24);
    host.show();
    auto* up = edit->findChild<QToolButton*>("UpButton");
    auto* down = edit->findChild<QToolButton*>("DownButton");
    ASSERT_TRUE(up && down);

    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "4");
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "10");
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(edit->text(), "6");
    QTest::mouseClick(down, Qt::RightButton);
    EXPECT_EQ(edit->text(), "6");
    EXPECT_EQ(host.focusWidget(), edit);
}

TEST(SuperSpinEditTest, ButtonsSitInsideTheFieldRightOfTheText)
{
    QWidget host;
    auto* edit = new TSuperSpinEditI(&host);
    edit->setGeometry(0, 0, 100, 24);
    host.show();
    auto* up = edit->findChild<QToolButton*>("UpButton");
    auto* down = edit->findChild<QToolButton*>("DownButton");
    ASSERT_TRUE(up && down);
    const QRect upArea(up->mapTo(edit, QPoint(0, 0)), up->size());
    const QRect downArea(down->mapTo(edit, QPoint(0, 0)), down->size());
    EXPECT_TRUE(edit->rect().contains(upArea));
    EXPECT_GT(downArea.top(), upArea.bottom());
    EXPECT_EQ(upArea.right(), downArea.right());

    // A long number scrolls within the text area, which ends left of the buttons.
    edit->setText(QString(40, u'9'));
    edit->end(false);
    edit->grab();  // the field scrolls its text while painting
    EXPECT_LT(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().right(), upArea.left());
}

TEST(SuperSpinEditTest, EnterMovesOnLikeTabByDefault)
{
    QWidget host;
    auto* edit = new TSuperSpinEditI(&host);
    auto* next = new QLineEdit(&host);
    next->move(0, 40);
    host.show();
    QApplication::setActiveWindow(&host);
    edit->setFocus(Qt::TabFocusReason);
    BeepCounter beeps;
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(beeps.count, 0);
    EXPECT_EQ(edit->CaseMode(), cmTitleCase);
}

// After an error box the window comes back with ActiveWindowFocusReason: what
// was typed stays unselected, so "-" then "1" gives -1.
TEST(SuperSpinEditTest, SelectsAllOnlyWhenTheUserEntersTheField)
{
    QWidget host;
    auto* edit = new TSuperSpinEditI(&host);
    host.show();
    QSignalSpy entered(edit, &TSuperSpinEditI::Entered);
    QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &tab);
    EXPECT_EQ(edit->selectedText(), "0");
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(edit->palette().color(QPalette::Base), edit->Flat().ColorOnFocus);
    QTest::keyClicks(edit, "-");

    // An error box takes the window's focus and gives it back.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &away);
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &back);
    EXPECT_FALSE(edit->hasSelectedText());
    QTest::keyClicks(edit, "1");
    EXPECT_EQ(edit->text(), "-1");
    EXPECT_EQ(entered.count(), 1);
}

TEST(SuperSpinEditTest, AValuePutOutOfRangeByOnExitIsClampedOnceMore)
{
    QWidget host;
    TSuperSpinEditI* edit = MakeRanged(host, 0, 100, 1);
    QObject::connect(edit, &TSuperSpinEditI::Exited, edit, [edit] { edit->setText("500"); });
    edit->setText("50");
    LeaveField(*edit);
    EXPECT_EQ(edit->text(), "500");
    QApplication::processEvents();
    EXPECT_EQ(edit->text(), "100");
}

TEST(SuperSpinEditTest, HeightIsRaisedToTheMinimumAndTheButtonsFollowTheLook)
{
    QWidget host;
    auto* edit = new TSuperSpinEditI(&host);
    edit->setGeometry(0, 0, 100, 4);
    host.show();
    EXPECT_EQ(edit->height(), edit->MinimumFieldHeight());
    const QFontMetrics metrics(edit->font());
    EXPECT_EQ(edit->MinimumFieldHeight(), metrics.height() + metrics.height() / 4 + 4 + 2);

    edit->resize(100, 40);
    const int bw = edit->Buttons()->width();
    EXPECT_EQ(bw, 15);
    EXPECT_EQ(edit->Buttons()->geometry(), QRect(100 - bw, 1, bw, 37)); // flat look
    auto* up = edit->Buttons()->UpButton();
    auto* down = edit->Buttons()->DownButton();
    EXPECT_EQ(up->geometry(), QRect(0, 1, 15, 18));
    EXPECT_EQ(down->geometry(), QRect(0, 20, 15, 17)); // odd height: one less below

    edit->SetOffice2k(false);
    EXPECT_EQ(edit->Buttons()->geometry().height(), 35);
    EXPECT_LT(edit->Buttons()->geometry().right(), 99);
}

// A field placed too low before its window is first shown (as a form does).
TEST(SuperSpinEditTest, AFieldRaisedBeforeItsFirstShowKeepsItsButtonsInside)
{
    QWidget host;
    auto* edit = new TSuperSpinEditI(&host);
    edit->setGeometry(24, 40, 64, 4);
    host.show();
    QApplication::processEvents();
    EXPECT_EQ(edit->height(), edit->MinimumFieldHeight());
    EXPECT_EQ(edit->Buttons()->geometry(), QRect(64 - 15, 1, 15, edit->height() - 3));
}

TEST(SuperSpinEditTest, ButtonsShowOurOwnArrowGlyphs)
{
    TSuperSpinButton pair;
    for (TSuperTimerSpeedButton* button : {pair.UpButton(), pair.DownButton()}) {
        ASSERT_FALSE(button->icon().isNull());
        const QImage glyph = button->icon().pixmap(QSize(7, 4)).toImage();
        EXPECT_EQ(glyph.size(), QSize(7, 4));
        EXPECT_EQ(qAlpha(glyph.pixel(3, 1)), 255);
        EXPECT_EQ(qAlpha(glyph.pixel(0, 1)), 0);
    }
    const QImage up = pair.UpButton()->icon().pixmap(QSize(7, 4)).toImage();
    EXPECT_EQ(qAlpha(up.pixel(0, 3)), 255) << "the up arrow is widest at the bottom";
    EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0);
}
