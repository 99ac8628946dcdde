#include "ui/core/editor.h"

#include "model/check_finding_target.h"
#include "model/design_size.h"
#include "model/project_check.h"
#include "model/project_loader.h"
#include "model/web_page_export.h"
#include "ui/core/event_guard.h"
#include "ui/core/read_only_question.h"
#include "platform/file_names.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <algorithm>

namespace {
const QString WebPageCaption = QStringLiteral("Export web page");
} // namespace

Editor::Editor()
    : m_project(std::make_unique<MenuProject>()), m_mouse(*m_project, m_canvas, *this)
{
}

Editor::~Editor() = default;

void Editor::SetIniFileName(const QString& name)
{
    m_iniFileName = name;
    if (m_mainWindow)
        m_mainWindow->SetIniFileName(name);
}

void Editor::OpenProject()
{
    // The rubber band and the over state belong to the canvas of the old project.
    m_mouse.ClearBand();
    // Loading changes the current folder; a relative name in the box would then name another file.
    SetIniFileName(AbsoluteName(m_iniFileName));
    m_failedLoadName = m_iniFileName; // until the load ends without an error
    // A load that stops half-way has replaced the project all the same.
    try {
        LoadProject(*m_project, m_iniFileName, *this, &m_fileVersion);
    } catch (...) {
        ProjectReplaced();
        throw;
    }
    m_failedLoadName.clear();
    ProjectReplaced();
}

void Editor::ProjectReplaced()
{
    m_lastLoadedOrSaved.Take(*m_project);
    // The editor must not write the old project's button into the new one.
    if (m_buttonEditor)
        m_buttonEditor->ProjectLoaded();
    if (m_checkWindow)
        m_checkWindow->ProjectLoaded();
}

bool Editor::KeepWorkBeforeOpen(QWidget* parent)
{
    if (!m_lastLoadedOrSaved.Differs(*m_project))
        return true;
    const auto answer = m_dialogs.Ask(parent, QStringLiteral("Save changes?"), QStringLiteral("Opening..."),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::No)
        return true;
    return answer == QMessageBox::Yes && SaveWithReport(parent);
}

bool Editor::ConfirmSaveOverFailedLoad(QWidget* parent)
{
    if (m_failedLoadName.isEmpty() || AbsoluteName(m_iniFileName) != m_failedLoadName)
        return true;
    const QString text = QStringLiteral("%1 did not load completely. Saving writes only what was read over the "
                                        "whole file. Save anyway?")
                             .arg(m_failedLoadName);
    return m_dialogs.Ask(parent, text, QStringLiteral("Confirm"), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

SaveResult Editor::SaveCurrentProject(bool replaceReadOnly)
{
    // The absolute name goes back into the box even when writing then fails.
    QString name = m_iniFileName;
    try {
        const SaveResult result = SaveProject(*m_project, name, *this, &m_fileVersion, replaceReadOnly);
        SetIniFileName(name);
        if (result == SaveResult::Saved)
            m_lastLoadedOrSaved.Take(*m_project);
        return result;
    } catch (...) {
        SetIniFileName(name);
        throw;
    }
}

bool Editor::SaveWithReport(QWidget* parent)
{
    if (!ConfirmSaveOverFailedLoad(parent))
        return false;
    bool saved = false;
    Guarded(m_dialogs, parent, [&] {
        const OutsideChange change = AskAboutOutsideChange(parent);
        if (change == OutsideChange::Reloaded || change == OutsideChange::Cancelled)
            return;
        std::optional<SaveResult> result;
        if (!WriteAskingAboutReadOnly(m_dialogs, parent, [&](bool anyway) { result = SaveCurrentProject(anyway); }))
            return;
        if (result == SaveResult::TemporaryFileMissing)
            m_dialogs.ShowError(parent, QStringLiteral("Error when saving INI file"), QStringLiteral("Error"));
        else
            saved = true;
        if (saved && m_iniFileName == m_failedLoadName)
            m_failedLoadName.clear(); // the file now holds the whole project
    });
    return saved;
}

Editor::OutsideChange Editor::AskAboutOutsideChange(QWidget* parent)
{
    const QString name = AbsoluteName(m_iniFileName);
    if (!m_fileVersion.ChangedOnDisk(name))
        return OutsideChange::None;
    const QScopedValueRollback asking(m_asking, true);
    m_askedAbout = IniFileVersion::OnDisk(name);
    const auto answer = m_dialogs.Ask(parent, IniFileVersion::ChangedQuestion(name), QStringLiteral("Confirm"),
                                      QMessageBox::Save | QMessageBox::Reset | QMessageBox::Cancel, QMessageBox::Cancel,
                                      {{QMessageBox::Save, QStringLiteral("Overwrite")},
                                       {QMessageBox::Reset, QStringLiteral("Reload")}});
    if (answer == QMessageBox::Save) {
        m_fileVersion = m_askedAbout; // the file as it is now is what the user chose to replace
        return OutsideChange::Overwrite;
    }
    if (answer == QMessageBox::Reset) {
        OpenProject();
        return OutsideChange::Reloaded;
    }
    return OutsideChange::Cancelled;
}

void Editor::NoticeOutsideChange(QWidget* parent)
{
    if (m_asking)
        return;
    Guarded(m_dialogs, parent, [&] {
        // One question per outside change: activation comes back each time a box closes.
        if (IniFileVersion::OnDisk(AbsoluteName(m_iniFileName)) == m_askedAbout)
            return;
        if (AskAboutOutsideChange(parent) == OutsideChange::Overwrite)
            SaveWithReport(parent);
    });
}

void Editor::SortButtonsCommand()
{
    ButtonsSorted(m_project->SortButtons());
}

void Editor::DesignCommand()
{
    m_shapeBackgroundPending = true;
    RedrawCanvas();
    if (m_shapeWindow)
        m_shapeWindow->ShowShapeWindow();
}

void Editor::MaskCommand(QWidget* parent)
{
    if (!m_maskMaker)
        return;
    const auto answer = m_dialogs.Ask(parent, QStringLiteral("Use background image?"), QStringLiteral("Question"),
                                      QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_maskMaker->UsePicture(m_project->NormalPicture);
    m_maskMaker->ShowMaskMaker();
}

void Editor::ToggleStatusWindow()
{
    if (!m_statusWindow)
        return;
    if (m_statusWindow->IsShown() && !m_statusWindow->IsCovered())
        m_statusWindow->HideStatus();
    else
        m_statusWindow->ShowStatus();
}

void Editor::ShowButtonList()
{
    RefreshButtonList();
    if (m_buttonList)
        m_buttonList->ShowList();
}

void Editor::HideToolWindows()
{
    if (m_buttonEditor && m_buttonEditor->IsShown())
        m_buttonEditor->HideEditor();
    if (m_buttonList && m_buttonList->IsShown())
        m_buttonList->HideList();
    if (m_shapeWindow && m_shapeWindow->IsShown())
        m_shapeWindow->HideShapeWindow();
    if (m_maskMaker && m_maskMaker->IsShown())
        m_maskMaker->HideMaskMaker();
}

void Editor::ShowHelpTopic(const QString& topic)
{
    if (m_help)
        m_help->ShowTopic(topic);
}

void Editor::ShowHelpContext(int context)
{
    if (m_help)
        m_help->ShowContext(context);
}

void Editor::ShowParamsDialog(int page)
{
    if (m_params)
        m_params->OpenParams(page);
}

void Editor::OpenAutorunWizard()
{
    if (m_autorunWizard)
        m_autorunWizard->OpenWizard();
}

void Editor::PreviewCommand()
{
    if (m_preview)
        m_preview->ShowPreview();
}

void Editor::CheckCommand()
{
    if (m_checkWindow)
        m_checkWindow->ShowCheck();
}

bool Editor::ExportWebPage(QWidget* parent)
{
    const QString projectFolder = QFileInfo(AbsoluteName(m_iniFileName)).absolutePath();
    const std::optional<QString> folder = m_dialogs.ExecuteFolder(parent, WebPageCaption, projectFolder);
    if (!folder)
        return false;
    return WriteWebPage(parent, *folder, m_autorunWizard ? m_autorunWizard->CdRootFolder() : QString());
}

bool Editor::WriteWebPage(QWidget* parent, const QString& folder, const QString& cdRoot)
{
    return Guarded(m_dialogs, parent, [&] {
        const CheckFindings problems = WebPageExport::Write(*m_project, m_iniFileName, folder, cdRoot);
        QString text = QStringLiteral("Web page written: %1/index.html").arg(QDir::cleanPath(folder));
        constexpr int Shown = 15; // what a box holds; vyxtool html lists them all
        for (qsizetype i = 0; i < std::min<qsizetype>(problems.size(), Shown); ++i)
            text += (i == 0 ? QStringLiteral("\n\nNot shown or linked:\n") : QStringLiteral("\n")) + problems[i].Line();
        if (problems.size() > Shown)
            text += QStringLiteral("\n... and %1 more").arg(problems.size() - Shown);
        m_dialogs.ShowInformation(parent, text, WebPageCaption);
    });
}

CheckFindings Editor::CheckProject() const
{
    // The CD root chosen in the autorun wizard adds the disc's own findings;
    // without one the check takes the project folder for the disc's root.
    const QString cdRoot = m_autorunWizard ? m_autorunWizard->CdRootFolder() : QString();
    return ProjectCheck(*m_project, m_iniFileName, cdRoot).Run();
}

void Editor::GoToFinding(const CheckFinding& finding)
{
    const CheckFindingTarget target = CheckFindingTarget::Of(finding);
    switch (target.What) {
    case CheckFindingTarget::Kind::Button:
        if (!m_project->Buttons[target.Slot].Used)
            return; // the project changed since the check
        PickButton(target.Slot);
        ShowButtonEditor();
        LoadButtonEditor();
        break;
    case CheckFindingTarget::Kind::ParamsPage:
        ShowParamsDialog(target.Page);
        break;
    case CheckFindingTarget::Kind::ShapeWindow:
        DesignCommand();
        break;
    case CheckFindingTarget::Kind::AutorunWizard:
        OpenAutorunWizard();
        break;
    case CheckFindingTarget::Kind::None:
        break;
    }
}

void Editor::RedrawButton(int slot)
{
    m_canvas.RedrawButton(m_project->Buttons[slot]);
    PublishCanvas();
}

void Editor::PickButton(int slot)
{
    m_mouse.PickButton(slot);
    PublishCanvas();
}

void Editor::RefreshButtonList()
{
    if (m_buttonList)
        m_buttonList->RefreshButtonList();
}

void Editor::PublishCanvas()
{
    const QRect dirty = m_canvas.TakeDirty();
    if (m_mainWindow && !dirty.isEmpty())
        m_mainWindow->CanvasChanged(dirty);
}

void Editor::SetStatus(const QString& text)
{
    if (m_statusWindow)
        m_statusWindow->SetStatus(text);
}

void Editor::AddLine(const QString& text)
{
    if (m_statusWindow)
        m_statusWindow->AddLine(text);
}

void Editor::AddWarning(const QString& text)
{
    if (m_statusWindow)
        m_statusWindow->AddWarning(text);
}

void Editor::ClearLog()
{
    if (m_statusWindow)
        m_statusWindow->ClearLog();
}

void Editor::ShowStatus()
{
    if (m_statusWindow)
        m_statusWindow->ShowStatus();
}

void Editor::HideStatus()
{
    if (m_statusWindow)
        m_statusWindow->HideStatus();
}

void Editor::CloseStatus()
{
    if (m_statusWindow)
        m_statusWindow->CloseStatus();
}

void Editor::MainWindowActivated()
{
    if (!m_statusWindow)
        return;
    if (m_statusWindow->WarningsShown() && !m_statusWindow->IsShown())
        m_statusWindow->ShowStatus();
    else
        m_statusWindow->KeepAbove();
}

bool Editor::WarningsShown() const { return m_statusWindow && m_statusWindow->WarningsShown(); }

void Editor::SetApplicationTitle(const QString& title)
{
    if (m_mainWindow)
        m_mainWindow->SetApplicationTitle(title);
}

void Editor::SetWindowCaption(const QString& caption) { SetCaption(caption); }

void Editor::SetDesignSize(int sizeX, int sizeY)
{
    // Whoever calls, the window and the canvas stay within a picture's limits.
    const QSize size = BoundedDesignSize(sizeX, sizeY);
    // A later project of another size gets a canvas of its own size.
    m_canvas.Resize(std::max(size.width(), 634), size.height());
    m_canvas.SetMenuSize(size);
    if (m_mainWindow)
        m_mainWindow->SetDesignSize(size.width(), size.height());
}

void Editor::ProjectFlagsChanged()
{
    if (m_mainWindow)
        m_mainWindow->ProjectFlagsChanged();
}

void Editor::TextInfoLoaded()
{
    if (m_mainWindow)
        m_mainWindow->TextInfoLoaded();
}

void Editor::RedrawCanvas()
{
    const MainParams& main = m_project->Main;
    m_canvas.EnsureCreated(std::max(main.SizeX, 634), main.SizeY);
    m_canvas.RedrawCanvas(*m_project);
    if (m_shapeBackgroundPending) {
        // The whole picture: the shape window cuts it to the menu size and
        // paints what a smaller picture lacks white, as the canvas does.
        m_shapePicture = m_project->NormalPicture;
        m_shapeBackgroundPending = false;
        if (m_shapeWindow)
            m_shapeWindow->ShapeBackgroundChanged();
    }
    m_mouse.ClearBand();
    PublishCanvas();
}

void Editor::RefreshButtonListIfShown()
{
    if (m_buttonList && m_buttonList->IsShown())
        m_buttonList->RefreshButtonList();
}

void Editor::FillPointList()
{
    if (m_shapeWindow)
        m_shapeWindow->FillPointList();
}

void Editor::ButtonsSorted(const SlotMap& moved)
{
    m_mouse.SetCurrentButton(moved[m_mouse.CurrentButton()]);
    if (m_buttonEditor)
        m_buttonEditor->FollowSort(moved);
    // The Sort button and a save with "Sort" ticked both renumber the rows.
    RefreshButtonListIfShown();
}

bool Editor::ClickEditChecked() const { return !m_mainWindow || m_mainWindow->ClickEditChecked(); }

void Editor::ShowButtonEditor()
{
    if (m_buttonEditor)
        m_buttonEditor->ShowEditor();
}

void Editor::LoadButtonEditor()
{
    if (m_buttonEditor)
        m_buttonEditor->LoadButtonEditor();
}

void Editor::ShowTextFile(const QString& storedName)
{
    if (m_mainWindow)
        m_mainWindow->ShowTextFile(storedName);
}

void Editor::SetCaption(const QString& caption)
{
    if (m_mainWindow)
        m_mainWindow->SetCaption(caption);
}
