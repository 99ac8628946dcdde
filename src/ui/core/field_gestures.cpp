#include "ui/core/field_gestures.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool IsHistoryKey(const QKeyEvent& key)
{
    const QKeyCombination pressed = key.keyCombination();
    return pressed == QKeyCombination(Qt::CTRL, Qt::Key_Z) || pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z)
           || pressed == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

} // namespace

FieldGestures::FieldGestures(Ended ended, QObject* parent) : QObject(parent), m_ended(std::move(ended))
{
    if (qApp) {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, &FieldGestures::FocusChanged);
    }
}

FieldGestures::~FieldGestures()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool FieldGestures::IsTextField(const QObject* object)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(object))
        return !line->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(object))
        return !plain->isReadOnly();
    if (const auto* rich = qobject_cast<const QTextEdit*>(object))
        return !rich->isReadOnly();
    return false;
}

bool FieldGestures::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        if (watched == m_field)
            m_popupLeave = static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
        break;
    case QEvent::KeyPress:
        // The plain and rich text boxes have no signal for the user's edits alone.
        if (watched == m_field && !qobject_cast<QLineEdit*>(watched)
            && !static_cast<QKeyEvent*>(event)->text().isEmpty())
            m_typed = true;
        break;
    case QEvent::KeyRelease:
        if (watched == m_field && IsEnter(*static_cast<QKeyEvent*>(event))) {
            m_typed = false;
            FieldEnded();
        }
        break;
    case QEvent::ShortcutOverride: {
        // Refusing the override lets the shortcut (the editor's Undo or Redo) have the keys.
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsHistoryKey(*key) && IsTextField(watched) && !(m_typed && watched == m_field)) {
            key->ignore();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FieldGestures::FocusChanged(QWidget* old, QWidget* now)
{
    // A context menu over the field: the user comes back to go on typing.
    const bool popup = m_popupLeave;
    m_popupLeave = false;
    if ((popup && old == m_field) || (now && now == m_field))
        return;
    const bool left = old && old == m_field;
    QObject::disconnect(m_edits);
    m_typed = false;
    m_field = IsTextField(now) ? now : nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(now))
        m_edits = connect(line, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    if (left || IsTextField(old))
        FieldEnded();
}

void FieldGestures::FieldEnded()
{
    if (m_ended)
        m_ended();
}
