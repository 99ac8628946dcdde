#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

// How large the canvas shows the menu: from 25 % to 800 %, in steps, or the
// scale that fits the menu into the window. The project never sees it: every
// gesture is mapped back to menu pixels.
class CanvasZoom {
public:
    static constexpr double Smallest = 0.25;
    static constexpr double Largest = 8;

    double Scale() const { return m_scale; }
    int Percent() const;
    bool IsActualSize() const { return m_scale == 1; }
    void SetScale(double scale);
    // The next step up or down from the scale now (a fitted one included).
    void ZoomIn();
    void ZoomOut();
    void Reset() { m_scale = 1; }
    // The largest scale, at most 100 %, that shows all of `menu` in `room`.
    void Fit(const QSize& menu, const QSize& room);

    // The menu pixel under a point of the canvas widget.
    QPoint ToMenu(QPointF onScreen) const;
    // A menu position (pixel corners) on the screen.
    QPointF ToScreen(QPointF inMenu) const { return inMenu * m_scale; }
    // The screen pixels that show the menu pixels of `inMenu`.
    QRect ToScreen(const QRect& inMenu) const;
    QSize ToScreen(const QSize& inMenu) const;
    // The menu pixels that show on the screen rectangle, whole ones at its edges.
    QRect Covering(const QRect& onScreen) const;

private:
    double m_scale = 1;
};
