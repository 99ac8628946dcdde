#include "ui/controls/flat_line_edit.h"

#include <QFocusEvent>

TFlatLineEdit::TFlatLineEdit(QWidget* parent) : QLineEdit(parent), m_flat(this) {}

void TFlatLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!m_flat.Enter(event))
        return;
    emit Entered();
    if (m_flat.CursorEndField)
        end(false);
    selectAll();
}

void TFlatLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A popup menu or another window taking the focus does not leave the field.
    if (!m_flat.Exit(event))
        return;
    Leaving();
    emit Exited();
}
