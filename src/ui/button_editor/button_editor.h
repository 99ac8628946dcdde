#pragma once
#include "ui/core/window_views.h"

#include <QWidget>
#include <memory>

class Editor;
class QLineEdit;
class TSuperSpinEditI;
struct MenuButton;

namespace Ui {
class ButtonEditor;
}

// The "EDiT Buttons" tool window: shows one button slot and copies every change
// of its boxes into that slot at once. The number label, not CurrentButton,
// names the slot that edits go to.
class ButtonEditor : public QWidget, public ButtonEditorView {
    Q_OBJECT
public:
    explicit ButtonEditor(Editor& editor, QWidget* parent = nullptr);
    ~ButtonEditor() override;

    // ButtonEditorView
    void ShowEditor() override;
    void HideEditor() override;
    bool IsShown() const override;
    void LoadButtonEditor() override;
    void ShowCurrentButton() override;
    void ProjectLoaded() override;
    void FollowSort(const SlotMap& moved) override;
    void ProjectRestored() override;

    void ApplyButtonEdits();
    void SetShellRunEnable(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One ".." button: its box, dialog title and filter, and whether it starts in the project folder.
    struct Picker {
        QLineEdit* Box;
        QString Title;
        QString Filter;
        bool StartsInProjectFolder;
    };

    void ConnectBoxes();
    void ConnectPickers();
    // The slot's button in the fields, or empty disabled fields for an unused slot.
    void ShowSlot(int slot);
    // Shows a button under a number label text, with the apply guarded off.
    void Fill(const MenuButton& button, const QString& number);
    void FillBoxes(const MenuButton& button);
    void EnableFields(bool enabled);
    void SelectAction(const QString& action);
    void Handle(void (ButtonEditor::*handler)());

    void GeometryChange();
    void GeometryExit(TSuperSpinEditI* spin);
    void ActionChange(int index);
    void PrepareWinExec(const QString& prefix);
    void DeleteButton();
    void ShellPathExit();
    void PickFile(const Picker& picker);
    // A picked or dropped name into its box (with the proposed verb for the target).
    void PutName(const Picker& picker, const QString& storedName);
    void ProposeShellVerb(const QString& relativeName);

    int ShownSlot() const;
    MenuButton& ShownButton();
    void ToggleFrame(int slot);

    Editor& m_editor;
    std::unique_ptr<Ui::ButtonEditor> m_ui;
    bool m_editorLoading = false;
};
