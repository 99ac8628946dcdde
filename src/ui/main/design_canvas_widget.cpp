#include "ui/main/design_canvas_widget.h"

#include "ui/core/editor.h"
#include "ui/core/event_guard.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

ShiftState ShiftStateOf(const QMouseEvent* event)
{
    ShiftState s;
    s.Left = event->buttons() & Qt::LeftButton;
    s.Right = event->buttons() & Qt::RightButton;
    s.Middle = event->buttons() & Qt::MiddleButton;
    s.Shift = event->modifiers() & Qt::ShiftModifier;
    s.Ctrl = event->modifiers() & Qt::ControlModifier;
    s.Alt = event->modifiers() & Qt::AltModifier;
    return s;
}

} // namespace

DesignCanvasWidget::DesignCanvasWidget(Editor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("Image"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DesignCanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = m_editor.Canvas().Image();
    painter.fillRect(event->rect(), palette().window());
    if (!image.isNull())
        painter.drawImage(event->rect().topLeft(), image, event->rect());
}

template <typename F>
void DesignCanvasWidget::Handle(F&& handler)
{
    Guarded(m_editor.Dialogs(), this, std::forward<F>(handler));
    m_editor.PublishCanvas();
}

void DesignCanvasWidget::mousePressEvent(QMouseEvent* event)
{
    Handle([&] { m_editor.Mouse().Press(event->position().toPoint()); });
}

void DesignCanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    Handle([&] { m_editor.Mouse().Move(event->position().toPoint(), ShiftStateOf(event)); });
}

void DesignCanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    {
        const GestureHold hold = m_editor.HoldGestures();
        Handle([&] { m_editor.Mouse().Release(event->position().toPoint()); });
    }
    // A move, a resize or a new button is one step.
    m_editor.EndGesture();
}

void DesignCanvasWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Handle([this] { m_editor.Mouse().LeavePointer(); });
}

void DesignCanvasWidget::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    // Qt sends no leave to a parent when the pointer enters its child: a window over
    // the canvas (the text area) must end the hover as leaving the canvas does.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool DesignCanvasWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        Handle([this] { m_editor.Mouse().LeavePointer(); });
    return QWidget::eventFilter(watched, event);
}
