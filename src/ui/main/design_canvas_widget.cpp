#include "ui/main/design_canvas_widget.h"

#include "ui/core/editor.h"
#include "ui/core/event_guard.h"

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
    Handle([&] { m_editor.Mouse().Release(event->position().toPoint()); });
}

void DesignCanvasWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Handle([this] { m_editor.Mouse().LeavePointer(); });
}
