#pragma once
#include "ui/core/frame_wait.h"
#include "ui/core/window_views.h"

#include <QWidget>

class Editor;
class QTreeWidget;

// "Buttonz LIST": a read-only table of the used buttons, one row per slot; a
// click in it loads the selected button into the button editor.
class ButtonListWindow : public QWidget, public ButtonListView {
    Q_OBJECT
public:
    explicit ButtonListWindow(Editor& editor, QWidget* parent = nullptr);

    // ButtonListView
    void ShowList() override;
    void HideList() override;
    bool IsShown() const override;
    void RefreshButtonList() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SetUpList();
    int NumberColumnWidth() const;
    void FillRows();
    void SelectSlot(const QString& number);
    void RowClick();

    Editor& m_editor;
    // Before the child widgets: their ChildAdded events reach event() while they are built.
    FrameWait m_frameWait;
    QTreeWidget* m_list = nullptr;
};
