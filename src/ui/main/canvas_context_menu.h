#pragma once
#include <QMenu>
#include <QPoint>
#include <functional>

class Editor;

// The canvas's right-click menu. On a button: the commands on the selection;
// on empty canvas: those that fetch or make buttons. Entries the Edit menu has
// are its own actions, which the canvas holds, so the keys, the Edit menu and
// this menu run one code path; each entry that changes the project is one
// undo step. It deletes itself when closed.
class CanvasContextMenu : public QMenu {
    Q_OBJECT
public:
    // The right button at `at` (menu pixels): the button there becomes selected
    // as a click selects it (one already in the selection stays with the others
    // and becomes current), and the menu for it or for empty canvas is made. By
    // the Menu key (`byKey`) the menu is the selection's, when there is one. A
    // press under way (a drag, a band) ends first. To be popped up by the caller.
    static CanvasContextMenu* Ask(Editor& editor, QWidget& canvas, QPoint at, bool byKey);

private:
    CanvasContextMenu(Editor& editor, QWidget& canvas, QPoint at, bool onButton);

    void BuildForButton();
    void BuildForEmptyCanvas(QPoint at);
    // The canvas's action of that name (an Edit menu command), when it holds one.
    void AddCanvasAction(const char* name);
    void AddCommand(const QString& text, const char* name, std::function<void()> command);

    Editor& m_editor;
    QWidget& m_canvas;
};
