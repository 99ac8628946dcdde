#pragma once
#include <QWidget>
#include <array>

class Editor;
class QPainter;

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
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Where an event's position is on the menu, in menu pixels.
    QPoint MenuPoint(QPointF widgetPosition) const;
    template <typename F>
    void Handle(F&& handler);
    // An arrow key: moves, or with Alt resizes, the selection (false for other keys).
    bool ArrowKey(const QKeyEvent* event);
    // The selection over the bitmap: an outline and eight handles per button.
    void PaintSelection(QPainter& painter) const;
    void PressKey(const QKeyEvent* event);
    // Ctrl held at the release of a band on empty canvas: it selects the buttons it
    // touches instead of drawing a new one.
    void SelectWithBand();

    Editor& m_editor;

public:
    // The outline runs this far outside a selected button, so that its frame stays in sight.
    static constexpr int OutlineGap = 2;
    static constexpr int HandleSize = 6;
    // Where the eight handles of a button's outline are (corners, then edge middles).
    static std::array<QRect, 8> HandlesOf(const QRect& button);
};
