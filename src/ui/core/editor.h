#pragma once
#include "model/canvas_grid.h"
#include "model/canvas_zoom.h"
#include "model/check_finding.h"
#include "model/design_canvas.h"
#include "model/ext_action_list.h"
#include "model/ini_file_version.h"
#include "model/menu_project.h"
#include "model/mouse_editing.h"
#include "model/project_saver.h"
#include "model/project_history.h"
#include "model/recent_projects.h"
#include "model/project_view.h"
#include "ui/core/shared_dialogs.h"
#include "ui/core/window_views.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <memory>

class ButtonCommands;
class Editor;
class FieldGestures;

// While it lives, the text fields' ends (focus moves the editor itself makes)
// record no step: the command that holds it ends its gesture as a whole.
class GestureHold {
public:
    explicit GestureHold(Editor& editor);
    ~GestureHold();
    GestureHold(const GestureHold&) = delete;
    GestureHold& operator=(const GestureHold&) = delete;

private:
    Editor& m_editor;
};

// The one object the windows share: the project, the canvas, the shared dialogs
// and the cross-window operations. Windows register their views at start-up.
class Editor : public QObject, public ProjectView, public MouseEditingHost {
    Q_OBJECT
public:
    Editor();
    ~Editor() override;

    MenuProject& Project() { return *m_project; }
    const MenuProject& Project() const { return *m_project; }
    DesignCanvas& Canvas() { return m_canvas; }
    MouseEditing& Mouse() { return m_mouse; }
    const MouseEditing& Mouse() const { return m_mouse; }
    ExtActionList& ExtActions() { return m_extActions; }
    SharedDialogs& Dialogs() { return m_dialogs; }
    // The selected buttons and what the canvas's keys and the Edit menu do with them.
    ButtonCommands& Buttons() { return *m_buttons; }
    const ButtonCommands& Buttons() const { return *m_buttons; }

    void SetMainWindow(MainWindowView* view) { m_mainWindow = view; }
    void SetStatusWindow(StatusWindowView* view) { m_statusWindow = view; }
    void SetButtonEditor(ButtonEditorView* view) { m_buttonEditor = view; }
    void SetButtonList(ButtonListView* view) { m_buttonList = view; }
    void SetHelpViewer(HelpView* view) { m_help = view; }
    void SetParamsDialog(ParamsDialogView* view) { m_params = view; }
    void SetShapeWindow(ShapeWindowView* view) { m_shapeWindow = view; }
    void SetMaskMaker(MaskMakerView* view) { m_maskMaker = view; }
    void SetAutorunWizard(AutorunWizardView* view) { m_autorunWizard = view; }
    void SetPreview(PreviewView* view) { m_preview = view; }
    void SetCheckWindow(CheckWindowView* view) { m_checkWindow = view; }
    // Before the windows are destroyed: nothing they do while going reaches them again.
    void DetachWindows();

    // The INI file box's text: the only record of which file the project is.
    QString IniFileName() const { return m_iniFileName; }
    void SetIniFileName(const QString& name);

    // The undo history. A user's gesture ends at a mouse release on the canvas
    // or the shape window, when a text field is left or Enter is released in it,
    // at a dialog's OK and at a command; then EndGesture records a step when the
    // project changed since the last one (labelled `label`, or by what changed).
    const ProjectHistory& History() const { return m_history; }
    void EndGesture(const QString& label = QString());
    // A text field was left: EndGesture, unless a command holds the gestures.
    void FieldLeft();
    [[nodiscard]] GestureHold HoldGestures() { return GestureHold(*this); }
    // Whether Undo / Redo would do something (a change not yet recorded counts for Undo).
    bool CanUndo() const;
    bool CanRedo() const { return m_history.CanRedo(); }
    // "Undo Move Button#3" / "Redo Sort", or "Undo" / "Redo" alone when there is nothing.
    QString UndoText() const;
    QString RedoText() const;
    // Puts the state before (after) the last step back and refreshes every window as
    // a load does, without the load's log and without touching the file. Nothing
    // happens during a drag on the canvas.
    void Undo();
    void Redo();
    // The project differs from what was last loaded or saved.
    bool IsModified() const;

    // Commands.
    void OpenProject(); // LoadProject with the INI file name
    // Before Open, New or Close replaces the project: when it differs from what
    // was last loaded or saved, asks "Save changes?" (`caption` names the
    // command) and saves on Yes. False when the command must stop (Cancel, or
    // the save failed).
    bool KeepWorkBeforeOpen(QWidget* parent, const QString& caption = QStringLiteral("Opening..."));
    // "Open" (the strip's button, the File menu, Ctrl+O): asks to keep the work,
    // then for the file, then loads it.
    void OpenCommand(QWidget* parent);
    // The INI box's "..": puts the picked name into the box; true when a file was picked.
    bool ChooseIniFile(QWidget* parent);
    // What ".." does with the picked (or a dropped) name: into the box, its folder the current one.
    void TakeIniFile(const QString& file);
    // File, Open Recent: keeps the work, then loads the file.
    void OpenRecent(QWidget* parent, const QString& file);
    // File, New: asks to keep the work, then for a folder (offering to make it)
    // and the menu size; writes nothing until the first save.
    void NewCommand(QWidget* parent);
    // A new project of that size whose INI file is `iniFile` (not written yet).
    void StartNewProject(const QString& iniFile, const QSize& size);
    // File, Save As: a save dialog; into another folder it offers to copy the
    // files the menu uses, or else rewrites their names to resolve from there.
    // The mask file goes along under the new name. True when saved.
    bool SaveAsCommand(QWidget* parent);
    // Asks "Save changes?" only when the project is modified; false when closing must stop.
    bool ConfirmClose(QWidget* parent);
    // The projects last opened or saved (the user's configuration), newest first.
    QStringList RecentFiles() const;
    // Deletes a used button after the question; true when it was deleted.
    bool DeleteButtonCommand(QWidget* parent, int slot);
    // The question before used buttons are deleted ("Are you sure?"); true on Yes.
    bool ConfirmDelete(QWidget* parent, const std::vector<int>& chosen);
    SaveResult SaveCurrentProject(bool replaceReadOnly);
    // Save with its messages shown; true only when the new file is in place.
    // A file changed outside the editor since it was loaded or saved asks
    // first: Overwrite saves, Reload loads the file as it is now.
    bool SaveWithReport(QWidget* parent);
    // When the main window is activated: a file changed outside the editor
    // asks the same question once per change; Cancel leaves it to the next save.
    void NoticeOutsideChange(QWidget* parent);
    void SortButtonsCommand();
    void DesignCommand();
    // "MASK": offers the background picture, then shows the mask maker modally.
    void MaskCommand(QWidget* parent);
    void ToggleStatusWindow();
    bool StatusWindowShown() const { return m_statusWindow && m_statusWindow->IsShown(); }
    // The window manager raised the main window: the status window goes back over it.
    void MainWindowActivated();
    void ShowButtonList();
    void HideToolWindows();
    void ShowHelpTopic(const QString& topic);
    void ShowHelpContext(int context);
    // The Program Parameters dialog, filled and shown modally on the given page.
    void ShowParamsDialog(int page);
    // "Autorun.inf wizard".
    void OpenAutorunWizard();
    // "Preview": the menu as the player shows it, clicks told instead of done.
    void PreviewCommand();
    // "Check": what would go wrong on the disc with the project in memory.
    void CheckCommand();
    // "Export web page...": asks for a folder and writes the project in memory
    // there as a web page; what the page cannot show or link is listed after.
    // False when cancelled or when the page could not be written (error box).
    bool ExportWebPage(QWidget* parent);
    // Writes the project in memory as a web page into `folder` and says what
    // it wrote and what the page cannot show or link; names from the root of
    // the disc resolve against `cdRoot` when it is given. False when the page
    // could not be written (error box).
    bool WriteWebPage(QWidget* parent, const QString& folder, const QString& cdRoot);
    // The project in memory checked against the files beside its INI file.
    CheckFindings CheckProject() const;
    // Shows where a finding's field is edited: its button, its Program
    // Parameters page, the shape window or the autorun wizard.
    void GoToFinding(const CheckFinding& finding);

    // Cross-window operations.
    void RedrawButton(int slot);
    void RefreshButtonList();
    int CurrentButton() const { return m_mouse.CurrentButton(); }
    void SetCurrentButton(int slot) { m_mouse.SetCurrentButton(slot); }
    // A buttons-list row picks a button (it alone is selected); a lit button goes back to normal first.
    void PickButton(int slot);
    // The selection changed: the canvas draws it anew.
    void SelectionShown();

    // The canvas's zoom and grid: how the menu shows, never part of the project.
    const CanvasZoom& Zoom() const { return m_zoom; }
    void SetZoom(double scale);
    void ZoomIn();
    void ZoomOut();
    // The largest zoom, at most 100 %, that shows the whole menu in the main window.
    void FitZoom();
    // The menu at the zoom now does not fit into the main window: Fit to window has something to do.
    bool MenuLargerThanRoom() const;
    const CanvasGrid& Grid() const { return m_grid; }
    // Kept in the user's configuration at once.
    void SetGrid(const CanvasGrid& grid);
    // Snaps by 4 screen pixels at the zoom, and to the grid when that is on.
    SnapSettings Snapping() const override;
    bool ShapeBackgroundPending() const { return m_shapeBackgroundPending; }
    const QImage& ShapePicture() const { return m_shapePicture; }

    // ProjectView (loading and saving) and MouseEditingHost.
    void SetStatus(const QString& text) override;
    void AddLine(const QString& text) override;
    void AddWarning(const QString& text) override;
    void ClearLog() override;
    void ShowStatus() override;
    void HideStatus() override;
    void CloseStatus() override;
    bool WarningsShown() const override;
    void SetApplicationTitle(const QString& title) override;
    void SetWindowCaption(const QString& caption) override;
    void SetDesignSize(int sizeX, int sizeY) override;
    void ProjectFlagsChanged() override;
    void TextInfoLoaded() override;
    void RedrawCanvas() override;
    void RefreshButtonListIfShown() override;
    void FillPointList() override;
    void ButtonsSorted(const SlotMap& moved) override;
    bool ClickEditChecked() const override;
    void ShowButtonEditor() override;
    // Shows the current button in the button editor and puts the focus there.
    void LoadButtonEditor();
    void ShowInButtonEditor() override;
    void ShowTextFile(const QString& storedName) override;
    void SetCaption(const QString& caption) override;

    // Tells the main window which part of the canvas bitmap changed.
    void PublishCanvas();

signals:
    // The history, the modified mark or the recent files changed: the menus follow.
    void HistoryChanged();
    // The zoom or the grid changed: the canvas, its status line and the View menu follow.
    void CanvasViewChanged();

private:
    friend class GestureHold;
    // Every window shows the project in memory, as after a load (no log).
    void RefreshWindows(bool sizeChanged);
    void Restore(const ProjectState& state);
    void HistoryMoved();
    void AddRecent(const QString& file);
    void LoadGrid();
    // Copies one file for Save As; asks before replacing a different one. False when it failed.
    bool CopyForSaveAs(QWidget* parent, const QString& from, const QString& to);
    // A load that stopped with an error read only part of its file: saving over it asks first.
    bool ConfirmSaveOverFailedLoad(QWidget* parent);
    // After every load, also one that stopped with an error.
    void ProjectReplaced();
    enum class OutsideChange { None, Overwrite, Reloaded, Cancelled };
    // Asks when the INI file was changed outside; reloads on Reload.
    OutsideChange AskAboutOutsideChange(QWidget* parent);

    std::unique_ptr<MenuProject> m_project;
    DesignCanvas m_canvas;
    MouseEditing m_mouse;
    ExtActionList m_extActions;
    SharedDialogs m_dialogs;
    QString m_iniFileName;
    QString m_failedLoadName;
    ProjectHistory m_history;
    int m_gestureHolds = 0;
    bool m_restoring = false;
    std::unique_ptr<FieldGestures> m_fields;
    std::unique_ptr<ButtonCommands> m_buttons;
    IniFileVersion m_fileVersion;     // the INI file as last loaded or saved
    IniFileVersion m_askedAbout;      // the outside change the user last answered
    bool m_asking = false;            // the question's own box must not ask again
    bool m_shapeBackgroundPending = false;
    QImage m_shapePicture;
    CanvasZoom m_zoom;
    CanvasGrid m_grid;

    MainWindowView* m_mainWindow = nullptr;
    StatusWindowView* m_statusWindow = nullptr;
    ButtonEditorView* m_buttonEditor = nullptr;
    ButtonListView* m_buttonList = nullptr;
    HelpView* m_help = nullptr;
    ParamsDialogView* m_params = nullptr;
    ShapeWindowView* m_shapeWindow = nullptr;
    MaskMakerView* m_maskMaker = nullptr;
    AutorunWizardView* m_autorunWizard = nullptr;
    PreviewView* m_preview = nullptr;
    CheckWindowView* m_checkWindow = nullptr;
};
