#pragma once
#include "ui/main/canvas_overlay.h"

#include <QWidget>
#include <optional>

class Editor;

// Shows the canvas bitmap at the editor's zoom and hands pointer events to mouse
// editing in menu pixels; takes the keyboard focus on a click, for the keys that
// move, resize and walk the selection.
class DesignCanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit DesignCanvasWidget(Editor& editor, QWidget* parent = nullptr);

    // The menu pixel under a point of the widget.
    QPoint MenuPoint(QPointF widgetPosition) const;
    // Repaints what shows that part of the bitmap (menu pixels).
    void UpdateMenuArea(const QRect& inMenu);
    // The menu pixel under the pointer, while it is over the canvas.
    std::optional<QPoint> Pointer() const { return m_pointer; }

signals:
    // Ctrl+wheel: one step in or out, keeping the menu point under `at` (widget pixels) there.
    void ZoomRequested(QPointF at, bool in);
    // The pointer moved, or something it shows changed: the status line follows.
    void Shown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    template <typename F>
    void Handle(F&& handler);
    void Press(const QMouseEvent* event);
    // An arrow key: moves, or with Alt resizes, the selection (false for other keys).
    bool ArrowKey(const QKeyEvent* event);
    void PressKey(const QKeyEvent* event);
    // Ctrl held at the release of a band on empty canvas: it selects the buttons it
    // touches instead of drawing a new one.
    void SelectWithBand();
    // The resize arrows over a handle, the plain arrow elsewhere.
    void ShowHandleCursor(QPoint onScreen);

    Editor& m_editor;
    CanvasOverlay m_overlay;
    std::optional<QPoint> m_pointer;
};
