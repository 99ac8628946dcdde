#include "ui/main/canvas_drop.h"

#include "model/button_slot_order.h"
#include "model/dropped_file.h"
#include "platform/code_page.h"
#include "platform/vyx_error.h"
#include "ui/controls/file_name_drop.h"
#include "ui/core/alpha_mask_offer.h"
#include "ui/core/background_picture.h"
#include "ui/core/button_commands.h"
#include "ui/core/editor.h"
#include "ui/core/file_picker.h"
#include "ui/core/picture_conversion_offer.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <map>

namespace {

const QString DropCaption = QStringLiteral("Dropped file");

// The three background pictures: their names, the picture each loads, the step's label.
struct Background {
    QMessageBox::StandardButton Answer;
    const char* Choice;
    Text MainParams::*Name;
    QImage MenuProject::*Picture;
};

const std::array<Background, 3> Backgrounds = {{
    {QMessageBox::Yes, "&Normal", &MainParams::BackgroundFile, &MenuProject::NormalPicture},
    {QMessageBox::No, "&Over", &MainParams::BackOverFile, &MenuProject::OverPicture},
    {QMessageBox::Retry, "C&lick", &MainParams::BackClickFile, &MenuProject::ClickPicture},
}};

// A name for a button's file field; one longer than the field holds is refused, not cut.
Text ButtonFileName(const QString& storedName)
{
    const Text text = CodePage::FromUnicode(storedName);
    if (text.size() > MenuButton::TextCapacity)
        throw VyxError(QStringLiteral("%1 is longer than the %2 characters a button's file name can hold.")
                           .arg(storedName)
                           .arg(MenuButton::TextCapacity));
    return text;
}

} // namespace

void CanvasDrop::Drop(const QList<QUrl>& urls, QPoint at)
{
    const QString file = FileNameDrop::LocalFileOf(urls);
    if (file.isEmpty())
        return;
    const int slot = ButtonAt(m_editor.Project(), at);
    switch (UseOfDroppedFile(file, slot >= 0)) {
    case DroppedFileUse::Background: UseAsBackground(file, file); break;
    case DroppedFileUse::UnshownPicture:
        // Offered as the BMP or JPEG the player shows; declining drops nothing.
        if (const std::optional<QString> usable = OfferPlayerPicture(m_editor, &m_canvas, file))
            UseAsBackground(*usable, file);
        break;
    case DroppedFileUse::HelpFile: SetHelpFile(slot, StoredProjectName(m_editor, file)); break;
    case DroppedFileUse::Target: SetTarget(slot, StoredProjectName(m_editor, file)); break;
    case DroppedFileUse::Nothing:
        Tell(QStringLiteral("%1 is no BMP or JPEG picture. Drop a picture on empty canvas for a background, "
                            "or any file on a button for its target or help text.")
                 .arg(QFileInfo(file).fileName()));
        break;
    }
}

void CanvasDrop::UseAsBackground(const QString& file, const QString& dropped)
{
    const QString storedName = StoredProjectName(m_editor, file);
    std::map<QMessageBox::StandardButton, QString> labels;
    QMessageBox::StandardButtons buttons = QMessageBox::Cancel;
    for (const Background& b : Backgrounds) {
        labels[b.Answer] = QString::fromLatin1(b.Choice);
        buttons |= b.Answer;
    }
    const QMessageBox::StandardButton answer = m_editor.Dialogs().Ask(
        &m_canvas,
        QStringLiteral("Use %1 as the normal picture of the menu, the picture of a button under the pointer (over) "
                       "or that of a pressed button (click)?\nThe normal picture also gives the menu its size.")
            .arg(storedName),
        QStringLiteral("Background picture"), buttons, QMessageBox::Cancel, labels);
    const auto chosen = std::find_if(Backgrounds.begin(), Backgrounds.end(),
                                     [answer](const Background& b) { return b.Answer == answer; });
    if (chosen == Backgrounds.end())
        return;
    const std::optional<QImage> picture = LoadBackgroundPicture(m_editor, &m_canvas, storedName);
    if (!picture)
        return;
    MenuProject& project = m_editor.Project();
    project.Main.*chosen->Name = CodePage::FromUnicode(storedName);
    project.*chosen->Picture = *picture;
    if (chosen->Picture == &MenuProject::NormalPicture) {
        // As the picker and the dialog's OK together: the menu takes the picture's size.
        project.Main.SizeX = picture->width();
        project.Main.SizeY = picture->height();
        m_editor.SetDesignSize(picture->width(), picture->height());
    }
    m_editor.RedrawCanvas();
    if (chosen->Picture == &MenuProject::NormalPicture)
        OfferAlphaMask(m_editor, &m_canvas, dropped);
    m_editor.EndGesture(QStringLiteral("Background picture"));
}

void CanvasDrop::SetHelpFile(int slot, const QString& storedName)
{
    const Text name = ButtonFileName(storedName);
    m_editor.Buttons().Press(slot, false);
    m_editor.Project().Buttons[size_t(slot)].LoadInfo = name;
    ButtonEdited(QStringLiteral("Help file"));
}

void CanvasDrop::SetTarget(int slot, const QString& storedName)
{
    const Text name = ButtonFileName(storedName);
    m_editor.Buttons().Press(slot, false);
    MenuButton& b = m_editor.Project().Buttons[size_t(slot)];
    b.Params = name;
    b.Action = "RUN";
    // The verb the extension list gives, as the "Executing:" picker proposes it; none keeps the old one.
    if (const std::optional<QString> verb = m_editor.ExtActions().Lookup(storedName))
        b.ShellRunAction = CutToCapacity(CodePage::FromUnicode(*verb), MenuButton::TextCapacity);
    ButtonEdited(QStringLiteral("Target"));
}

void CanvasDrop::ButtonEdited(const QString& label)
{
    m_editor.RefreshButtonListIfShown();
    m_editor.ShowInButtonEditor();
    m_editor.EndGesture(label);
}

void CanvasDrop::Tell(const QString& text) { m_editor.Dialogs().ShowInformation(&m_canvas, text, DropCaption); }
