#pragma once
#include <QMenu>

class Editor;

// "Align and Size": the alignment commands on the selection, which the Edit
// menu and the canvas's right-click menu both show. Its entries are enabled
// only while two or more buttons are selected.
class AlignMenu : public QMenu {
    Q_OBJECT
public:
    AlignMenu(Editor& editor, QWidget* window, QWidget* parent);

private:
    void FollowSelection();

    Editor& m_editor;
};
