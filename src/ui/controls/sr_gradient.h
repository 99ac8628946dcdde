#pragma once
#include "model/gradient_drawing.h"

#include <QWidget>

// The gradient panel: fills its parent (client alignment) and paints the
// shapes of its GradientDrawing. It covers its whole area itself, so the
// toolkit erases nothing behind it (the corners of gsEllipse show the parent).
class TSRGradient : public QWidget {
    Q_OBJECT
public:
    explicit TSRGradient(QWidget* parent = nullptr);

    const GradientDrawing& Drawing() const { return m_drawing; }

    TGradDirection Direction() const { return m_drawing.Direction(); }
    TEndColor EndColor() const { return m_drawing.EndColor(); }
    TStartColor StartColor() const { return m_drawing.StartColor(); }
    int StepWidth() const { return m_drawing.StepWidth(); }
    TGradStyle Style() const { return m_drawing.Style(); }

    void SetDirection(TGradDirection direction);
    void SetEndColor(TEndColor endColor);
    void SetStartColor(TStartColor startColor);
    void SetStepWidth(int stepWidth);
    void SetStyle(TGradStyle style);

    // Paints the shapes onto any paint device of the control's size.
    void PaintShapes(QPainter& painter) const;

signals:
    void Click();
    void DblClick();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMove(Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Every property repaints at once; the drawing rebuilds its palette where needed.
    template <typename T>
    void Set(void (GradientDrawing::*setter)(T), T value)
    {
        (m_drawing.*setter)(value);
        update();
    }

    GradientDrawing m_drawing;
};
