#include "ui/wizard/iso_image_maker.h"

#include "model/disc_image_request.h"
#include "model/project_check.h"
#include "model/project_file_check.h"
#include "platform/file_names.h"
#include "platform/iso_image_writer.h"
#include "ui/core/editor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

const QString Caption = QStringLiteral("Make ISO image");

// A long list would push the question off the screen.
constexpr int ShownFindings = 15;

QString FindingList(const CheckFindings& findings)
{
    QStringList lines;
    for (const CheckFinding& f : findings.mid(0, ShownFindings))
        lines << FindingLine(f);
    if (findings.size() > ShownFindings)
        lines << QStringLiteral("(%1 more)").arg(findings.size() - ShownFindings);
    return lines.join(u'\n');
}

} // namespace

IsoImageMaker::IsoImageMaker(Editor& editor, QWidget* parent) : m_editor(editor), m_parent(parent) {}

void IsoImageMaker::Make(const QString& cdRoot)
{
    DiscImageRequest request;
    request.CdRoot = cdRoot;
    request.CheckCdRoot();
    const std::optional<QString> image = AskImageFile(cdRoot);
    if (!image)
        return;
    request.ImageFile = *image;
    request.CheckPlaces();
    if (!AcceptFindings(CheckProject(request)) || !Write(request))
        return;
    m_editor.Dialogs().ShowInformation(m_parent, QStringLiteral("ISO image written: ") + request.ImageFile, Caption);
}

std::optional<QString> IsoImageMaker::AskImageFile(const QString& cdRoot)
{
    OpenFileRequest request;
    request.Title = Caption;
    request.Filter = QStringLiteral("ISO images (*.iso)|*.iso|All (*.*)|*.*");
    // Beside the CD root: inside it the image would take itself in.
    request.InitialDir = QFileInfo(QDir::cleanPath(AbsoluteName(cdRoot))).absolutePath();
    request.FileName = IsoImageWriter::DefaultVolumeLabel(cdRoot).toLower() + QStringLiteral(".iso");
    request.DefaultExt = QStringLiteral("iso");
    return m_editor.Dialogs().ExecuteSaveFile(m_parent, request);
}

CheckFindings IsoImageMaker::CheckProject(const DiscImageRequest& request)
{
    if (const std::optional<QString> ini = request.ProjectFile())
        return CheckProjectFile(*ini, request.CdRoot);
    if (m_editor.IniFileName().isEmpty())
        return {};
    return ProjectCheck(m_editor.Project(), AbsoluteName(m_editor.IniFileName()), request.CdRoot).Run();
}

bool IsoImageMaker::AcceptFindings(const CheckFindings& findings)
{
    if (!HasError(findings))
        return true;
    const QString text =
        QStringLiteral("The project has errors:\n\n%1\n\nMake the ISO image anyway?").arg(FindingList(findings));
    return m_editor.Dialogs().Ask(m_parent, text, Caption, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool IsoImageMaker::Write(const DiscImageRequest& request)
{
    QProgressDialog progress(QStringLiteral("Writing ") + request.ImageFile, QStringLiteral("Cancel"), 0, 100,
                             m_parent);
    progress.setObjectName(QStringLiteral("IsoProgress"));
    progress.setWindowTitle(Caption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumWidth(360); // room for the caption and a long path
    progress.setValue(0);
    progress.show(); // at once: even a short run shows what it writes
    // The events run between xorriso's reports, so the window repaints and Cancel answers.
    return IsoImageWriter::Write(request.CdRoot, request.ImageFile, request.Volume, [&progress](int percent) {
        progress.setValue(percent);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    }, request.LeftOut());
}
