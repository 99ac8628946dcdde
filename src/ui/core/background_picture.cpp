#include "ui/core/background_picture.h"

#include "platform/file_names.h"
#include "platform/picture_loader.h"
#include "ui/core/editor.h"
#include "ui/core/file_picker.h"

std::optional<QImage> LoadBackgroundPicture(Editor& editor, QWidget* parent, const QString& storedName)
{
    SetCurrentFolder(ProjectFolder(editor));
    if (!StoredFileExists(storedName)) {
        editor.Dialogs().ShowError(parent, QStringLiteral("Nebyl nalezen soubor s pozadím"), QStringLiteral("Chyba"));
        return std::nullopt;
    }
    return PictureLoader::LoadPicture(LocalPathOf(storedName));
}
