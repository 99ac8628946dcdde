#include "ui/controls/flat_edit_behaviour.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

FlatEditBehaviour::FlatEditBehaviour(QWidget* control)
    : ColorOnFocus(QToolTip::palette().color(QPalette::ToolTipBase)), m_control(control),
      m_designedColor(TOffice2000Look::ControlColor(control))
{
    m_look.SetOffice2000(control);
}

void FlatEditBehaviour::SetOffice2k(bool on)
{
    if (on == Office2k())
        return;
    m_look.SetOffice2000(on ? m_control : nullptr);
    m_control->update();
}

void FlatEditBehaviour::SetDesignedColor(const QColor& color)
{
    m_designedColor = color;
    TOffice2000Look::SetControlColor(m_control, color);
    if (Office2k())
        m_look.SetOffice2000(m_control); // the look's normal colour follows the design
}

bool FlatEditBehaviour::IsUserFocusChange(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

bool FlatEditBehaviour::Enter(const QFocusEvent* event)
{
    if (!IsUserFocusChange(event))
        return false;
    TOffice2000Look::SetControlColor(m_control, ColorOnFocus);
    return true;
}

bool FlatEditBehaviour::Exit(const QFocusEvent* event)
{
    if (!IsUserFocusChange(event))
        return false;
    TOffice2000Look::SetControlColor(m_control, m_designedColor);
    return true;
}

bool FlatEditBehaviour::IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool FlatEditBehaviour::TakeEnterKey(const QKeyEvent* event)
{
    if (!EnterLikeTab || !IsEnter(event))
        return false;
    MoveFocus(m_control, true);
    return true;
}

void FlatEditBehaviour::PostArrowMove(const QKeyEvent* event)
{
    if (!ArrowLikeTab)
        return;
    const int key = event->key();
    if (!IsEnter(event) && key != Qt::Key_Down && key != Qt::Key_Up)
        return;
    QPointer<QWidget> control(m_control);
    QTimer::singleShot(0, m_control, [control, forward = key != Qt::Key_Up] {
        if (control)
            MoveFocus(control, forward);
    });
}

void FlatEditBehaviour::MoveFocus(QWidget* from, bool forward)
{
    QWidget* candidate = from;
    do {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate->window() == from->window() && (candidate->focusPolicy() & Qt::TabFocus)
            && candidate->isEnabled() && candidate->isVisible() && !candidate->focusProxy()) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (candidate != from);
}

void FlatEditBehaviour::SendWithText(QKeyEvent* event, const QString& text,
                                     const std::function<void(QKeyEvent*)>& handler)
{
    if (text == event->text()) {
        handler(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), text, event->isAutoRepeat(),
                      ushort(event->count()));
    handler(&changed);
    event->setAccepted(changed.isAccepted());
}
