#pragma once
#include "model/button_alignment.h"
#include "model/button_selection.h"

#include <QString>
#include <vector>

class Editor;
class QWidget;

// The selected buttons and the commands on them, from the canvas's keys and the
// Edit menu alike; each command that changes the project is one undo step.
class ButtonCommands {
public:
    // Ours on the clipboard beside text/plain: the sections' bytes as the project holds them.
    static constexpr const char* MimeType = "application/x-vyxedit-buttons";

    explicit ButtonCommands(Editor& editor) : m_editor(editor) {}

    const ButtonSelection& Selection() const { return m_selection; }

    // A press on a button: it alone becomes the selection (one already selected
    // keeps the others, for a drag), or with `toggle` it goes in or out.
    void Press(int slot, bool toggle);
    // The buttons the band touches (menu pixels, corners in either order).
    void SelectBand(QPoint corner, QPoint opposite);
    // One button picked elsewhere (the buttons list, a finding): only it.
    void Pick(int slot);
    void SelectAll();
    void ClearSelection();
    // Tab / Shift+Tab: the next (previous) used button in slot order, round the end.
    void Walk(bool backwards);

    void Move(int dx, int dy);
    // Width and height grow by the amounts; neither goes below one pixel.
    void Resize(int dw, int dh);
    // After the question the button editor asks.
    void Delete(QWidget* parent);
    void Copy() const;
    void Cut();
    void Paste(QWidget* parent);
    void Duplicate(QWidget* parent);
    // With two or more selected: lines them up with, or sizes them as, the current button.
    void Align(Alignment how, const QString& label);
    // The selection to the front (the player's hit test tries it first) or the back of the slot order.
    void BringToTop();
    void SendToBottom();
    // "Edit": the current button in the button editor, the focus there.
    void EditCurrent();
    // "New button here": a button of the default size with its top-left corner at
    // the point (menu pixels), cut to the menu, in the lowest free slot; refused
    // with a message when there is none.
    void NewButtonAt(QWidget* parent, QPoint at);

    // The project was replaced or put back: slots no longer used leave the selection.
    void ProjectChanged();

private:
    // The current button follows the selection's, in the canvas and the button editor.
    void SelectionChanged();
    // Redraws, refreshes the list and the button editor, and ends the gesture as one step.
    void Changed(const QString& label);
    void Place(QWidget* parent, const struct PasteOutcome& outcome, const QString& label);
    void Remove(const std::vector<int>& chosen, const QString& label);
    // The slots were renumbered: the selection, the current button and the windows follow.
    void Renumbered(const SlotMap& moved, const QString& label);

    Editor& m_editor;
    ButtonSelection m_selection;
};
