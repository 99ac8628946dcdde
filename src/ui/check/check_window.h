#pragma once
#include "model/check_finding.h"
#include "ui/core/window_views.h"

#include <QWidget>
#include <memory>

class Editor;
class QTreeWidgetItem;

namespace Ui {
class CheckWindow;
}

// "Check": one row per thing the project check found, with a summary line;
// a double-click on a row shows where its field is edited.
class CheckWindow : public QWidget, public CheckWindowView {
    Q_OBJECT
public:
    explicit CheckWindow(Editor& editor, QWidget* parent = nullptr);
    ~CheckWindow() override;

    // CheckWindowView
    void ShowCheck() override;
    void ProjectLoaded() override;

    // Runs the check again on the project as it is now.
    void RunCheck();

private:
    void FillRows();
    void RowActivated(QTreeWidgetItem* item);

    Editor& m_editor;
    std::unique_ptr<Ui::CheckWindow> m_ui;
    CheckFindings m_findings;
};
