#include "ui/controls/super_spin_button.h"
#include "ui/controls/super_timer_speed_button.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace {

// Fires the repeat timer now instead of waiting for it.
void Tick(QTimer* timer)
{
    QTimerEvent event(timer->timerId());
    QApplication::sendEvent(timer, &event);
}

} // namespace

TEST(SuperTimerSpeedButtonTest, HoldingRepeatsThenReleaseClicksOnceMore)
{
    TSuperTimerSpeedButton button;
    button.SetAllowTimer(true);
    button.resize(20, 20);
    button.show();
    QSignalSpy clicks(&button, &QAbstractButton::clicked);

    QTest::mousePress(&button, Qt::LeftButton);
    auto* timer = button.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), TSuperTimerSpeedButton::FirstRepeatDelayMs);
    EXPECT_EQ(clicks.count(), 0);

    Tick(timer);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(timer->interval(), TSuperTimerSpeedButton::RepeatIntervalMs);
    Tick(timer);
    EXPECT_EQ(clicks.count(), 2);

    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_FALSE(timer->isActive());
}

TEST(SuperTimerSpeedButtonTest, NoRepeatWithoutAllowTimerOrOnceReleasedOutside)
{
    TSuperTimerSpeedButton plain;
    plain.resize(20, 20);
    plain.show();
    QTest::mousePress(&plain, Qt::LeftButton);
    EXPECT_EQ(plain.findChild<QTimer*>(), nullptr);
    QTest::mouseRelease(&plain, Qt::LeftButton);

    TSuperTimerSpeedButton timed;
    timed.SetAllowTimer(true);
    timed.resize(20, 20);
    timed.show();
    QSignalSpy clicks(&timed, &QAbstractButton::clicked);
    QTest::mousePress(&timed, Qt::LeftButton);
    QTest::mouseMove(&timed, QPoint(60, 60));
    QTest::mouseRelease(&timed, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(timed.findChild<QTimer*>()->isActive());
}

TEST(SuperSpinButtonTest, KeysClickTheFocusedButton)
{
    TSuperSpinButton pair;
    QSignalSpy ups(&pair, &TSuperSpinButton::UpClick);
    QSignalSpy downs(&pair, &TSuperSpinButton::DownClick);
    EXPECT_EQ(pair.FocusedButton(), pair.UpButton());

    QTest::keyClick(&pair, Qt::Key_Space);
    EXPECT_EQ(ups.count(), 1);
    QTest::keyClick(&pair, Qt::Key_Down);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(pair.FocusedButton(), pair.DownButton());
    QTest::keyClick(&pair, Qt::Key_Space);
    EXPECT_EQ(downs.count(), 2);
    QTest::keyClick(&pair, Qt::Key_Up);
    EXPECT_EQ(ups.count(), 2);
    EXPECT_EQ(pair.FocusedButton(), pair.UpButton());
}

TEST(SuperSpinButtonTest, PressingTakesFocusForTheFocusControlOrThePair)
{
    QWidget host;
    auto* field = new QWidget(&host);
    field->setFocusPolicy(Qt::StrongFocus);
    auto* pair = new TSuperSpinButton(&host);
    pair->SetFocusControl(field);
    pair->setGeometry(50, 0, 15, 17);
    host.show();

    QTest::mouseClick(pair->DownButton(), Qt::LeftButton);
    EXPECT_EQ(host.focusWidget(), field);
    EXPECT_EQ(pair->FocusedButton(), pair->DownButton());

    // A control that cannot take the focus hands it to the pair, when the pair is a tab stop.
    field->setFocusPolicy(Qt::NoFocus);
    pair->setFocusPolicy(Qt::StrongFocus);
    QTest::mouseClick(pair->UpButton(), Qt::LeftButton);
    EXPECT_EQ(host.focusWidget(), pair);
    EXPECT_EQ(pair->FocusedButton(), pair->UpButton());
}

TEST(SuperSpinButtonTest, ButtonsShareTheHeightWithoutOverlapping)
{
    TSuperSpinButton pair;
    pair.show();
    for (int height : {17, 21, 25}) {
        pair.resize(10, height);
        const QRect up = pair.UpButton()->geometry();
        const QRect down = pair.DownButton()->geometry();
        EXPECT_EQ(pair.width(), 15) << "narrower than the minimum";
        EXPECT_EQ(up.width(), 15);
        EXPECT_GT(down.top(), up.bottom()) << height;
        EXPECT_LE(down.bottom(), height - 1) << height;
        EXPECT_LE(std::abs(up.height() - down.height()), 1) << height;
    }
}
