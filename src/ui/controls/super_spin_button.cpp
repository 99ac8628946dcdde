#include "ui/controls/super_spin_button.h"

#include "ui/controls/super_timer_speed_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr int MinimumWidth = 15;

// Our own small arrows, used when no glyph is given.
QIcon ResourceGlyph(const QString& name)
{
    return QIcon(QStringLiteral(":/controls/") + name + QStringLiteral(".png"));
}

void ApplyGlyph(TSuperTimerSpeedButton* button, const QIcon& glyph, const QString& resourceName)
{
    const QIcon shown = glyph.isNull() ? ResourceGlyph(resourceName) : glyph;
    button->setIcon(shown);
    button->setIconSize(shown.availableSizes().value(0, QSize(7, 4)));
}

bool CanTakeFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisible();
}

} // namespace

TSuperSpinButton::TSuperSpinButton(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(MinimumWidth);
    m_upButton = CreateButton(QStringLiteral("UpButton"));
    m_downButton = CreateButton(QStringLiteral("DownButton"));
    SetUpGlyph({});
    SetDownGlyph({});
    connect(m_upButton, &TSuperTimerSpeedButton::clicked, this, &TSuperSpinButton::UpClick);
    connect(m_downButton, &TSuperTimerSpeedButton::clicked, this, &TSuperSpinButton::DownClick);
    m_focusedButton = m_upButton;
    resize(20, 25);
}

TSuperTimerSpeedButton* TSuperSpinButton::CreateButton(const QString& name)
{
    auto* button = new TSuperTimerSpeedButton(this);
    button->setObjectName(name);
    button->SetAllowTimer(true);
    button->installEventFilter(this);
    return button;
}

void TSuperSpinButton::SetUpGlyph(const QIcon& glyph)
{
    ApplyGlyph(m_upButton, glyph, QStringLiteral("SuperSpinUp"));
}

void TSuperSpinButton::SetDownGlyph(const QIcon& glyph)
{
    ApplyGlyph(m_downButton, glyph, QStringLiteral("SuperSpinDown"));
}

bool TSuperSpinButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        SetFocusedButton(watched == m_upButton ? m_upButton : m_downButton);
        TakeFocusOnPress();
    }
    return QWidget::eventFilter(watched, event);
}

void TSuperSpinButton::TakeFocusOnPress()
{
    if (m_focusControl && CanTakeFocus(m_focusControl)) {
        if (!m_focusControl->hasFocus())
            m_focusControl->setFocus(Qt::MouseFocusReason);
    } else if (CanTakeFocus(this)) {
        setFocus(Qt::MouseFocusReason);
    }
}

void TSuperSpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        m_focusedButton->click();
        break;
    case Qt::Key_Up:
        SetFocusedButton(m_upButton);
        m_upButton->click();
        break;
    case Qt::Key_Down:
        SetFocusedButton(m_downButton);
        m_downButton->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TSuperSpinButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    UpdateFocusRects();
}

void TSuperSpinButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    UpdateFocusRects();
}

void TSuperSpinButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutButtons();
}

void TSuperSpinButton::SetFocusedButton(TSuperTimerSpeedButton* button)
{
    m_focusedButton = button;
    UpdateFocusRects();
}

void TSuperSpinButton::UpdateFocusRects()
{
    m_upButton->SetFocusRect(hasFocus() && m_focusedButton == m_upButton);
    m_downButton->SetFocusRect(hasFocus() && m_focusedButton == m_downButton);
}

void TSuperSpinButton::LayoutButtons()
{
    const int w = std::max(width(), MinimumWidth);
    const int upHeight = height() / 2;
    m_upButton->setGeometry(0, 1, w, upHeight);
    // An odd height leaves one pixel less for the lower button.
    const int downHeight = (height() % 2 != 0) ? upHeight - 1 : upHeight;
    m_downButton->setGeometry(0, upHeight + 2, w, downHeight);
}
