#include "model/button_drag.h"

#include "model/menu_project.h"

#include <algorithm>
#include <limits>

namespace {

template <typename Box>
void Place(MenuButton& button, const Box& box)
{
    button.Left = box.Left;
    button.Top = box.Top;
    button.Width = box.Width;
    button.Height = box.Height;
}

} // namespace

void ButtonDrag::Start(const MenuProject& project, const std::vector<int>& dragged, int handleSides)
{
    End();
    m_handleSides = handleSides;
    for (int slot : dragged) {
        const MenuButton& b = project.Buttons[size_t(slot)];
        m_items.push_back({slot, {b.Left, b.Top, b.Width, b.Height}});
    }
    // The buttons that stay do not move while the drag lasts.
    m_snapper = DragSnapper(project, dragged);
}

void ButtonDrag::End()
{
    m_items.clear();
    m_guides.clear();
    m_handleSides = 0;
    m_left = m_top = m_right = m_bottom = 0;
}

std::vector<int> ButtonDrag::Slots() const
{
    std::vector<int> dragged;
    for (const Item& item : m_items)
        dragged.push_back(item.Slot);
    return dragged;
}

ButtonDrag::Box ButtonDrag::Moved(const Box& s) const
{
    Box b{s.Left + m_left, s.Top + m_top, s.Width + m_right - m_left, s.Height + m_bottom - m_top};
    // A handle never turns a button inside out: it stops at one pixel.
    if (m_handleSides && b.Width < 1) {
        if (m_handleSides & SideLeft)
            b.Left = s.Left + s.Width - 1;
        b.Width = 1;
    }
    if (m_handleSides && b.Height < 1) {
        if (m_handleSides & SideTop)
            b.Top = s.Top + s.Height - 1;
        b.Height = 1;
    }
    return b;
}

void ButtonDrag::Follow(MenuProject& project, QPoint travel, int sides, const SnapSettings& settings)
{
    m_left += (sides & SideLeft) ? travel.x() : 0;
    m_right += (sides & SideRight) ? travel.x() : 0;
    m_top += (sides & SideTop) ? travel.y() : 0;
    m_bottom += (sides & SideBottom) ? travel.y() : 0;
    for (const Item& item : m_items)
        Place(project.Buttons[size_t(item.Slot)], Moved(item.Start));
    m_guides.clear();
    if (!sides)
        return;
    for (Qt::Orientation axis : {Qt::Vertical, Qt::Horizontal}) {
        DragSnapper::Snap snap = m_snapper.Along(axis, SpanOf(project, axis, sides), settings);
        if (!Correct(project, axis, sides, snap.Shift))
            continue;
        m_guides.insert(m_guides.end(), snap.Guides.begin(), snap.Guides.end());
    }
}

// The moved buttons' outer extent along the axis, with the ends that move.
SnapSpan ButtonDrag::SpanOf(const MenuProject& project, Qt::Orientation axis, int sides) const
{
    const bool vertical = axis == Qt::Vertical; // vertical lines: left and right
    SnapSpan span{std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
                  bool(sides & (vertical ? SideLeft : SideTop)), bool(sides & (vertical ? SideRight : SideBottom))};
    for (const Item& item : m_items) {
        const MenuButton& b = project.Buttons[size_t(item.Slot)];
        const int low = vertical ? b.Left : b.Top;
        const int high = low + (vertical ? b.Width : b.Height);
        span.Low = std::min(span.Low, std::min(low, high));
        span.High = std::max(span.High, std::max(low, high));
    }
    return span;
}

// False when the snap would turn a button a handle resizes inside out: it is not taken.
bool ButtonDrag::Correct(MenuProject& project, Qt::Orientation axis, int sides, int shift) const
{
    const bool vertical = axis == Qt::Vertical;
    const bool low = sides & (vertical ? SideLeft : SideTop);
    const bool high = sides & (vertical ? SideRight : SideBottom);
    const int growth = (high && !low) ? shift : (low && !high) ? -shift : 0;
    for (const Item& item : m_items) {
        const MenuButton& b = project.Buttons[size_t(item.Slot)];
        if (m_handleSides && (vertical ? b.Width : b.Height) + growth < 1)
            return false;
    }
    for (const Item& item : m_items) {
        MenuButton& b = project.Buttons[size_t(item.Slot)];
        int& position = vertical ? b.Left : b.Top;
        int& extent = vertical ? b.Width : b.Height;
        if (low)
            position += shift;
        extent += growth;
    }
    return true;
}

void ButtonDrag::PutBack(MenuProject& project) const
{
    for (const Item& item : m_items)
        Place(project.Buttons[size_t(item.Slot)], item.Start);
}
