#pragma once
#include "model/menu_project.h"

#include <vector>

// The Align and Size commands on two or more selected buttons. The lines and
// sizes come from the reference (the current button), which itself stays put.
enum class Alignment {
    Left,              // left edges on the reference's
    Right,             // right edges on the reference's
    Top,
    Bottom,
    HorizontalCentres, // centres straight above or below the reference's (same x)
    VerticalCentres,   // centres level with the reference's (same y)
    DistributeHorizontally, // equal gaps between the leftmost and the rightmost
    DistributeVertically,   // equal gaps between the topmost and the bottommost
    SameWidth,
    SameHeight,
    SameSize,
};

void AlignButtons(MenuProject& project, const std::vector<int>& chosen, int reference, Alignment how);
