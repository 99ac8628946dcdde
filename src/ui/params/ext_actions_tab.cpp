#include "ui/params/ext_actions_tab.h"

#include "model/ext_action_list.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

namespace {

QPushButton* PlaceButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* PlaceEdit(QWidget* parent, const QString& name, const QString& hint, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    edit->setGeometry(geometry);
    return edit;
}

// A report-style list: a click anywhere in a row, also right of its last
// column, picks the row; a click below the last row leaves no row selected.
class ReportList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

    QModelIndex indexAt(const QPoint& point) const override
    {
        const int lastColumn = columnCount() - 1;
        const int rowEnd = columnViewportPosition(lastColumn) + columnWidth(lastColumn);
        return QTreeWidget::indexAt(QPoint(std::min(point.x(), rowEnd - 1), point.y()));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (!itemAt(event->position().toPoint()))
            clearSelection();
        QTreeWidget::mousePressEvent(event);
    }
};

} // namespace

ExtActionsTab::ExtActionsTab(Editor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_list(editor.ExtActions())
{
    setObjectName(QStringLiteral("ExtActionsTab"));
    setProperty("helpContext", 2110);
    BuildList();
    BuildEditors();
    ShowRows();
}

void ExtActionsTab::BuildList()
{
    m_view = new ReportList(this);
    m_view->setObjectName(QStringLiteral("ListView1"));
    m_view->setProperty("helpContext", 2120);
    m_view->setGeometry(6, 6, 200, 190);
    m_view->setToolTip(QStringLiteral("Associated Ext list - Right Button to access..."));
    m_view->setHeaderLabels({QStringLiteral("Ext"), QStringLiteral("Action")});
    m_view->setColumnWidth(0, 40); // widened to the extensions by ShowRows
    m_view->setColumnWidth(1, 60);
    m_view->setRootIsDecorated(false);
    m_view->setSortingEnabled(false);
    m_view->header()->setSectionsClickable(false);
    m_view->header()->setStretchLastSection(false);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(m_view, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { Handle([&] { RowClicked(item); }); });

    auto* menu = new QMenu(m_view);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* newAction = menu->addAction(QStringLiteral("New..."), this, [this] { Handle([&] { NewRow(); }); });
    newAction->setProperty("helpContext", 1610);
    QAction* deleteAction = menu->addAction(QStringLiteral("Delete"), this, [this] { Handle([&] { DeleteRow(); }); });
    deleteAction->setProperty("helpContext", 1620);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(m_view->viewport()->mapToGlobal(at)); });
}

void ExtActionsTab::BuildEditors()
{
    m_extension = PlaceEdit(this, QStringLiteral("ExtEdit"), QStringLiteral("Extension (include DOT!)"),
                            QRect(214, 6, 200, 21));
    m_action =
        PlaceEdit(this, QStringLiteral("ActionEdit"), QStringLiteral("ShellRUN Action"), QRect(214, 34, 200, 21));
    connect(m_extension, &QLineEdit::textChanged, this,
            [this](const QString& text) { Handle([&] { WriteSelectedRow(&ExtActionList::SetExtension, text); }); });
    connect(m_action, &QLineEdit::textChanged, this,
            [this](const QString& text) { Handle([&] { WriteSelectedRow(&ExtActionList::SetActionText, text); }); });
    connect(PlaceButton(this, QStringLiteral("NewButton"), QStringLiteral("New..."), QRect(214, 64, 96, 24)),
            &QPushButton::clicked, this, [this] { Handle([&] { NewRow(); }); });
    connect(PlaceButton(this, QStringLiteral("DeleteButton"), QStringLiteral("Delete"), QRect(318, 64, 96, 24)),
            &QPushButton::clicked, this, [this] { Handle([&] { DeleteRow(); }); });
}

void ExtActionsTab::Handle(const std::function<void()>& handler) { Guarded(m_editor.Dialogs(), window(), handler); }

void ExtActionsTab::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (m_extension->hasFocus() || m_action->hasFocus()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void ExtActionsTab::ShowRows()
{
    m_view->clear();
    for (size_t row = 0; row < m_list.Rows().size(); ++row) {
        new QTreeWidgetItem(m_view);
        ShowRow(int(row));
    }
    FitExtensionColumn();
}

void ExtActionsTab::FitExtensionColumn()
{
    m_view->resizeColumnToContents(0);
    m_view->setColumnWidth(0, std::max(40, m_view->columnWidth(0)));
}

void ExtActionsTab::ShowRow(int row)
{
    const ExtAction& action = m_list.Rows().at(size_t(row));
    QTreeWidgetItem* item = m_view->topLevelItem(row);
    item->setText(0, action.Extension);
    item->setText(1, action.Action.value(0));
}

int ExtActionsTab::SelectedRow() const
{
    const QList<QTreeWidgetItem*> selected = m_view->selectedItems();
    return selected.isEmpty() ? -1 : m_view->indexOfTopLevelItem(selected.first());
}

void ExtActionsTab::NewRow()
{
    // The selection stays on the row it was on, now one lower.
    m_list.InsertNewAtTop();
    m_view->insertTopLevelItem(0, new QTreeWidgetItem);
    ShowRow(0);
}

void ExtActionsTab::DeleteRow()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    m_list.Remove(row);
    delete m_view->takeTopLevelItem(row);
}

void ExtActionsTab::RowClicked(QTreeWidgetItem* item)
{
    const int row = m_view->indexOfTopLevelItem(item);
    if (row < 0 || row != SelectedRow())
        return;
    // Each assignment writes the row back through the change handlers; both are
    // already in the row's own form, so the row keeps its values.
    m_extension->setText(m_list.Rows().at(size_t(row)).Extension);
    m_action->setText(m_list.ActionText(row));
}

void ExtActionsTab::WriteSelectedRow(void (ExtActionList::*write)(int, const QString&), const QString& text)
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    (m_list.*write)(row, text);
    ShowRow(row);
}
