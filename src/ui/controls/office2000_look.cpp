#include "ui/controls/office2000_look.h"

#include "ui/controls/draw_edge.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>
#include <array>
#include <exception>

namespace {

constexpr std::array<int, 9> EdgeFlagsOfType = {BDR_SUNKENOUTER, BDR_RAISEDINNER, BDR_SUNKENINNER,
                                                BDR_RAISEDOUTER, EDGE_BUMP,       EDGE_BUMP,
                                                EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};

void FrameRect(QPainter& painter, const QRect& r, const QColor& color)
{
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

TOffice2000Look::TOffice2000Look(QObject* owner) : QObject(owner) {}

TOffice2000Look::~TOffice2000Look() { Detach(); }

void TOffice2000Look::SetOffice2000(QWidget* control)
{
    Detach();
    m_control = control;
    if (!control)
        return;
    control->installEventFilter(this);
    control->setAttribute(Qt::WA_Hover);
    m_normalColor = ControlColor(control);
    UpdateColor();
    control->update();
}

void TOffice2000Look::SetEdgeType(TEdgeType type)
{
    m_edgeType = type;
    if (m_control)
        m_control->update();
}

void TOffice2000Look::Detach()
{
    if (m_control) {
        m_control->removeEventFilter(this);
        m_control->update();
    }
    m_control = nullptr;
    m_hot = false;
}

QColor TOffice2000Look::ControlColor(const QWidget* control)
{
    return control->palette().color(QPalette::Active, QPalette::Base);
}

void TOffice2000Look::SetControlColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, color); // every group, so a disabled control shows it too
    control->setPalette(palette);
}

void TOffice2000Look::UpdateColor()
{
    SetControlColor(m_control, m_control->isEnabled() ? m_normalColor : m_control->palette().color(QPalette::Button));
}

bool TOffice2000Look::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_control)
        return false;
    // Reacting never disturbs the control: drawing errors are swallowed.
    try {
        switch (event->type()) {
        case QEvent::Paint:
            PaintControlAndBorder(event);
            return true;
        case QEvent::EnabledChange:
            UpdateColor();
            m_control->update();
            break;
        case QEvent::HoverEnter:
        case QEvent::HoverLeave:
            m_hot = event->type() == QEvent::HoverEnter;
            m_control->update();
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            m_control->update();
            break;
        default:
            break;
        }
    } catch (const std::exception&) {
    }
    return false;
}

void TOffice2000Look::PaintControlAndBorder(QEvent* paint)
{
    // The control paints itself first (bypassing this filter), then the border goes over its frame.
    static_cast<QObject*>(m_control.data())->event(paint);
    DrawBorder();
}

void TOffice2000Look::DrawBorder()
{
    QPainter painter(m_control);
    const QPalette& palette = m_control->palette();
    const QColor buttonFace = palette.color(QPalette::Button);
    QRect r = m_control->rect();
    // The border's two pixels show the control's colour wherever no edge covers them.
    const QColor controlColor = ControlColor(m_control);
    FrameRect(painter, r, controlColor);
    FrameRect(painter, r.adjusted(1, 1, -1, -1), controlColor);
    if (!m_control->hasFocus() && !m_hot) {
        FrameRect(painter, r, buttonFace);
        r.adjust(1, 1, -1, -1);
        FrameRect(painter, r, m_control->isEnabled() ? buttonFace : QGuiApplication::palette().color(QPalette::Base));
        return;
    }
    r = DrawEdge(painter, r, EdgeFlagsOfType[m_edgeType], palette);
    if (m_edgeType == mpsSunkenOuter) {
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), buttonFace);
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), buttonFace);
    }
}
