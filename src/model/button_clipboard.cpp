#include "model/button_clipboard.h"

#include "model/project_loader.h"
#include "model/project_saver.h"
#include "platform/profile_file.h"

#include <QRect>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int DuplicateOffset = 10;

QRect BoundsOf(const std::vector<MenuButton>& buttons)
{
    QRect bounds;
    for (const MenuButton& b : buttons)
        bounds |= QRect(b.Left, b.Top, b.Width, b.Height);
    return bounds;
}

// The least move along one axis that brings [low, low + size) into [0, limit);
// a span larger than the menu goes to 0.
int MoveInto(int low, int size, int limit)
{
    if (low < 0 || size > limit)
        return -low;
    return std::min(0, limit - (low + size));
}

void MoveIntoMenu(std::vector<MenuButton>& buttons, const MainParams& menu)
{
    const QRect bounds = BoundsOf(buttons);
    const int dx = MoveInto(bounds.left(), bounds.width(), menu.SizeX);
    const int dy = MoveInto(bounds.top(), bounds.height(), menu.SizeY);
    for (MenuButton& b : buttons) {
        b.Left += dx;
        b.Top += dy;
    }
}

} // namespace

QByteArray ButtonsToText(const MenuProject& project, const std::vector<int>& chosen)
{
    ProfileFile ini;
    for (int slot : chosen)
        WriteMenuButton(ini, slot, project.Buttons[size_t(slot)]);
    return ini.ToBytes();
}

std::vector<MenuButton> ButtonsFromText(const QByteArray& text)
{
    ProfileFile ini;
    ini.Parse(text);
    static const QRegularExpression header(QStringLiteral("^\\s*\\[Button#(\\d{1,9})\\]"),
                                           QRegularExpression::MultilineOption |
                                               QRegularExpression::CaseInsensitiveOption);
    std::vector<MenuButton> buttons;
    std::vector<int> seen;
    for (auto it = header.globalMatch(QString::fromLatin1(text)); it.hasNext();) {
        const int slot = it.next().captured(1).toInt();
        // A section given twice is one section to a profile reader.
        if (std::find(seen.begin(), seen.end(), slot) != seen.end())
            continue;
        seen.push_back(slot);
        MenuButton b = ReadMenuButton(ini, slot);
        if (b.Used)
            buttons.push_back(b);
    }
    return buttons;
}

PasteOutcome PasteButtons(MenuProject& project, std::vector<MenuButton> buttons, int dx, int dy)
{
    for (MenuButton& b : buttons) {
        b.Left += dx;
        b.Top += dy;
    }
    if (!buttons.empty())
        MoveIntoMenu(buttons, project.Main);
    PasteOutcome outcome;
    for (const MenuButton& b : buttons) {
        const int slot = project.ChooseNewButtonSlot();
        if (slot < 0) {
            ++outcome.LeftOut;
            continue;
        }
        project.Buttons[size_t(slot)] = b;
        outcome.Slots.push_back(slot);
    }
    return outcome;
}

PasteOutcome DuplicateButtons(MenuProject& project, const std::vector<int>& chosen)
{
    // Through the text, so that a duplicate is exactly what a copy and a paste make.
    return PasteButtons(project, ButtonsFromText(ButtonsToText(project, chosen)), DuplicateOffset,
                        DuplicateOffset);
}
