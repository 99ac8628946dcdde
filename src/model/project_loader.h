#pragma once
#include <QString>

class IniFileVersion;
class MenuProject;
class ProjectView;

// Reads a launcher INI file into the project in place, loads the three
// background pictures and reports every stage. Throws VyxError when a colour
// is not a number or a picture cannot be read; what was read by then stays.
// Makes the INI file's folder the current folder. `version`, when given, gets
// the file as it was read, before anything else can stop the load.
void LoadProject(MenuProject& project, const QString& iniName, ProjectView& view,
                 IniFileVersion* version = nullptr);
