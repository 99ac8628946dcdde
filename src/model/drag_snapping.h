#pragma once
#include <Qt>
#include <vector>

class MenuProject;

// How a drag snaps: to the other buttons' edges and centres and the menu's
// edges and centre lines within `Reach`, and to a grid when one is set.
struct SnapSettings {
    bool Enabled = false;
    double Reach = 4; // menu pixels: 4 screen pixels at the canvas's zoom
    int GridSize = 0; // 0: no grid to snap to
};

// A line something snapped to, for the canvas to show while the drag lasts.
struct SnapGuide {
    Qt::Orientation Orientation = Qt::Vertical; // vertical: the line x = Position
    double Position = 0;

    bool operator==(const SnapGuide&) const = default;
};

// The extent of the moved buttons along one axis, and which of its ends move.
struct SnapSpan {
    int Low = 0;  // left or top
    int High = 0; // left + width or top + height: the first pixel past the button
    bool LowMoves = false;
    bool HighMoves = false;
};

// Where the dragged edges would snap, given the buttons that stay.
class DragSnapper {
public:
    DragSnapper() = default;
    // The lines of the used buttons not in `moving`, and of the menu.
    DragSnapper(const MenuProject& project, const std::vector<int>& moving);

    struct Snap {
        int Shift = 0; // what to add to the moving ends
        std::vector<SnapGuide> Guides;
    };
    // A span whose both ends move shifts whole (its ends or centre snap); one
    // end moving snaps alone.
    Snap Along(Qt::Orientation axis, const SnapSpan& span, const SnapSettings& settings) const;

private:
    std::vector<double> m_lines[2]; // vertical lines' x, horizontal lines' y
};
