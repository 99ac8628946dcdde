#include "model/button_slot_order.h"

#include "model/mouse_editing.h"

#include <algorithm>

namespace {

// The used slots in their new order put back into the used slot numbers in ascending order.
SlotMap Reorder(MenuProject& project, const std::vector<int>& chosen, bool chosenFirst)
{
    std::vector<int> used;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (project.Buttons[size_t(slot)].Used)
            used.push_back(slot);
    auto isChosen = [&](int slot) { return std::find(chosen.begin(), chosen.end(), slot) != chosen.end(); };
    std::vector<int> order = used;
    std::stable_partition(order.begin(), order.end(),
                          [&](int slot) { return isChosen(slot) == chosenFirst; });
    SlotMap moved{};
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        moved[size_t(slot)] = slot;
    const auto before = project.Buttons;
    for (size_t i = 0; i < used.size(); ++i) {
        project.Buttons[size_t(used[i])] = before[size_t(order[i])];
        moved[size_t(order[i])] = used[i];
    }
    return moved;
}

} // namespace

SlotMap BringToTop(MenuProject& project, const std::vector<int>& chosen) { return Reorder(project, chosen, true); }

SlotMap SendToBottom(MenuProject& project, const std::vector<int>& chosen)
{
    return Reorder(project, chosen, false);
}

int ButtonAt(const MenuProject& project, QPoint at)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton& b = project.Buttons[size_t(slot)];
        if (b.Used && MouseEditing::PointInButton(at, b))
            return slot;
    }
    return -1;
}
