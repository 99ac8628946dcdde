#include "ui/main/main_menu_bar.h"

#include "ui/core/button_commands.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/main/align_menu.h"
#include "ui/widgets/text_area.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>

namespace {

// "?.." and Help, About: the Program Parameters dialog's About page.
constexpr int AboutPage = 4;

} // namespace

MainMenuBar::MainMenuBar(Editor& editor, QWidget& window, TextArea& textArea)
    : QMenuBar(&window), m_editor(editor), m_window(window), m_textArea(textArea)
{
    setObjectName(QStringLiteral("MenuBar"));
    // Inside the window on every desktop, so that its height is the one SetDesignSize adds.
    setNativeMenuBar(false);
    BuildFile();
    AddFileCommand(QStringLiteral("Export &web page..."), QStringLiteral("ActionExportWebPage"),
                   [this] { m_editor.ExportWebPage(&m_window); });
    BuildEdit();
    BuildView();
    BuildTools();
    BuildHelp();
    connect(&m_editor, &Editor::HistoryChanged, this, &MainMenuBar::UpdateHistory);
    UpdateHistory();
}

QAction* MainMenuBar::Command(QMenu* menu, const QString& text, const QString& name, std::function<void()> command)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this,
            [this, command = std::move(command)] { Guarded(m_editor.Dialogs(), &m_window, command); });
    return action;
}

QAction* MainMenuBar::Add(QMenu* menu, const QString& text, const QString& name, std::function<void()> command,
                          const QList<QKeySequence>& keys)
{
    QAction* action = Command(menu, text, name, std::move(command));
    if (!keys.isEmpty()) {
        action->setShortcuts(keys);
        // From the button editor, the buttons list and the other modeless windows too.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    menu->addAction(action);
    return action;
}

void MainMenuBar::BuildFile()
{
    m_file = addMenu(QStringLiteral("&File"));
    m_file->setObjectName(QStringLiteral("FileMenu"));
    Add(m_file, QStringLiteral("&New..."), QStringLiteral("ActionNew"), [this] { m_editor.NewCommand(&m_window); },
        {QKeySequence(Qt::CTRL | Qt::Key_N)});
    Add(m_file, QStringLiteral("&Open..."), QStringLiteral("ActionOpen"), [this] { m_editor.OpenCommand(&m_window); },
        {QKeySequence(Qt::CTRL | Qt::Key_O)});
    m_recent = m_file->addMenu(QStringLiteral("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("RecentMenu"));
    connect(m_recent, &QMenu::aboutToShow, this, &MainMenuBar::FillRecent);
    FillRecent();
    Add(m_file, QStringLiteral("&Save"), QStringLiteral("ActionSave"), [this] { m_editor.SaveWithReport(&m_window); },
        {QKeySequence(Qt::CTRL | Qt::Key_S)});
    Add(m_file, QStringLiteral("Save &As..."), QStringLiteral("ActionSaveAs"),
        [this] { m_editor.SaveAsCommand(&m_window); }, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    // The export commands' place, between Save As and Quit, where AddFileCommand puts them.
    m_exportPlace = m_file->addSeparator();
    m_exportPlace->setObjectName(QStringLiteral("ExportPlace"));
    Add(m_file, QStringLiteral("&Quit"), QStringLiteral("ActionQuit"), [this] { m_window.close(); },
        {QKeySequence(Qt::CTRL | Qt::Key_Q)});
}

QAction* MainMenuBar::AddFileCommand(const QString& text, const QString& name, std::function<void()> command)
{
    QAction* action = Command(m_file, text, name, std::move(command));
    m_file->insertAction(m_exportPlace, action);
    return action;
}

void MainMenuBar::FillRecent()
{
    m_recent->clear();
    const QStringList files = m_editor.RecentFiles();
    for (const QString& file : files) {
        QAction* action = m_recent->addAction(file);
        // A project that is gone stays listed, greyed, with its whole path.
        action->setEnabled(QFileInfo(file).isFile());
        if (!action->isEnabled())
            action->setToolTip(QStringLiteral("%1 is missing").arg(file));
        connect(action, &QAction::triggered, this, [this, file] { m_editor.OpenRecent(&m_window, file); });
    }
    m_recent->setEnabled(!files.isEmpty());
}

void MainMenuBar::BuildEdit()
{
    QMenu* edit = addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    m_undo = Add(edit, QStringLiteral("&Undo"), QStringLiteral("ActionUndo"), [this] { m_editor.Undo(); },
                 {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redo = Add(edit, QStringLiteral("&Redo"), QStringLiteral("ActionRedo"), [this] { m_editor.Redo(); },
                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    Add(edit, QStringLiteral("&Edit button"), QStringLiteral("ActionEditButton"),
        [this] { m_editor.Buttons().EditCurrent(); });
    BuildSelectionCommands(edit);
    Add(edit, QStringLiteral("S&ort buttons"), QStringLiteral("ActionSort"), [this] { m_editor.SortButtonsCommand(); })
        ->setProperty("helpContext", 2810);
    // Opening the menu ends a gesture under way, so that the items name it; while
    // it is closed the keys stay live even for a change not recorded yet.
    connect(edit, &QMenu::aboutToShow, this, [this] {
        m_editor.EndGesture();
        m_editMenuOpen = true;
        UpdateHistory();
    });
    connect(edit, &QMenu::aboutToHide, this, [this] {
        m_editMenuOpen = false;
        UpdateHistory();
    });
}

void MainMenuBar::BuildSelectionCommands(QMenu* edit)
{
    AddCanvasCommands(edit, {
        {"Cu&t", "ActionCut", QKeySequence::Cut, [](ButtonCommands& b) { b.Cut(); }},
        {"&Copy", "ActionCopy", QKeySequence::Copy, [](ButtonCommands& b) { b.Copy(); }},
        {"&Paste", "ActionPaste", QKeySequence::Paste, [this](ButtonCommands& b) { b.Paste(&m_window); }},
        {"D&uplicate", "ActionDuplicate", QKeySequence(Qt::CTRL | Qt::Key_D),
         [this](ButtonCommands& b) { b.Duplicate(&m_window); }},
        {"&Delete", "ActionDelete", QKeySequence(Qt::Key_Delete), [this](ButtonCommands& b) { b.Delete(&m_window); }},
        {"Select &All", "ActionSelectAll", QKeySequence::SelectAll, [](ButtonCommands& b) { b.SelectAll(); }},
    });
    edit->addSeparator();
    edit->addMenu(new AlignMenu(m_editor, &m_window, edit));
    // Home and End as drawing programs raise and lower to the top and bottom.
    AddCanvasCommands(edit, {
        {"&Bring to Top", "ActionBringToTop", QKeySequence(Qt::Key_Home), [](ButtonCommands& b) { b.BringToTop(); }},
        {"&Send to Bottom", "ActionSendToBottom", QKeySequence(Qt::Key_End),
         [](ButtonCommands& b) { b.SendToBottom(); }},
    });
    edit->addSeparator();
}

void MainMenuBar::AddCanvasCommands(QMenu* edit, std::initializer_list<CanvasCommand> commands)
{
    for (const CanvasCommand& c : commands) {
        QAction* action = Command(edit, QString::fromLatin1(c.text), QString::fromLatin1(c.name),
                                  [this, run = c.run] { run(m_editor.Buttons()); });
        action->setShortcut(c.key);
        action->setShortcutContext(Qt::WidgetShortcut);
        edit->addAction(action);
        m_canvasActions << action;
    }
}

void MainMenuBar::UpdateHistory()
{
    // "Undo Move Button#3": the first word carries the accelerator, the label shows its own "&".
    auto item = [](QString text) { return QLatin1Char('&') + text.replace(u'&', QStringLiteral("&&")); };
    m_undo->setText(item(m_editor.UndoText()));
    m_redo->setText(item(m_editor.RedoText()));
    m_undo->setEnabled(!m_editMenuOpen || m_editor.CanUndo());
    m_redo->setEnabled(!m_editMenuOpen || m_editor.CanRedo());
}

void MainMenuBar::BuildView()
{
    QMenu* view = addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    m_statusShown = Add(view, QStringLiteral("&Status window"), QStringLiteral("ActionStatus"),
                        [this] { m_editor.ToggleStatusWindow(); });
    m_statusShown->setCheckable(true);
    Add(view, QStringLiteral("Buttons &list"), QStringLiteral("ActionList"), [this] { m_editor.ShowButtonList(); });
    m_textAreaShown = Add(view, QStringLiteral("&Text area"), QStringLiteral("ActionTextArea"),
                          [this] { m_textArea.SetViewed(m_textAreaShown->isChecked()); });
    m_textAreaShown->setCheckable(true);
    m_textAreaShown->setChecked(true);
    connect(view, &QMenu::aboutToShow, this, [this] {
        m_statusShown->setChecked(m_editor.StatusWindowShown());
        m_textAreaShown->setChecked(m_textArea.Viewed());
    });
    view->addSeparator();
    BuildZoom(view);
    view->addSeparator();
    BuildGrid(view);
}

void MainMenuBar::BuildZoom(QMenu* view)
{
    Add(view, QStringLiteral("Zoom &in"), QStringLiteral("ActionZoomIn"), [this] { m_editor.ZoomIn(); },
        {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    Add(view, QStringLiteral("Zoom &out"), QStringLiteral("ActionZoomOut"), [this] { m_editor.ZoomOut(); },
        {QKeySequence::ZoomOut});
    Add(view, QStringLiteral("&Actual size"), QStringLiteral("ActionZoomActual"), [this] { m_editor.SetZoom(1); },
        {QKeySequence(Qt::CTRL | Qt::Key_0)});
    QAction* fit = Add(view, QStringLiteral("&Fit to window"), QStringLiteral("ActionZoomFit"),
                       [this] { m_editor.FitZoom(); });
    // Only a menu larger than the window's room has anything to fit.
    connect(view, &QMenu::aboutToShow, this, [this, fit] { fit->setEnabled(m_editor.MenuLargerThanRoom()); });
}

void MainMenuBar::BuildGrid(QMenu* view)
{
    QAction* shown = Add(view, QStringLiteral("Show &grid"), QStringLiteral("ActionShowGrid"), [this] {
        CanvasGrid grid = m_editor.Grid();
        grid.Shown = !grid.Shown;
        m_editor.SetGrid(grid);
    });
    QAction* snap = Add(view, QStringLiteral("S&nap to grid"), QStringLiteral("ActionSnapToGrid"), [this] {
        CanvasGrid grid = m_editor.Grid();
        grid.Snap = !grid.Snap;
        m_editor.SetGrid(grid);
    });
    Add(view, QStringLiteral("Grid si&ze..."), QStringLiteral("ActionGridSize"), [this] {
        bool ok = false;
        CanvasGrid grid = m_editor.Grid();
        const int size = QInputDialog::getInt(&m_window, QStringLiteral("Grid size"), QStringLiteral("Pixels between lines:"),
                                              grid.Size, 1, CanvasGrid::LargestSize, 1, &ok);
        if (!ok)
            return;
        grid.Size = size;
        m_editor.SetGrid(grid);
    });
    for (QAction* action : {shown, snap})
        action->setCheckable(true);
    const auto follow = [this, shown, snap] {
        shown->setChecked(m_editor.Grid().Shown);
        snap->setChecked(m_editor.Grid().Snap);
    };
    connect(&m_editor, &Editor::CanvasViewChanged, this, follow);
    follow();
}

void MainMenuBar::BuildTools()
{
    QMenu* tools = addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    Add(tools, QStringLiteral("Program &Parameters..."), QStringLiteral("ActionParameters"),
        [this] { m_editor.ShowParamsDialog(0); });
    Add(tools, QStringLiteral("&Design"), QStringLiteral("ActionDesign"), [this] { m_editor.DesignCommand(); });
    Add(tools, QStringLiteral("&Mask..."), QStringLiteral("ActionMask"), [this] { m_editor.MaskCommand(&m_window); });
    Add(tools, QStringLiteral("&Check"), QStringLiteral("ActionCheck"), [this] { m_editor.CheckCommand(); });
    Add(tools, QStringLiteral("Pre&view"), QStringLiteral("ActionPreview"), [this] { m_editor.PreviewCommand(); });
    Add(tools, QStringLiteral("&Autorun.inf wizard..."), QStringLiteral("ActionWizard"),
        [this] { m_editor.OpenAutorunWizard(); });
}

void MainMenuBar::BuildHelp()
{
    QMenu* help = addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    // F1 itself is the context help's: the topic of the control in focus, this page where none has one.
    Add(help, QStringLiteral("&Contents\tF1"), QStringLiteral("ActionContents"),
        [this] { m_editor.ShowHelpTopic(QStringLiteral("Hlp_MainForm_")); });
    Add(help, QStringLiteral("&About"), QStringLiteral("ActionAbout"), [this] { m_editor.ShowParamsDialog(AboutPage); });
}
