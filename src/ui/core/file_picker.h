#pragma once
#include <QString>
#include <optional>

class Editor;
class QWidget;

// What one ".." button asks of the shared open-file dialog.
struct FilePicker {
    QString Title;
    QString Filter;
    bool StartsInProjectFolder;
};

// Runs the shared open-file dialog as every ".." button does and returns the
// picked name in its stored form (MakeRelativePath against the INI file box),
// or nothing when the user cancelled. Throws VyxError, naming the character,
// when the code page cannot hold the name. A starting folder set here is cleared
// after a pick but stays set after a cancel, as later pickers expect.
std::optional<QString> PickProjectFile(Editor& editor, QWidget* parent, const FilePicker& picker);

// The same in two halves, for a picker that looks at the file before it takes
// it: the picked file's absolute name (nothing when cancelled), then its stored form.
std::optional<QString> ChooseProjectFile(Editor& editor, QWidget* parent, const FilePicker& picker);
// A file's name in the form a picker stores (also for one dropped from a file
// manager): MakeRelativePath against the INI file box, held by the code page or
// refused with VyxError naming the character.
QString StoredProjectName(const Editor& editor, const QString& chosen);

// The folder of the INI file box's name.
QString ProjectFolder(const Editor& editor);
