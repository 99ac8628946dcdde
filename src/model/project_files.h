#pragma once
#include "model/menu_project.h"

#include <QString>
#include <vector>

// The file names a project stores and what Save As does with them when the
// project moves to another folder: pictures, sounds, help files, the icon, the
// buttons' programs and working folders, the extension actions' programs and
// the not-found programs. A name counts only when it is relative (no drive, no
// root, no ":" as in an address) and names something that exists in the
// project's folder; program names looked up elsewhere ("notepad.exe") and
// addresses are left as they are.
namespace ProjectFiles {

// One copy Save As makes to keep a relative name resolving in the new folder.
struct Copy {
    QString From; // the existing file (or folder) in the old folder
    QString To;   // the same relative place in the new folder
    bool Folder = false; // a working folder: made, not copied
    bool operator==(const Copy&) const = default;
};

// Every field of the project that may hold a file name: the program-wide ones
// and those of each used button.
std::vector<Text*> NameFields(MenuProject& project);
std::vector<const Text*> NameFields(const MenuProject& project);

// The stored name as a path in `folder`, when it is a relative name of an
// existing file or folder there; empty otherwise.
QString ResolvedIn(const QString& folder, const Text& storedName);

// What to copy so that every counted name resolves in `newFolder` as it does in
// `oldFolder`, each file once; the names stay as they are.
std::vector<Copy> CopiesFor(const MenuProject& project, const QString& oldFolder, const QString& newFolder);

// Rewrites every counted name relative to the new INI file (MakeRelativePath:
// relative when the file lies under the new folder, else its whole name), so
// that it names the same file from there. Returns how many names changed.
int RewriteNames(MenuProject& project, const QString& oldFolder, const QString& newIniFile);

// Whether two files hold the same bytes (both must be readable).
bool SameContent(const QString& a, const QString& b);

} // namespace ProjectFiles
