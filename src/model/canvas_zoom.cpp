#include "model/canvas_zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<double, 10> Steps = {0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8};

int Floor(double value) { return int(std::floor(value)); }
int Ceil(double value) { return int(std::ceil(value)); }

} // namespace

int CanvasZoom::Percent() const { return int(std::lround(m_scale * 100)); }

void CanvasZoom::SetScale(double scale) { m_scale = std::clamp(scale, Smallest, Largest); }

void CanvasZoom::ZoomIn()
{
    const auto next = std::upper_bound(Steps.begin(), Steps.end(), m_scale + 1e-9);
    m_scale = next == Steps.end() ? Largest : *next;
}

void CanvasZoom::ZoomOut()
{
    const auto next = std::lower_bound(Steps.begin(), Steps.end(), m_scale - 1e-9);
    m_scale = next == Steps.begin() ? Smallest : *std::prev(next);
}

void CanvasZoom::Fit(const QSize& menu, const QSize& room)
{
    if (menu.isEmpty() || room.isEmpty())
        return;
    SetScale(std::min({1.0, double(room.width()) / menu.width(), double(room.height()) / menu.height()}));
}

QPoint CanvasZoom::ToMenu(QPointF onScreen) const
{
    return {Floor(onScreen.x() / m_scale), Floor(onScreen.y() / m_scale)};
}

QRect CanvasZoom::ToScreen(const QRect& r) const
{
    const QPoint topLeft(Floor(r.left() * m_scale), Floor(r.top() * m_scale));
    const QPoint pastEnd(Floor((double(r.left()) + r.width()) * m_scale),
                         Floor((double(r.top()) + r.height()) * m_scale));
    return QRect(topLeft, pastEnd - QPoint(1, 1));
}

QSize CanvasZoom::ToScreen(const QSize& s) const { return {Ceil(s.width() * m_scale), Ceil(s.height() * m_scale)}; }

QRect CanvasZoom::Covering(const QRect& r) const
{
    const QPoint topLeft = ToMenu(r.topLeft());
    const QPoint pastEnd(Ceil((double(r.left()) + r.width()) / m_scale), Ceil((double(r.top()) + r.height()) / m_scale));
    return QRect(topLeft, pastEnd - QPoint(1, 1));
}
