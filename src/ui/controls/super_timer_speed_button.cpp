#include "ui/controls/super_timer_speed_button.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>

TSuperTimerSpeedButton::TSuperTimerSpeedButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void TSuperTimerSpeedButton::SetFocusRect(bool draw)
{
    if (m_focusRect == draw)
        return;
    m_focusRect = draw;
    update();
}

void TSuperTimerSpeedButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    if (m_allowTimer && isDown())
        RepeatTimer()->start(FirstRepeatDelayMs);
}

void TSuperTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    // The base class clicks once when the release is inside; a handler may
    // delete the button, so the timer is only touched while it still exists.
    QPointer<TSuperTimerSpeedButton> self(this);
    QToolButton::mouseReleaseEvent(event);
    if (self)
        StopTimer();
}

void TSuperTimerSpeedButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!m_focusRect)
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    if (isDown())
        option.rect.translate(1, 1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

QTimer* TSuperTimerSpeedButton::RepeatTimer()
{
    if (!m_repeatTimer) {
        m_repeatTimer = new QTimer(this);
        connect(m_repeatTimer, &QTimer::timeout, this, &TSuperTimerSpeedButton::RepeatTick);
    }
    return m_repeatTimer;
}

void TSuperTimerSpeedButton::RepeatTick()
{
    m_repeatTimer->setInterval(RepeatIntervalMs);
    // Down only while the left button that pressed it is held over it.
    if (isDown())
        emit clicked(isChecked());
}

void TSuperTimerSpeedButton::StopTimer()
{
    if (m_repeatTimer)
        m_repeatTimer->stop();
}
