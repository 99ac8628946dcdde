#include "ui/controls/super_spin_edit.h"

#include "ui/controls/super_spin_button.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr int ButtonPairWidth = 15;
constexpr int ButtonPairHeight = 17;
constexpr char16_t Backspace = 8;

bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The character a key press types, or nothing for navigation keys, Delete and
// shortcuts (Ctrl/Cmd chords, which may carry a plain letter as their text).
std::optional<QChar> TypedCharacter(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace)
        return QChar(Backspace);
    if (event->text().isEmpty() || event->key() == Qt::Key_Delete)
        return std::nullopt;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool chord = (mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier);
    if (chord)
        return std::nullopt;
    return event->text().front();
}

bool IsCutOrPaste(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste);
}

} // namespace

TSuperSpinEditI::TSuperSpinEditI(QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent)
{
    m_buttons = new TSuperSpinButton(this);
    m_buttons->setObjectName(QStringLiteral("SpinButton"));
    m_buttons->resize(ButtonPairWidth, ButtonPairHeight);
    m_buttons->setCursor(Qt::ArrowCursor);
    m_buttons->SetFocusControl(this);
    connect(m_buttons, &TSuperSpinButton::UpClick, this, &TSuperSpinEditI::UpClick);
    connect(m_buttons, &TSuperSpinButton::DownClick, this, &TSuperSpinEditI::DownClick);
    LayoutButtons();
}

int TSuperSpinEditI::Value() const
{
    const QString shown = text();
    if (shown.isEmpty())
        return 0;
    bool ok = false;
    const int value = shown.toInt(&ok, 10);
    return ok ? value : m_minValue;
}

void TSuperSpinEditI::SetValue(int value)
{
    setText(QString::number(Clamp(value)));
    update();
}

int TSuperSpinEditI::Clamp(int value) const
{
    if (m_minValue == m_maxValue)
        return value;
    if (value < m_minValue)
        return m_minValue;
    if (value > m_maxValue)
        return m_maxValue;
    return value;
}

void TSuperSpinEditI::UpClick()
{
    Step(m_increment);
}

void TSuperSpinEditI::DownClick()
{
    Step(-qint64(m_increment));
}

void TSuperSpinEditI::Step(qint64 delta)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    // Summed wide so that a step past the int range stops at its end.
    const qint64 sum = qint64(Value()) + delta;
    SetValue(int(std::clamp<qint64>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

bool TSuperSpinEditI::AcceptsCharacter(QChar c) const
{
    if (!m_editorEnabled && (c.unicode() >= 32 || c.unicode() == Backspace))
        return false;
    if (c.unicode() < 32)
        return c.unicode() != '\r';
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || QString(c) == locale().decimalPoint();
}

bool TSuperSpinEditI::AllowsCutAndPaste() const
{
    return m_editorEnabled && !isReadOnly();
}

void TSuperSpinEditI::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->key() == Qt::Key_Up ? UpClick() : DownClick();
        event->accept();
        return;
    }
    if (IsCutOrPaste(event) && !AllowsCutAndPaste()) {
        event->accept();
        return;
    }
    const std::optional<QChar> typed = IsEnter(event) ? QChar(u'\r') : TypedCharacter(event);
    if (typed && (isReadOnly() || !AcceptsCharacter(*typed))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TSuperSpinEditI::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}

void TSuperSpinEditI::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A popup menu or another application taking the focus does not leave the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    SetValue(Value());
    emit Exited();
}

void TSuperSpinEditI::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    LayoutButtons();
}

void TSuperSpinEditI::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!AllowsCutAndPaste()) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == u"edit-cut" || action->objectName() == u"edit-paste")
                action->setEnabled(false);
        }
    }
    menu->popup(event->globalPos());
}

void TSuperSpinEditI::LayoutButtons()
{
    // The pair sits inside the frame at the right; the text stops short of it.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int pairWidth = m_buttons->width();
    m_buttons->setGeometry(width() - frame - pairWidth, frame, pairWidth, std::max(height() - 2 * frame, 1));
    setTextMargins(0, 0, pairWidth + 2, 0);
}
