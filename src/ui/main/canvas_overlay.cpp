#include "ui/main/canvas_overlay.h"

#include "model/button_drag.h"
#include "model/design_canvas.h"
#include "model/zoomed_canvas.h"
#include "ui/core/button_commands.h"
#include "ui/core/editor.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {

const QColor Accent(0, 120, 215);
const QColor GuideColor(255, 0, 200);
const QColor GridColor(128, 128, 128, 90);
// Closer than this on the screen the grid would hide the menu.
constexpr int SparsestGrid = 4;

} // namespace

std::array<QRect, 8> CanvasOverlay::HandlesOf(const QRect& button)
{
    const QRect o = button.adjusted(-OutlineGap, -OutlineGap, OutlineGap, OutlineGap);
    const QPoint points[8] = {o.topLeft(),    o.topRight(),        o.bottomLeft(),       o.bottomRight(),
                              {o.center().x(), o.top()}, {o.center().x(), o.bottom()}, {o.left(), o.center().y()},
                              {o.right(), o.center().y()}};
    std::array<QRect, 8> handles;
    for (int i = 0; i < 8; ++i)
        handles[size_t(i)] = QRect(points[i] - QPoint(HandleSize / 2, HandleSize / 2), QSize(HandleSize, HandleSize));
    return handles;
}

int CanvasOverlay::SidesOfHandle(int handle)
{
    static constexpr int Sides[8] = {SideLeft | SideTop,    SideRight | SideTop, SideLeft | SideBottom,
                                     SideRight | SideBottom, SideTop,             SideBottom,
                                     SideLeft,               SideRight};
    return Sides[handle];
}

QRect CanvasOverlay::ScreenRectOf(int slot) const
{
    return m_editor.Zoom().ToScreen(ButtonRect(m_editor.Project().Buttons[size_t(slot)]).normalized());
}

QRect CanvasOverlay::MenuOnScreen() const
{
    const MenuProject& project = m_editor.Project();
    return m_editor.Zoom().ToScreen(QRect(0, 0, project.Main.SizeX, project.Main.SizeY));
}

void CanvasOverlay::PaintZoomed(QPainter& painter, const QRect& exposed) const
{
    std::vector<QRect> frames;
    const MenuProject& project = m_editor.Project();
    for (const MenuButton& b : project.Buttons)
        if (b.Used)
            frames.push_back(ButtonRect(b).normalized());
    if (m_editor.Mouse().BandShown())
        frames.push_back(m_editor.Mouse().Band());
    PaintZoomedCanvas(painter, m_editor.Canvas().Plain(), m_editor.Zoom(), exposed, frames);
}

void CanvasOverlay::PaintGrid(QPainter& painter, const QRect& exposed) const
{
    const CanvasGrid& grid = m_editor.Grid();
    const double step = grid.Size * m_editor.Zoom().Scale();
    if (!grid.Shown || step < SparsestGrid)
        return;
    const QRect area = exposed & MenuOnScreen();
    painter.save();
    painter.setPen(QPen(GridColor, 1));
    for (double x = std::ceil(area.left() / step) * step; x <= area.right(); x += step)
        painter.drawLine(QPointF(std::floor(x), area.top()), QPointF(std::floor(x), area.bottom()));
    for (double y = std::ceil(area.top() / step) * step; y <= area.bottom(); y += step)
        painter.drawLine(QPointF(area.left(), std::floor(y)), QPointF(area.right(), std::floor(y)));
    painter.restore();
}

void CanvasOverlay::PaintSelection(QPainter& painter) const
{
    const ButtonSelection& selection = m_editor.Buttons().Selection();
    if (selection.IsEmpty())
        return;
    painter.save();
    // Only over the menu: the canvas past a narrow menu's edge is no part of it.
    painter.setClipRect(MenuOnScreen());
    for (int slot : selection.Slots()) {
        const QRect button = ScreenRectOf(slot);
        painter.setPen(QPen(Accent, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(button.adjusted(-OutlineGap, -OutlineGap, OutlineGap - 1, OutlineGap - 1));
        // The current button's handles are filled: it is the one the button editor shows.
        painter.setPen(QPen(Accent, 1));
        painter.setBrush(slot == selection.Current() ? QBrush(Accent) : QBrush(Qt::white));
        for (const QRect& handle : HandlesOf(button))
            painter.drawRect(handle.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

QRect CanvasOverlay::GuideLine(const SnapGuide& guide) const
{
    const QRect menu = MenuOnScreen();
    const int at = int(std::lround(guide.Position * m_editor.Zoom().Scale()));
    return guide.Orientation == Qt::Vertical ? QRect(at, menu.top(), 1, menu.height())
                                             : QRect(menu.left(), at, menu.width(), 1);
}

void CanvasOverlay::PaintGuides(QPainter& painter) const
{
    for (const SnapGuide& guide : m_editor.Mouse().Guides())
        painter.fillRect(GuideLine(guide), GuideColor);
}

QRegion CanvasOverlay::Covered() const
{
    QRegion covered;
    const int reach = OutlineGap + HandleSize;
    for (int slot : m_editor.Buttons().Selection().Slots())
        covered |= ScreenRectOf(slot).adjusted(-reach, -reach, reach, reach);
    for (const SnapGuide& guide : m_editor.Mouse().Guides())
        covered |= GuideLine(guide);
    return covered;
}

int CanvasOverlay::HandleAt(QPoint onScreen, int* slot) const
{
    const ButtonSelection& selection = m_editor.Buttons().Selection();
    std::vector<int> chosen = selection.Slots();
    // The current button's handles come first where two selections' handles meet.
    std::stable_partition(chosen.begin(), chosen.end(), [&](int s) { return s == selection.Current(); });
    for (int s : chosen) {
        const std::array<QRect, 8> handles = HandlesOf(ScreenRectOf(s));
        for (int i = 0; i < 8; ++i)
            if (handles[size_t(i)].contains(onScreen)) {
                *slot = s;
                return SidesOfHandle(i);
            }
    }
    return 0;
}
