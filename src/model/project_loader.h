#pragma once
#include <QString>

class IniFileVersion;
class MenuProject;
class ProfileFile;
class ProjectView;
struct MenuButton;

// Reads a launcher INI file into the project in place, loads the three
// background pictures and reports every stage. Throws VyxError when a colour
// is not a number or a picture cannot be read; what was read by then stays.
// Makes the INI file's folder the current folder. `version`, when given, gets
// the file as it was read, before anything else can stop the load.
void LoadProject(MenuProject& project, const QString& iniName, ProjectView& view,
                 IniFileVersion* version = nullptr);

// The project as loading a file that holds nothing makes it (the default title,
// no pictures, no buttons, no shape; the code page chosen as a load chooses it),
// with the given menu size. Reads and writes no file.
void ResetToNewProject(MenuProject& project, int sizeX, int sizeY);

// One [Button#N] section as loading reads it; Used is the validity rule's verdict
// (a slot that fails it is dropped).
MenuButton ReadMenuButton(const ProfileFile& ini, int slot);
