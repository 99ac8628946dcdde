#pragma once
#include <QRect>
#include <QRegion>
#include <array>

class Editor;
class QPainter;

// What the canvas draws over the bitmap at screen resolution, never into it: the
// frames while zoomed, the grid, the selection's outlines and handles, and the
// guides of a drag that snapped.
class CanvasOverlay {
public:
    explicit CanvasOverlay(Editor& editor) : m_editor(editor) {}

    // The outline runs this far outside a selected button, so that its frame stays in sight.
    static constexpr int OutlineGap = 2;
    static constexpr int HandleSize = 6;
    // Where the eight handles of a button's outline are (screen pixels): the
    // corners, then the middles of the top, bottom, left and right sides.
    static std::array<QRect, 8> HandlesOf(const QRect& button);
    // The sides each handle drags.
    static int SidesOfHandle(int handle);

    // The zoomed bitmap with its frames, over the exposed part of the widget.
    void PaintZoomed(QPainter& painter, const QRect& exposed) const;
    void PaintGrid(QPainter& painter, const QRect& exposed) const;
    void PaintSelection(QPainter& painter) const;
    void PaintGuides(QPainter& painter) const;
    // The widget pixels the selection and the guides cover now.
    QRegion Covered() const;
    // The sides of the selected button whose handle is under the point (0: none).
    int HandleAt(QPoint onScreen, int* slot) const;

private:
    QRect ScreenRectOf(int slot) const;
    QRect MenuOnScreen() const;
    QRect GuideLine(const struct SnapGuide& guide) const;

    Editor& m_editor;
};
