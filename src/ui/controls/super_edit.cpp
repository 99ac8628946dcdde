#include "ui/controls/super_edit.h"

#include <QKeyEvent>

TSuperEdit::TSuperEdit(QWidget* parent) : TFlatLineEdit(parent) {}

void TSuperEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_flat.TakeEnterKey(event)) {
        event->accept();
        return;
    }
    m_flat.PostArrowMove(event);
    const QString typed = event->text();
    if (typed.isEmpty() || typed.front().unicode() < 32 || m_caseMode == cmNormal
        || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString cased = ApplyCaseMode(m_caseMode, typed, text().left(caret), true, locale());
    FlatEditBehaviour::SendWithText(event, cased, [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}
