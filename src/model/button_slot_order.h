#pragma once
#include "model/menu_project.h"

#include <QPoint>
#include <vector>

// The player tries the buttons in slot order and the first hit wins, so where
// buttons overlap the lower slot is the one on top. These move the chosen
// buttons to the front or the back of that order among the slots already in
// use: the set of used slot numbers stays, the chosen keep their order and so
// do the others, and free slots are not touched. Each returns, for every old
// slot, the one its button went to.
SlotMap BringToTop(MenuProject& project, const std::vector<int>& chosen);
SlotMap SendToBottom(MenuProject& project, const std::vector<int>& chosen);

// The button the player would take a click at the point for: the first used
// slot that holds the point (edges included, as mouse editing hits), or -1.
int ButtonAt(const MenuProject& project, QPoint at);
