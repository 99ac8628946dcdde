#include "ui/main/canvas_context_menu.h"

#include "model/design_canvas.h"

#include "model/button_slot_order.h"
#include "model/new_button_rect.h"
#include "ui/core/button_commands.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"
#include "ui/main/align_menu.h"

CanvasContextMenu* CanvasContextMenu::Ask(Editor& editor, QWidget& canvas, QPoint at, bool byKey)
{
    const int current = editor.Buttons().Selection().Current();
    const bool forSelection = byKey && current >= 0;
    if (forSelection)
        at = ButtonRect(editor.Project().Buttons[size_t(current)]).center();
    // The menu takes over from the right press: no drag or band goes on under it.
    editor.Mouse().CancelGesture();
    const int slot = forSelection ? current : ButtonAt(editor.Project(), at);
    if (slot >= 0)
        editor.Buttons().Press(slot, false);
    return new CanvasContextMenu(editor, canvas, at, slot >= 0);
}

CanvasContextMenu::CanvasContextMenu(Editor& editor, QWidget& canvas, QPoint at, bool onButton)
    : QMenu(&canvas), m_editor(editor), m_canvas(canvas)
{
    setObjectName(QStringLiteral("CanvasMenu"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (onButton)
        BuildForButton();
    else
        BuildForEmptyCanvas(at);
}

void CanvasContextMenu::BuildForButton()
{
    AddCommand(QStringLiteral("&Edit"), "MenuEdit", [this] { m_editor.Buttons().EditCurrent(); });
    addSeparator();
    AddCanvasAction("ActionDuplicate");
    AddCanvasAction("ActionCopy");
    AddCanvasAction("ActionCut");
    AddCanvasAction("ActionDelete");
    addSeparator();
    addMenu(new AlignMenu(m_editor, m_canvas.window(), this));
    AddCanvasAction("ActionBringToTop");
    AddCanvasAction("ActionSendToBottom");
}

void CanvasContextMenu::BuildForEmptyCanvas(QPoint at)
{
    AddCanvasAction("ActionPaste");
    AddCommand(QStringLiteral("&New button here"), "MenuNewButton",
               [this, at] { m_editor.Buttons().NewButtonAt(m_canvas.window(), at); });
    // Past the right edge of a narrow menu there is no menu to put a button on.
    actions().back()->setEnabled(!NewButtonRectAt(m_editor.Project().Main, at).isEmpty());
    AddCanvasAction("ActionSelectAll");
    addSeparator();
    AddCommand(QStringLiteral("Program Pa&rameters..."), "MenuParameters", [this] { m_editor.ShowParamsDialog(0); });
}

void CanvasContextMenu::AddCanvasAction(const char* name)
{
    for (QAction* action : m_canvas.actions())
        if (action->objectName() == QLatin1String(name)) {
            addAction(action);
            return;
        }
}

void CanvasContextMenu::AddCommand(const QString& text, const char* name, std::function<void()> command)
{
    QAction* action = addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        Guarded(m_editor.Dialogs(), m_canvas.window(), command);
    });
}
