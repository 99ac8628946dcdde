#include "ui/main/button_list_window.h"

#include "platform/code_page.h"
#include "ui/core/editor.h"
#include "ui/core/event_guard.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QSize OuterSize(606, 354);

QString Shown(const Text& text) { return CodePage::ToUnicode(text); }

} // namespace

ButtonListWindow::ButtonListWindow(Editor& editor, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_editor(editor), m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Buttonz LIST"));
    setProperty("helpContext", 450);
    resize(OuterSize);
    m_frameWait.Arm(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    SetUpList();
}

void ButtonListWindow::SetUpList()
{
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setProperty("helpContext", 510);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSortingEnabled(false);
    m_list->setHeaderLabels({QStringLiteral("#"), QStringLiteral("Name"), QStringLiteral("Executing"),
                             QStringLiteral("ShellRun"), QStringLiteral("TextInfo")});
    m_list->header()->setStretchLastSection(false);
    // The style's minimum would widen the narrow "#" column.
    m_list->header()->setMinimumSectionSize(8);
    const int widths[] = {NumberColumnWidth(), 220, 140, 100, 100};
    for (int column = 0; column < 5; ++column)
        m_list->setColumnWidth(column, widths[column]);
    // The view updates its selection on the press; the click is taken on the
    // release, so it sees the row just pressed (or the one still selected).
    m_list->viewport()->installEventFilter(this);
}

// 20 pixels, or what the highest slot number needs: 20 cut "100" to "1...".
int ButtonListWindow::NumberColumnWidth() const
{
    const int textMargin = m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    const int needed = m_list->fontMetrics().horizontalAdvance(QStringLiteral("100")) + 2 * textMargin;
    return std::max(20, needed);
}

bool ButtonListWindow::event(QEvent* event)
{
    // The designed size includes the frame, known only once the window manager has framed the window.
    if (m_frameWait.FramedNow(*this, *event))
        resize(OuterSize.shrunkBy(FrameWait::FrameOf(*this)));
    return QWidget::event(event);
}

void ButtonListWindow::ShowList()
{
    show();
    raise();
    activateWindow();
}

void ButtonListWindow::HideList() { hide(); }

bool ButtonListWindow::IsShown() const { return isVisible(); }

void ButtonListWindow::RefreshButtonList()
{
    // The rebuild runs on every keystroke in the button editor: keep the
    // selected slot and the scroll position so the list does not jump.
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    const QString selectedNumber = selected.isEmpty() ? QString() : selected.first()->text(0);
    const int scroll = m_list->verticalScrollBar()->value();
    m_list->setUpdatesEnabled(false);
    FillRows();
    SelectSlot(selectedNumber);
    m_list->verticalScrollBar()->setValue(scroll);
    m_list->setUpdatesEnabled(true);
}

void ButtonListWindow::FillRows()
{
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    const MenuProject& project = m_editor.Project();
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        const MenuButton& button = project.Buttons[slot];
        if (button.Used)
            rows << new QTreeWidgetItem(QStringList{QString::number(slot), Shown(button.Name),
                                                    Shown(button.Params), Shown(button.ShellRunParams),
                                                    Shown(button.LoadInfo)});
    }
    m_list->addTopLevelItems(rows);
}

void ButtonListWindow::SelectSlot(const QString& number)
{
    if (number.isEmpty())
        return;
    const QList<QTreeWidgetItem*> found = m_list->findItems(number, Qt::MatchExactly, 0);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.first());
}

bool ButtonListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Guarded(m_editor.Dialogs(), this, [this] { RowClick(); });
    return QWidget::eventFilter(watched, event);
}

void ButtonListWindow::RowClick()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (!selected.isEmpty())
        m_editor.PickButton(selected.first()->text(0).toInt());
    m_editor.ShowButtonEditor();
    m_editor.LoadButtonEditor();
}
