#include "ui/core/file_picker.h"

#include "model/make_relative_path.h"
#include "ui/core/editor.h"

#include <QFileInfo>

std::optional<QString> PickProjectFile(Editor& editor, QWidget* parent, const FilePicker& picker)
{
    SharedDialogs& dialogs = editor.Dialogs();
    dialogs.OpenFile().Title = picker.Title;
    dialogs.OpenFile().Filter = picker.Filter;
    if (picker.StartsInProjectFolder)
        dialogs.OpenFile().InitialDir = ProjectFolder(editor);
    const std::optional<QString> chosen = dialogs.ExecuteOpenFile(parent);
    if (!chosen)
        return std::nullopt;
    if (picker.StartsInProjectFolder)
        dialogs.OpenFile().InitialDir.clear();
    return MakeRelativePath(*chosen, editor.IniFileName());
}

QString ProjectFolder(const Editor& editor) { return QFileInfo(editor.IniFileName()).path(); }
