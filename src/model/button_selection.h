#pragma once
#include "model/menu_project.h"

#include <QRect>
#include <bitset>
#include <vector>

// The buttons picked on the canvas: a set of chosen and the current one, which
// the button editor shows. The current button, when there is one, is always in
// the set.
class ButtonSelection {
public:
    bool Contains(int slot) const { return IsSlot(slot) && m_slots.test(size_t(slot)); }
    bool IsEmpty() const { return m_slots.none(); }
    int Count() const { return int(m_slots.count()); }
    // -1 when nothing is selected.
    int Current() const { return m_current; }
    // The selected chosen in slot order.
    std::vector<int> Slots() const;

    // Only this slot, made current (a plain click); -1 clears.
    void SelectOnly(int slot);
    // A selected slot becomes the current one; nothing else changes.
    void MakeCurrent(int slot)
    {
        if (Contains(slot))
            m_current = slot;
    }
    // Adds the slot and makes it current, or takes it out; the current one then
    // passes to the lowest slot left.
    void Toggle(int slot);
    // Every used button; the current one stays, or the lowest slot becomes it.
    void SelectAllUsed(const MenuProject& project);
    // The used buttons the band touches (its corners in either order, edges
    // included); the lowest becomes current when the current one is not among them.
    void SelectBand(const MenuProject& project, QPoint corner, QPoint opposite);
    // The chosen as they are, the lowest current (after a paste or a duplicate).
    void SelectSlots(const std::vector<int>& chosen);
    void Clear();
    // Drops chosen no longer used (after a delete, an undo, a load).
    void KeepUsed(const MenuProject& project);

private:
    static bool IsSlot(int slot) { return slot >= 0 && slot < MenuProject::SlotCount; }
    void KeepCurrentOrLowest();

    std::bitset<MenuProject::SlotCount> m_slots;
    int m_current = -1;
};
