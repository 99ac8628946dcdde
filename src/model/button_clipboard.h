#pragma once
#include "model/menu_project.h"

#include <QByteArray>
#include <vector>

// Buttons on the clipboard as the text of their [Button#N] sections, written
// exactly as a save writes them, so that a paste works between two editors and
// the text can go into a text editor and back.
QByteArray ButtonsToText(const MenuProject& project, const std::vector<int>& chosen);

// The buttons of every [Button#N] section in the text, whatever N is, in the
// order of the text; sections that fail the slot-validity rule are left out, as
// a load drops them.
std::vector<MenuButton> ButtonsFromText(const QByteArray& text);

struct PasteOutcome {
    std::vector<int> Slots; // where the pasted buttons went, in the order given
    int LeftOut = 0;        // buttons that found no free slot
};

// Puts the buttons into the lowest free chosen new buttons may take, each moved by
// the offset. The rectangles stay where they are when all lie inside the menu;
// otherwise the group moves, as one, the least way that brings it inside (to the
// menu's top left when it is larger than the menu).
PasteOutcome PasteButtons(MenuProject& project, std::vector<MenuButton> buttons, int dx = 0, int dy = 0);

// The chosen' buttons pasted again, moved by (10, 10).
PasteOutcome DuplicateButtons(MenuProject& project, const std::vector<int>& chosen);
