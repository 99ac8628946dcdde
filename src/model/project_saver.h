#pragma once
#include <QString>

class IniFileVersion;
class MenuProject;
class ProfileFile;
class ProjectView;
struct MenuButton;

enum class SaveResult {
    Saved,
    // The temporary file was gone when it was to be renamed: nothing was moved.
    TemporaryFileMissing,
};

// Writes the project to iniName through iniName.tmp, keeping the previous file as
// iniName.bak (both beside the file replaced, which is a symlink's target when
// iniName is a symlink); iniName is made absolute in place. Throws
// VyxError("Unable to write to %s: reason") when the temporary file cannot be
// created or written, after logging it; no file is moved then.
// With a `version`, a file on disk that is no longer that version stops the save
// before anything is moved (VyxError "... was changed by another program ..."),
// and a save records the version it wrote.
// A read-only file is replaced only with `replaceReadOnly` (keeping its mode);
// otherwise the save throws ReadOnlyFileError before anything is written.
SaveResult SaveProject(MenuProject& project, QString& iniName, ProjectView& view,
                       IniFileVersion* version = nullptr, bool replaceReadOnly = false);

// One [Button#N] section as saving writes it (the form ReadMenuButton reads).
void WriteMenuButton(ProfileFile& ini, int slot, const MenuButton& button);
