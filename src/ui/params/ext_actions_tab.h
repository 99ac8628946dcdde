#pragma once
#include <QWidget>
#include <functional>

class Editor;
class ExtActionList;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The "Extensions - AutoAction" page: the running editor's extension action
// list with its two edits. Every change goes into the Editor's list at once,
// so the button editor's picker sees it and "Cancel" does not undo it.
class ExtActionsTab : public QWidget {
    Q_OBJECT
public:
    explicit ExtActionsTab(Editor& editor, QWidget* parent = nullptr);

    void NewRow();
    void DeleteRow();

protected:
    // Enter in the two edits ends there: the edit is already applied, and the
    // dialog's default button must not close the dialog under the user.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildList();
    void BuildEditors();
    void ShowRows();
    // The "Ext" column is as wide as its longest extension, at least its designed 40.
    void FitExtensionColumn();
    void ShowRow(int row);
    // The selected row, or -1.
    int SelectedRow() const;
    void RowClicked(QTreeWidgetItem* item);
    // An edit's keystroke: the selected row takes the text (the list upper-cases
    // an extension and reads an action as comma text); no selection, no change.
    void WriteSelectedRow(void (ExtActionList::*write)(int, const QString&), const QString& text);
    void Handle(const std::function<void()>& handler);

    Editor& m_editor;
    ExtActionList& m_list;
    QTreeWidget* m_view = nullptr;
    QLineEdit* m_extension = nullptr;
    QLineEdit* m_action = nullptr;
};
