#include "ui/controls/super_spin_edit.h"

#include "ui/controls/message_beep.h"
#include "ui/controls/super_spin_button.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTimer>
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

bool IsWholeNumber(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    return whole.match(text).hasMatch();
}

bool IsCutOrPaste(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste);
}

} // namespace

TSuperSpinEditI::TSuperSpinEditI(QWidget* parent)
    : TFlatLineEdit(parent)
{
    setText(QStringLiteral("0"));
    // The number the field held before the user's typing began: what the
    // program put in, or what the last leaving made of it.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& shown) {
        if (!isModified() && IsWholeNumber(shown))
            m_lastWhole = shown;
    });
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
    return ValueOf(IsWholeNumber(shown) ? shown : m_lastWhole);
}

int TSuperSpinEditI::ValueOf(const QString& whole) const
{
    bool ok = false;
    const int value = whole.toInt(&ok, 10);
    if (ok)
        return value;
    // A whole number too long for an int is pulled to the nearer end.
    return Clamp(whole.startsWith(u'-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max());
}

void TSuperSpinEditI::SetValue(int value)
{
    setText(QString::number(Clamp(value)));
    m_lastWhole = text(); // also when the text was already this number
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
        MessageBeep();
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
        m_flat.PostArrowMove(event);
        event->accept();
        return;
    }
    if (IsCutOrPaste(event) && !AllowsCutAndPaste()) {
        event->accept();
        return;
    }
    if (m_flat.TakeEnterKey(event)) {
        event->accept();
        return;
    }
    m_flat.PostArrowMove(event);
    const std::optional<QChar> typed = FlatEditBehaviour::IsEnter(event) ? QChar(u'\r') : TypedCharacter(event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isReadOnly()) {
        MessageBeep();
        event->accept();
        return;
    }
    TypeCharacter(event, *typed);
}

void TSuperSpinEditI::TypeCharacter(QKeyEvent* event, QChar typed)
{
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString cased = typed.unicode() < 32
        ? QString(typed) : ApplyCaseMode(m_caseMode, QString(typed), text().left(caret), false, locale());
    if (!AcceptsCharacter(cased.front())) {
        MessageBeep();
        event->accept();
        return;
    }
    FlatEditBehaviour::SendWithText(event, cased == QString(typed) ? event->text() : cased,
                                    [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}

// A number changes only when the user changes it: text that is no whole
// number puts back the one before, with a beep, instead of becoming MinValue.
void TSuperSpinEditI::Leaving()
{
    if (!text().isEmpty() && !IsWholeNumber(text()))
        MessageBeep();
    SetValue(Value());
    // An OnExit handler, run right after this, may put a value outside the range back.
    QTimer::singleShot(0, this, &TSuperSpinEditI::ClampOnceMore);
}

void TSuperSpinEditI::ClampOnceMore()
{
    const int value = Value();
    if (Clamp(value) != value)
        SetValue(value);
}

void TSuperSpinEditI::SetOffice2k(bool on)
{
    m_flat.SetOffice2k(on);
    LayoutButtons();
}

int TSuperSpinEditI::MinimumFieldHeight() const
{
    const int fontHeight = QFontMetrics(font()).height();
    const int systemHeight = QFontMetrics(QApplication::font()).height();
    constexpr int BorderHeight = 1; // SM_CYBORDER
    return fontHeight + std::min(systemHeight, fontHeight) / 4 + 4 * BorderHeight + 2;
}

void TSuperSpinEditI::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    const int minimum = MinimumFieldHeight();
    // The new size holds at once; its own resize event may come only later.
    if (height() < minimum)
        resize(width(), minimum);
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
    // Flat: the pair covers the right border; 3D: it sits inside the frame.
    const int w = width();
    const int h = height();
    const int bw = m_buttons->width();
    if (m_flat.Office2k()) {
        m_buttons->setGeometry(w - bw, 1, bw, std::max(h - 3, 1));
    } else {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
        // (W - bw - 5, 0) in the client area, which starts inside the frame.
        m_buttons->setGeometry(w - frame - bw - 1, frame, bw, std::max(h - 5, 1));
    }
    setTextMargins(0, 0, bw + 2, 0);
}
