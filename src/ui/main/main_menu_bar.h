#pragma once
#include <QMenuBar>
#include <functional>
#include <initializer_list>

class ButtonCommands;
class Editor;
class QAction;
class QMenu;
class TextArea;

// The main window's menu bar above the strip: File, Edit, View, Tools, Help.
// Every command runs the same Editor operation as the strip's button for it;
// the file and history keys work from every window of the editor (a modal
// dialog still blocks them), as Ctrl+S always did.
class MainMenuBar : public QMenuBar {
    Q_OBJECT
public:
    MainMenuBar(Editor& editor, QWidget& window, TextArea& textArea);

    QMenu* FileMenu() const { return m_file; }
    // Adds a command to the File menu at the place kept for the export commands
    // (after Save As), run guarded like the others: one line for a new command.
    QAction* AddFileCommand(const QString& text, const QString& name, std::function<void()> command);

    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }
    QMenu* RecentMenu() const { return m_recent; }
    // The selection's commands, whose keys work while the canvas has the focus
    // (elsewhere Ctrl+C and Delete belong to the text fields).
    const QList<QAction*>& CanvasActions() const { return m_canvasActions; }

    // The Undo and Redo items name their steps; the recent files follow the list.
    void UpdateHistory();
    void FillRecent();

private:
    // An action that runs `command` guarded, not yet in any menu.
    QAction* Command(QMenu* menu, const QString& text, const QString& name, std::function<void()> command);
    QAction* Add(QMenu* menu, const QString& text, const QString& name, std::function<void()> command,
                 const QList<QKeySequence>& keys = {});
    void BuildFile();
    void BuildEdit();
    void BuildSelectionCommands(QMenu* edit);
    // A command on the selection whose key works while the canvas has the focus.
    struct CanvasCommand {
        const char* text;
        const char* name;
        QKeySequence key;
        std::function<void(ButtonCommands&)> run;
    };
    void AddCanvasCommands(QMenu* edit, std::initializer_list<CanvasCommand> commands);
    void BuildView();
    void BuildZoom(QMenu* view);
    void BuildGrid(QMenu* view);
    void BuildTools();
    void BuildHelp();

    Editor& m_editor;
    QWidget& m_window;
    TextArea& m_textArea;
    QMenu* m_file = nullptr;
    QMenu* m_recent = nullptr;
    QAction* m_exportPlace = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_statusShown = nullptr;
    QAction* m_textAreaShown = nullptr;
    QList<QAction*> m_canvasActions;
    bool m_editMenuOpen = false;
};
