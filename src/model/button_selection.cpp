#include "model/button_selection.h"

#include "model/design_canvas.h"

std::vector<int> ButtonSelection::Slots() const
{
    std::vector<int> chosen;
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (m_slots.test(size_t(slot)))
            chosen.push_back(slot);
    return chosen;
}

void ButtonSelection::SelectOnly(int slot)
{
    m_slots.reset();
    m_current = -1;
    if (!IsSlot(slot))
        return;
    m_slots.set(size_t(slot));
    m_current = slot;
}

void ButtonSelection::Toggle(int slot)
{
    if (!IsSlot(slot))
        return;
    m_slots.flip(size_t(slot));
    if (m_slots.test(size_t(slot)))
        m_current = slot;
    else
        KeepCurrentOrLowest();
}

void ButtonSelection::SelectAllUsed(const MenuProject& project)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        m_slots.set(size_t(slot), project.Buttons[slot].Used);
    KeepCurrentOrLowest();
}

void ButtonSelection::SelectBand(const MenuProject& project, QPoint corner, QPoint opposite)
{
    // Normalised so that a band drawn up or to the left picks as one drawn down and right;
    // a band of one point still touches the button under it.
    const QRect band = QRect(corner, opposite).normalized();
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton& b = project.Buttons[slot];
        m_slots.set(size_t(slot), b.Used && ButtonRect(b).intersects(band));
    }
    KeepCurrentOrLowest();
}

void ButtonSelection::SelectSlots(const std::vector<int>& chosen)
{
    m_slots.reset();
    for (int slot : chosen)
        if (IsSlot(slot))
            m_slots.set(size_t(slot));
    m_current = -1;
    KeepCurrentOrLowest();
}

void ButtonSelection::Clear() { SelectOnly(-1); }

void ButtonSelection::KeepUsed(const MenuProject& project)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        if (!project.Buttons[slot].Used)
            m_slots.reset(size_t(slot));
    KeepCurrentOrLowest();
}

void ButtonSelection::KeepCurrentOrLowest()
{
    if (Contains(m_current))
        return;
    const std::vector<int> chosen = Slots();
    m_current = chosen.empty() ? -1 : chosen.front();
}
