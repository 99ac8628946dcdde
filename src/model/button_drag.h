#pragma once
#include "model/drag_snapping.h"

#include <QPoint>
#include <vector>

class MenuProject;

// The sides of a button a drag moves.
enum DragSide : int {
    SideLeft = 1,
    SideTop = 2,
    SideRight = 4,
    SideBottom = 8,
    SidesAll = SideLeft | SideTop | SideRight | SideBottom, // a move
    SidesFarCorner = SideRight | SideBottom,                // Shift+drag
};

// One drag of one or more buttons on the canvas: the pointer's travel is kept
// unsnapped and each step puts the buttons where that travel and the snapping
// say, so that snapping never accumulates and leaves no drift when let go.
class ButtonDrag {
public:
    // `handleSides`: a handle's sides, or 0 for a drag whose keys pick what moves.
    void Start(const MenuProject& project, const std::vector<int>& dragged, int handleSides);
    void End();
    bool Active() const { return !m_items.empty(); }
    int HandleSides() const { return m_handleSides; }
    std::vector<int> Slots() const;

    // The pointer moved by `travel` with `sides` following it; the buttons' rectangles
    // in the project are set anew from their starts.
    void Follow(MenuProject& project, QPoint travel, int sides, const SnapSettings& settings);
    // Every dragged button back where the drag found it.
    void PutBack(MenuProject& project) const;
    const std::vector<SnapGuide>& Guides() const { return m_guides; }

private:
    struct Box {
        int Left, Top, Width, Height;
    };
    struct Item {
        int Slot;
        Box Start;
    };
    Box Moved(const Box& start) const;
    SnapSpan SpanOf(const MenuProject& project, Qt::Orientation axis, int sides) const;
    bool Correct(MenuProject& project, Qt::Orientation axis, int sides, int shift) const;

    std::vector<Item> m_items;
    DragSnapper m_snapper;
    int m_handleSides = 0;
    // The unsnapped travel of each side since the press.
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    std::vector<SnapGuide> m_guides;
};
