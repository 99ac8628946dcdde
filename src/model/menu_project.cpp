#include "model/menu_project.h"

#include <utility>

void CustomShape::Clear()
{
    Points.fill(ShapePoint{});
    PointCount = 0;
}

SlotMap MenuProject::SortButtons()
{
    std::array<int, SlotCount> origin{}; // origin[slot] = the old slot now held there
    for (int i = 0; i < SlotCount; ++i)
        origin[i] = i;
    for (int i = 0; i < SlotCount - 1; ++i) {
        for (int j = i + 1; j < SlotCount; ++j) {
            const MenuButton& a = Buttons[i];
            const MenuButton& b = Buttons[j];
            if (b.Used && (!a.Used || b.Top < a.Top)) {
                std::swap(Buttons[i], Buttons[j]);
                std::swap(origin[i], origin[j]);
            }
        }
    }
    SlotMap moved{};
    for (int slot = 0; slot < SlotCount; ++slot)
        moved[origin[slot]] = slot;
    return moved;
}

int MenuProject::ChooseNewButtonSlot() const
{
    for (int slot = 0; slot < NewButtonSlots; ++slot)
        if (!Buttons[slot].Used)
            return slot;
    return -1;
}

void MenuProject::CreateButton(int slot, int32_t left, int32_t top, int32_t width, int32_t height)
{
    // A reused slot keeps nothing of the deleted button (its help file, sounds, targets).
    MenuButton& b = Buttons[slot];
    b = MenuButton{};
    b.Used = true;
    b.Left = left;
    b.Top = top;
    b.Width = width;
    b.Height = height;
    b.Name = "New Button";
    b.Action = "RUN";
    b.ShellRunAction = "Open";
}

int MenuProject::UsedButtonCount() const
{
    int count = 0;
    for (const MenuButton& b : Buttons)
        count += b.Used ? 1 : 0;
    return count;
}
