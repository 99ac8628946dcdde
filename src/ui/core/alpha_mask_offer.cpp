#include "ui/core/alpha_mask_offer.h"

#include "model/mask_builder.h"
#include "model/mask_file.h"
#include "platform/picture_converter.h"
#include "ui/core/editor.h"
#include "ui/core/read_only_question.h"

#include <QFileInfo>

namespace {

bool MayHoldTransparency(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"png" || suffix == u"webp";
}

} // namespace

bool OfferAlphaMask(Editor& editor, QWidget* parent, const QString& absolutePath)
{
    if (!MayHoldTransparency(absolutePath))
        return false;
    const QImage picture = PictureConverter::Read(absolutePath);
    if (!PictureConverter::HasTransparency(picture))
        return false;
    const QString maskName = MaskFile::NameFor(editor.IniFileName());
    MainParams& main = editor.Project().Main;
    QString question = QStringLiteral("%1 has transparent parts: make the window's mask %2 from them "
                                      "(opaque where alpha >= 128)?")
                           .arg(QFileInfo(absolutePath).fileName(), QFileInfo(maskName).fileName());
    if (main.UseCustomShape)
        question += QStringLiteral(" The custom shape is then no longer used.");
    SharedDialogs& dialogs = editor.Dialogs();
    if (dialogs.Ask(parent, question, QStringLiteral("Window mask"), QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::Yes) != QMessageBox::Yes)
        return false;
    const Region region = MaskBuilder::BuildFromAlpha(picture);
    if (region.IsEmpty()) {
        dialogs.ShowInformation(parent,
                                QStringLiteral("Nothing in %1 is opaque: no mask file written")
                                    .arg(QFileInfo(absolutePath).fileName()),
                                QStringLiteral("Window mask"));
        return false;
    }
    MaskFile::CheckReplaceable(maskName);
    if (!WriteAskingAboutReadOnly(dialogs, parent,
                                  [&](bool anyway) { MaskFile::Write(region, maskName, anyway); }))
        return false;
    if (main.UseCustomShape) {
        main.UseCustomShape = false;
        editor.ProjectFlagsChanged();
    }
    return true;
}
