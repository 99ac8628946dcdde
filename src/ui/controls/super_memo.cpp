#include "ui/controls/super_memo.h"

#include <QFocusEvent>
#include <QKeyEvent>

TSuperMemo::TSuperMemo(QWidget* parent) : QPlainTextEdit(parent), m_flat(this)
{
    // Room for the flat border, which the look paints over this plain frame.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    setTabChangesFocus(true);
}

void TSuperMemo::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (m_flat.Enter(event))
        emit Entered();
}

void TSuperMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (m_flat.Exit(event))
        emit Exited();
}

void TSuperMemo::keyPressEvent(QKeyEvent* event)
{
    if (m_flat.TakeEnterKey(event)) {
        event->accept();
        return;
    }
    m_flat.PostArrowMove(event);
    QPlainTextEdit::keyPressEvent(event);
}
