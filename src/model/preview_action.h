#pragma once
#include <QPoint>
#include <QString>

struct MenuButton;
class MenuProject;

// What a click on a menu button would do, told instead of done.
namespace PreviewAction {

// "RUN setup.exe /S", "Open manual.pdf", "Close the menu", ...
QString LineFor(const MenuButton& button);
// The used slot under the point; the lower-numbered one wins where buttons
// overlap. -1 when there is none.
int ButtonAt(const MenuProject& project, QPoint at);
// The sound for entering (over) or clicking a button: its own, else the project's.
QString SoundFor(const MenuProject& project, int slot, bool click);

} // namespace PreviewAction
