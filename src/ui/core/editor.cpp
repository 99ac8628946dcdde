#include "ui/core/editor.h"
#include "ui/core/editor_settings.h"

#include "model/check_finding_target.h"
#include "model/design_size.h"
#include "model/mask_file.h"
#include "model/project_check.h"
#include "model/project_files.h"
#include "model/project_loader.h"
#include "model/web_page_export.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "ui/core/button_commands.h"
#include "ui/core/event_guard.h"
#include "ui/core/field_gestures.h"
#include "ui/core/file_picker.h"
#include "ui/core/read_only_question.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

const QString WebPageCaption = QStringLiteral("Export web page");
const QString RecentKey = QStringLiteral("RecentFiles");
const QString IniFilter = QStringLiteral("*.ini|*.ini|All|*.*");

} // namespace

GestureHold::GestureHold(Editor& editor) : m_editor(editor) { ++m_editor.m_gestureHolds; }

GestureHold::~GestureHold() { --m_editor.m_gestureHolds; }

Editor::Editor()
    : m_project(std::make_unique<MenuProject>()), m_mouse(*m_project, m_canvas, *this),
      m_fields(std::make_unique<FieldGestures>([this] { FieldLeft(); })),
      m_buttons(std::make_unique<ButtonCommands>(*this))
{
    m_history.Start(*m_project);
    LoadGrid();
}

Editor::~Editor() = default;

void Editor::DetachWindows()
{
    m_fields.reset();
    m_mainWindow = nullptr;
    m_statusWindow = nullptr;
    m_buttonEditor = nullptr;
    m_buttonList = nullptr;
    m_help = nullptr;
    m_params = nullptr;
    m_shapeWindow = nullptr;
    m_maskMaker = nullptr;
    m_autorunWizard = nullptr;
    m_preview = nullptr;
    m_checkWindow = nullptr;
}

void Editor::SetIniFileName(const QString& name)
{
    m_iniFileName = name;
    if (m_mainWindow)
        m_mainWindow->SetIniFileName(name);
}

void Editor::EndGesture(const QString& label)
{
    if (m_restoring)
        return;
    if (m_history.Record(*m_project, label))
        HistoryMoved();
}

void Editor::FieldLeft()
{
    if (m_gestureHolds == 0)
        EndGesture();
}

bool Editor::CanUndo() const { return m_history.CanUndo() || m_history.Differs(*m_project); }

QString Editor::UndoText() const
{
    const QString label =
        m_history.Differs(*m_project) ? DescribeChange(m_history.Current(), ProjectState::Of(*m_project))
                                      : m_history.UndoLabel();
    return label.isEmpty() ? QStringLiteral("Undo") : QStringLiteral("Undo ") + label;
}

QString Editor::RedoText() const
{
    const QString label = m_history.Differs(*m_project) ? QString() : m_history.RedoLabel();
    return label.isEmpty() ? QStringLiteral("Redo") : QStringLiteral("Redo ") + label;
}

void Editor::Undo()
{
    if (m_mouse.Dragging() || m_mouse.Drawing())
        return;
    EndGesture();
    if (m_history.CanUndo())
        Restore(m_history.Undo());
}

void Editor::Redo()
{
    if (m_mouse.Dragging() || m_mouse.Drawing())
        return;
    EndGesture();
    if (m_history.CanRedo())
        Restore(m_history.Redo());
}

void Editor::Restore(const ProjectState& state)
{
    const GestureHold hold(*this);
    const QScopedValueRollback restoring(m_restoring, true);
    const bool sizeChanged = state.Main.SizeX != m_project->Main.SizeX || state.Main.SizeY != m_project->Main.SizeY;
    state.PutInto(*m_project);
    // The texts' bytes are shown in the code page they were given in.
    if (!state.ActiveCodePage.isEmpty() && state.ActiveCodePage != CodePage::Name())
        CodePage::Select(state.ActiveCodePage);
    RefreshWindows(sizeChanged);
    if (m_buttonEditor)
        m_buttonEditor->ProjectRestored();
    HistoryMoved();
}

void Editor::RefreshWindows(bool sizeChanged)
{
    // The lit button and the rubber band belong to the canvas as it was.
    m_mouse.PickButton(m_mouse.CurrentButton());
    m_mouse.ClearBand();
    m_buttons->ProjectChanged();
    const MainParams& main = m_project->Main;
    ProjectFlagsChanged();
    if (sizeChanged) {
        const QSize size = BoundedDesignSize(main.SizeX, main.SizeY);
        SetDesignSize(size.width(), size.height());
    }
    SetApplicationTitle(CodePage::ToUnicode(main.Title));
    SetWindowCaption(CodePage::ToUnicode(main.WindowCaption()));
    TextInfoLoaded();
    RedrawCanvas();
    RefreshButtonListIfShown();
    FillPointList();
}

void Editor::HistoryMoved()
{
    if (m_mainWindow)
        m_mainWindow->SetModified(m_history.IsModified());
    emit HistoryChanged();
}

bool Editor::IsModified() const
{
    // A change not recorded yet (a field still being typed in) is weighed as it is.
    return m_history.Differs(*m_project) ? !m_history.MatchesClean(*m_project) : m_history.IsModified();
}

void Editor::OpenProject()
{
    const GestureHold hold(*this);
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
    AddRecent(m_iniFileName);
}

void Editor::ProjectReplaced()
{
    // A load starts a new history.
    m_history.Start(*m_project);
    m_buttons->ProjectChanged();
    SelectionShown();
    HistoryMoved();
    // The editor must not write the old project's button into the new one.
    if (m_buttonEditor)
        m_buttonEditor->ProjectLoaded();
    if (m_checkWindow)
        m_checkWindow->ProjectLoaded();
}

bool Editor::KeepWorkBeforeOpen(QWidget* parent, const QString& caption)
{
    EndGesture();
    if (!IsModified())
        return true;
    const auto answer = m_dialogs.Ask(parent, QStringLiteral("Save changes?"), caption,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::No)
        return true;
    return answer == QMessageBox::Yes && SaveWithReport(parent);
}

bool Editor::ConfirmClose(QWidget* parent)
{
    EndGesture();
    // Mend of the Part, which asked always: only work that would be lost is asked about.
    if (!IsModified()) {
        HideToolWindows();
        return true;
    }
    const auto answer = m_dialogs.Ask(parent, QStringLiteral("Save changes?"), QStringLiteral("Exiting..."),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    HideToolWindows();
    return SaveWithReport(parent);
}

bool Editor::ChooseIniFile(QWidget* parent)
{
    OpenFileRequest& request = m_dialogs.OpenFile();
    request.Title = QStringLiteral("Uložit do INI souboru");
    request.Filter = IniFilter;
    const std::optional<QString> picked = m_dialogs.ExecuteOpenFile(parent);
    if (!picked)
        return false;
    TakeIniFile(*picked);
    return true;
}

void Editor::TakeIniFile(const QString& file)
{
    SetIniFileName(file);
    SetCurrentFolder(QFileInfo(file).absolutePath());
}

void Editor::OpenCommand(QWidget* parent)
{
    Guarded(m_dialogs, parent, [&] {
        // Asked before the dialog, so that Yes saves under the name the project has now.
        if (!KeepWorkBeforeOpen(parent))
            return;
        ChooseIniFile(parent);
        OpenProject();
    });
}

void Editor::OpenRecent(QWidget* parent, const QString& file)
{
    Guarded(m_dialogs, parent, [&] {
        if (!QFileInfo(file).isFile()) {
            m_dialogs.ShowError(parent, QStringLiteral("File not found: %1").arg(file));
            return;
        }
        if (!KeepWorkBeforeOpen(parent))
            return;
        SetIniFileName(file);
        OpenProject();
    });
}

void Editor::NewCommand(QWidget* parent)
{
    Guarded(m_dialogs, parent, [&] {
        if (!KeepWorkBeforeOpen(parent, QStringLiteral("New menu...")))
            return;
        const std::optional<QString> picked = m_dialogs.ExecuteFolder(
            parent, QStringLiteral("Folder of the new menu"), QFileInfo(AbsoluteName(m_iniFileName)).absolutePath());
        if (!picked)
            return;
        const QString folder = AbsoluteName(*picked);
        if (!QFileInfo(folder).isDir()) {
            if (m_dialogs.Ask(parent, QStringLiteral("%1 does not exist. Create it?").arg(folder),
                              QStringLiteral("New menu..."), QMessageBox::Yes | QMessageBox::No)
                != QMessageBox::Yes)
                return;
            if (!QDir().mkpath(folder)) {
                m_dialogs.ShowError(parent, QStringLiteral("Cannot create folder %1").arg(folder));
                return;
            }
        }
        const QString iniFile = QDir(folder).filePath(QStringLiteral("launcher.ini"));
        if (QFileInfo::exists(iniFile)) {
            // A new menu there would replace it at the first save.
            if (m_dialogs.Ask(parent, QStringLiteral("%1 already holds a menu (launcher.ini). Open it?").arg(folder),
                              QStringLiteral("New menu..."), QMessageBox::Yes | QMessageBox::No)
                == QMessageBox::Yes) {
                SetIniFileName(iniFile);
                OpenProject();
            }
            return;
        }
        const std::optional<QSize> size =
            m_dialogs.ExecuteSize(parent, QStringLiteral("Size of the new menu"), QSize(640, 460));
        if (size)
            StartNewProject(iniFile, *size);
    });
}

void Editor::StartNewProject(const QString& iniFile, const QSize& size)
{
    const GestureHold hold(*this);
    m_mouse.ClearBand();
    const QString name = AbsoluteName(iniFile);
    ResetToNewProject(*m_project, size.width(), size.height());
    // Relative names picked from now on are the new folder's.
    SetCurrentFolder(QFileInfo(name).absolutePath());
    SetIniFileName(name);
    m_fileVersion = IniFileVersion::OnDisk(name);
    m_askedAbout = IniFileVersion();
    m_failedLoadName.clear();
    CloseStatus();
    RefreshWindows(true);
    ProjectReplaced();
}

bool Editor::CopyForSaveAs(QWidget* parent, const QString& from, const QString& to)
{
    if (QFileInfo(from).isDir())
        return QDir().mkpath(to);
    if (QFileInfo::exists(to)) {
        if (ProjectFiles::SameContent(from, to))
            return true;
        const QString question = QStringLiteral("%1 already exists and differs from %2. Replace it?").arg(to, from);
        if (m_dialogs.Ask(parent, question, QStringLiteral("Save As"), QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return true; // theirs is kept
        if (!QFile::remove(to)) {
            m_dialogs.ShowError(parent, QStringLiteral("Cannot replace %1").arg(to));
            return false;
        }
    }
    if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QFile::copy(from, to)) {
        m_dialogs.ShowError(parent, QStringLiteral("Cannot copy %1 to %2").arg(from, to));
        return false;
    }
    return true;
}

bool Editor::SaveAsCommand(QWidget* parent)
{
    bool saved = false;
    Guarded(m_dialogs, parent, [&] {
        EndGesture();
        const QString oldIni = AbsoluteName(m_iniFileName);
        const QString oldFolder = QFileInfo(oldIni).absolutePath();
        OpenFileRequest request;
        request.Title = QStringLiteral("Save menu as");
        request.Filter = IniFilter;
        request.InitialDir = oldFolder;
        request.FileName = QFileInfo(oldIni).fileName();
        request.DefaultExt = QStringLiteral("ini");
        const std::optional<QString> picked = m_dialogs.ExecuteSaveFile(parent, request);
        if (!picked)
            return;
        const QString newIni = AbsoluteName(*picked);
        if (newIni == oldIni) {
            saved = SaveWithReport(parent);
            return;
        }
        MaskFile::NameFor(newIni); // a project named *.msk is refused before anything is copied
        const QString newFolder = QFileInfo(newIni).absolutePath();
        if (newFolder != oldFolder) {
            const auto answer =
                m_dialogs.Ask(parent, QStringLiteral("Copy the files this menu uses into %1?").arg(newFolder),
                              QStringLiteral("Save As"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            if (answer == QMessageBox::Yes) {
                for (const ProjectFiles::Copy& copy : ProjectFiles::CopiesFor(*m_project, oldFolder, newFolder))
                    if (!CopyForSaveAs(parent, copy.From, copy.To))
                        return;
            } else if (answer == QMessageBox::No) {
                if (ProjectFiles::RewriteNames(*m_project, oldFolder, newIni) > 0)
                    EndGesture(QStringLiteral("Names for %1").arg(QFileInfo(newFolder).fileName()));
            } else {
                return;
            }
        }
        // The shape's mask goes with the project, under the new name.
        const QString oldMask = MaskFile::NameFor(oldIni);
        if (QFileInfo(oldMask).isFile() && !CopyForSaveAs(parent, oldMask, MaskFile::NameFor(newIni)))
            return;
        const QString oldCurrent = CurrentFolder();
        SetIniFileName(newIni);
        SetCurrentFolder(newFolder);
        saved = SaveWithReport(parent);
        if (!saved) {
            SetIniFileName(oldIni);
            SetCurrentFolder(oldCurrent);
        }
    });
    return saved;
}

QStringList Editor::RecentFiles() const
{
    return RecentProjects(EditorSettings().value(RecentKey).toStringList()).Files();
}

void Editor::AddRecent(const QString& file)
{
    if (!QFileInfo(file).isFile())
        return; // "INI not found.": nothing to open again
    RecentProjects recent(RecentFiles());
    recent.Add(file);
    QSettings settings = EditorSettings();
    settings.setValue(RecentKey, recent.Files());
    emit HistoryChanged();
}

bool Editor::DeleteButtonCommand(QWidget* parent, int slot)
{
    if (slot < 0 || slot >= MenuProject::SlotCount || !m_project->Buttons[slot].Used)
        return false;
    if (!ConfirmDelete(parent, {slot}))
        return false;
    RedrawButton(slot); // its exclusive-or frame goes first
    m_project->Buttons[slot].Used = false;
    m_buttons->ProjectChanged();
    SelectionShown();
    RefreshButtonList();
    EndGesture();
    return true;
}

bool Editor::ConfirmDelete(QWidget* parent, const std::vector<int>& chosen)
{
    const int first = chosen.front();
    const QString caption = chosen.size() == 1
                                ? QStringLiteral("Deleting #") + QString::number(first) + QStringLiteral(" (")
                                      + CodePage::ToUnicode(m_project->Buttons[first].Name) + QStringLiteral(")")
                                : QStringLiteral("Deleting %1 buttons").arg(chosen.size());
    return m_dialogs.Ask(parent, QStringLiteral("Are you sure?"), caption, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
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
    // What the user did before the save is one step; the save itself adds none.
    EndGesture();
    // The absolute name goes back into the box even when writing then fails.
    QString name = m_iniFileName;
    // A save with "Sort" ticked renumbers the buttons: the current state becomes the sorted one.
    auto followSort = [this] {
        if (m_history.Differs(*m_project))
            m_history.ReplaceCurrent(*m_project);
    };
    try {
        const SaveResult result = SaveProject(*m_project, name, *this, &m_fileVersion, replaceReadOnly);
        SetIniFileName(name);
        followSort();
        if (result == SaveResult::Saved) {
            m_history.MarkClean();
            AddRecent(name);
        }
        HistoryMoved();
        return result;
    } catch (...) {
        SetIniFileName(name);
        followSort();
        HistoryMoved();
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
    EndGesture(QStringLiteral("Sort"));
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
    m_buttons->Pick(slot);
    PublishCanvas();
    SelectionShown();
}

void Editor::SelectionShown()
{
    if (m_mainWindow)
        m_mainWindow->CanvasChanged(QRect(QPoint(0, 0), m_canvas.Image().size()));
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

void Editor::ShowInButtonEditor()
{
    if (m_buttonEditor)
        m_buttonEditor->ShowCurrentButton();
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
