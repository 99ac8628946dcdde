#pragma once
#include <QWidget>

class Editor;

// Shows the canvas bitmap and hands pointer events to mouse editing.
class DesignCanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit DesignCanvasWidget(Editor& editor, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    template <typename F>
    void Handle(F&& handler);

    Editor& m_editor;
};
