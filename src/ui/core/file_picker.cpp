#include "ui/core/file_picker.h"

#include "model/make_relative_path.h"
#include "platform/code_page.h"
#include "ui/core/editor.h"

#include <QFileInfo>

std::optional<QString> PickProjectFile(Editor& editor, QWidget* parent, const FilePicker& picker)
{
    const std::optional<QString> chosen = ChooseProjectFile(editor, parent, picker);
    if (!chosen)
        return std::nullopt;
    return StoredProjectName(editor, *chosen);
}

std::optional<QString> ChooseProjectFile(Editor& editor, QWidget* parent, const FilePicker& picker)
{
    SharedDialogs& dialogs = editor.Dialogs();
    dialogs.OpenFile().Title = picker.Title;
    dialogs.OpenFile().Filter = picker.Filter;
    if (picker.StartsInProjectFolder)
        dialogs.OpenFile().InitialDir = ProjectFolder(editor);
    const std::optional<QString> chosen = dialogs.ExecuteOpenFile(parent);
    if (chosen && picker.StartsInProjectFolder)
        dialogs.OpenFile().InitialDir.clear();
    return chosen;
}

QString StoredProjectName(const Editor& editor, const QString& absolutePath)
{
    // A name the code page cannot hold would name a file that does not exist.
    const QString name = MakeRelativePath(absolutePath, editor.IniFileName());
    CodePage::Require(name);
    return name;
}

QString ProjectFolder(const Editor& editor) { return QFileInfo(editor.IniFileName()).path(); }
