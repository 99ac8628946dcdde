#include "ui/check/check_window.h"

#include "ui_check_window.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"

#include <QHeaderView>
#include <QStyle>

namespace {

enum Column { SeverityColumn, WhereColumn, MessageColumn };

} // namespace

CheckWindow::CheckWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_editor(editor), m_ui(std::make_unique<Ui::CheckWindow>())
{
    m_ui->setupUi(this);
    QHeaderView* header = m_ui->FindingList->header();
    header->setStretchLastSection(true);
    m_ui->FindingList->setColumnWidth(SeverityColumn, 80);
    m_ui->FindingList->setColumnWidth(WhereColumn, 170);
    connect(m_ui->CheckAgainButton, &QPushButton::clicked, this,
            [this] { Guarded(m_editor.Dialogs(), this, [this] { RunCheck(); }); });
    connect(m_ui->CloseButton, &QPushButton::clicked, this, &QWidget::close);
    // Double-click, or Enter on the selected row.
    connect(m_ui->FindingList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        Guarded(m_editor.Dialogs(), this, [this, item] { RowActivated(item); });
    });
}

CheckWindow::~CheckWindow() = default;

void CheckWindow::ShowCheck()
{
    RunCheck();
    show();
    raise();
    activateWindow();
}

// A shown window checks the new project at once; a hidden one checks when it is shown.
void CheckWindow::ProjectLoaded()
{
    if (isVisible())
        RunCheck();
}

void CheckWindow::RunCheck()
{
    m_findings = m_editor.CheckProject();
    FillRows();
    m_ui->SummaryLabel->setText(CheckSummary(m_findings));
}

void CheckWindow::FillRows()
{
    m_ui->FindingList->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    QList<QTreeWidgetItem*> rows;
    for (const CheckFinding& finding : m_findings) {
        auto* row = new QTreeWidgetItem(QStringList{finding.LevelText(), finding.Where(), finding.Message});
        row->setIcon(SeverityColumn, finding.IsError() ? errorIcon : warningIcon);
        row->setToolTip(MessageColumn, finding.Message);
        rows << row;
    }
    m_ui->FindingList->addTopLevelItems(rows);
}

void CheckWindow::RowActivated(QTreeWidgetItem* item)
{
    const int row = m_ui->FindingList->indexOfTopLevelItem(item);
    if (row >= 0 && row < m_findings.size())
        m_editor.GoToFinding(m_findings[row]);
}
