#pragma once
#include <QImage>
#include <QRect>

struct MenuButton;
class MenuProject;

// The canvas bitmap and its drawing operations. Frames are exclusive-or dotted
// rectangles, so drawing one twice removes it.
class DesignCanvas {
public:
    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }
    // The bitmap without its frames, kept while the canvas is zoomed: frames then
    // show at screen resolution over it. A full redraw fills it after it is turned on.
    void KeepPlain(bool keep);
    const QImage& Plain() const { return m_keepPlain ? m_plain : m_image; }

    // Creates the bitmap at the first drawing; later calls keep the size.
    void EnsureCreated(int width, int height);
    // Re-creates the bitmap when its size differs.
    void Resize(int width, int height);
    // Replaces the bitmap (a new main background was picked).
    void ReplaceWith(const QImage& picture);

    void RedrawButton(const MenuButton& button);
    // The menu area the window shows; until set, the project's SizeX x SizeY.
    // A picked background shows at its size before the dialog stores SizeX/SizeY.
    void SetMenuSize(const QSize& size) { m_menuSize = size; }
    // Copies the menu area of the normal picture, blanks the rest and frames
    // every used slot.
    void RedrawCanvas(const MenuProject& project);
    // Copies the button's rectangle from a state picture (1:1).
    void PaintState(const MenuButton& button, const QImage& picture);
    // An exclusive-or dotted rectangle with exclusive right and bottom.
    void ToggleFrame(const QRect& rect);
    // The area last changed, for the widget to repaint.
    QRect TakeDirty();

private:
    void CopyRect(const QImage& source, QRect rect);
    void CopyRows(const QImage& source, const QRect& from, QPoint to);
    void FillBlank(const QRect& rect);
    void MarkDirty(const QRect& rect) { m_dirty |= rect; }
    // The bitmap and, while it is kept, the frameless one: pictures go into both.
    template <typename F>
    void ForEachLayer(F&& draw);

    QImage m_image;
    QImage m_plain;
    bool m_keepPlain = false;
    QRect m_dirty;
    QSize m_menuSize;
};

// The frame's rectangle: right = Left + Width - 1, bottom = Top + Height - 1
// (may be empty or inverted), never wrapped round by huge stored values.
QRect ButtonRect(const MenuButton& button);
