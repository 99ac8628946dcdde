#pragma once
#include <QWidget>

class Editor;

// Shows the canvas bitmap and hands pointer events to mouse editing; takes the
// keyboard focus on a click, for the keys that move, resize and walk the selection.
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
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename F>
    void Handle(F&& handler);
    // An arrow key: moves, or with Alt resizes, the selection (false for other keys).
    bool ArrowKey(const QKeyEvent* event);
    void PressKey(const QKeyEvent* event);

    Editor& m_editor;
};
