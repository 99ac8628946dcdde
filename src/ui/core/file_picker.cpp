#include "ui/core/file_picker.h"

#include "model/make_relative_path.h"
#include "platform/code_page.h"
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
    return StoredProjectName(editor, *chosen);
}

QString StoredProjectName(const Editor& editor, const QString& chosen)
{
    // A name the code page cannot hold would name a file that does not exist.
    const QString name = MakeRelativePath(chosen, editor.IniFileName());
    CodePage::Require(name);
    return name;
}

QString ProjectFolder(const Editor& editor) { return QFileInfo(editor.IniFileName()).path(); }
