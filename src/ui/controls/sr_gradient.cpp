#include "ui/controls/sr_gradient.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

TSRGradient::TSRGradient(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void TSRGradient::SetDirection(TGradDirection direction) { Set(&GradientDrawing::SetDirection, direction); }

void TSRGradient::SetEndColor(TEndColor endColor) { Set(&GradientDrawing::SetEndColor, endColor); }

void TSRGradient::SetStartColor(TStartColor startColor) { Set(&GradientDrawing::SetStartColor, startColor); }

void TSRGradient::SetStepWidth(int stepWidth) { Set(&GradientDrawing::SetStepWidth, stepWidth); }

void TSRGradient::SetStyle(TGradStyle style) { Set(&GradientDrawing::SetStyle, style); }

void TSRGradient::PaintShapes(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const GradientShape& shape : m_drawing.Shapes(width(), height())) {
        const QColor color = QColor::fromRgb(shape.Color);
        const QSize size(shape.Second.x() - shape.First.x(), shape.Second.y() - shape.First.y());
        switch (shape.Shape) {
        case GradientShape::Kind::Rectangle:
            painter.fillRect(QRect(shape.First, size), color);
            break;
        case GradientShape::Kind::Ellipse:
            // A one-pixel outline around a box one smaller covers the exclusive box.
            painter.setPen(QPen(color, 1));
            painter.setBrush(color);
            painter.drawEllipse(QRect(shape.First, size - QSize(1, 1)));
            break;
        case GradientShape::Kind::Line:
            painter.setPen(QPen(color, shape.PenWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(shape.First, shape.Second);
            break;
        }
    }
}

bool TSRGradient::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TSRGradient::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintShapes(painter);
}

void TSRGradient::mousePressEvent(QMouseEvent* event)
{
    emit MouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TSRGradient::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMove(event->modifiers(), event->position().toPoint());
}

void TSRGradient::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), position);
    if (event->button() == Qt::LeftButton && rect().contains(position))
        emit Click();
}

void TSRGradient::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }
