#include "ui/button_editor/button_editor_fixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

class ButtonListWindowTest : public ButtonEditorFixture {
protected:
    QTreeWidget* List() { return m_list.findChild<QTreeWidget*>("ListView1"); }

    void ClickRow(int row)
    {
        QTreeWidgetItem* item = List()->topLevelItem(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->visualItemRect(item).center());
    }

    void ClickBelowRows()
    {
        QWidget* viewport = List()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 5));
    }

    QString SelectedNumber()
    {
        const QList<QTreeWidgetItem*> selected = List()->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text(0);
    }
};

TEST_F(ButtonListWindowTest, WindowHasTheDesignedTable)
{
    EXPECT_EQ(m_list.windowTitle(), "Buttonz LIST");
    EXPECT_TRUE(m_list.windowFlags().testFlag(Qt::Tool));
    m_list.ShowList();
    EXPECT_EQ(m_list.frameGeometry().size(), QSize(606, 354));
    EXPECT_NE(m_list.minimumSize(), m_list.maximumSize());
    EXPECT_EQ(List()->geometry(), m_list.rect());

    QTreeWidgetItem* header = List()->headerItem();
    QStringList titles;
    QList<int> widths;
    for (int column = 0; column < List()->columnCount(); ++column) {
        titles << header->text(column);
        widths << List()->columnWidth(column);
    }
    EXPECT_EQ(titles, QStringList({"#", "Name", "Executing", "ShellRun", "TextInfo"}));
    EXPECT_EQ(widths.mid(1), QList<int>({220, 140, 100, 100}));
    EXPECT_GE(widths.value(0), 20) << "at least 20, wider when \"100\" needs it";
    EXPECT_FALSE(List()->rootIsDecorated());
    EXPECT_FALSE(List()->isSortingEnabled());
    EXPECT_EQ(List()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(List()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ButtonListWindowTest, RowsAreTheUsedSlotsInSlotOrder)
{
    m_editor.RefreshButtonList();
    EXPECT_TRUE(ListRows().isEmpty());

    MenuButton& late = UseButton(50, 0, 0, 10, 10, "Late");
    late.LoadInfo = "late.rtf";
    MenuButton& first = UseButton(2, 0, 0, 10, 10, "First");
    first.Params = "setup.exe";
    first.ShellRunAction = "Open"; // the verb is not shown
    UseButton(7, 0, 0, 10, 10, "Mid").ShellRunParams = "/s";
    Slot(3).Name = "Unused";
    m_editor.RefreshButtonList();

    EXPECT_EQ(ListRows(), QList<QStringList>({{"2", "First", "setup.exe", "", ""},
                                              {"7", "Mid", "", "/s", ""},
                                              {"50", "Late", "", "", "late.rtf"}}));
}

TEST_F(ButtonListWindowTest, ClickingARowLoadsItsButton)
{
    UseButton(2, 0, 0, 10, 10, "First");
    UseButton(7, 0, 0, 10, 10, "Second");
    m_list.ShowList();
    m_editor.RefreshButtonList();
    ASSERT_FALSE(m_form.IsShown());

    ClickRow(1);
    EXPECT_EQ(m_editor.CurrentButton(), 7);
    EXPECT_TRUE(m_form.IsShown());
    EXPECT_EQ(m_form.findChild<QLabel*>("Butt")->text(), "7");
    EXPECT_EQ(Child("Edit1")->text(), "Second");

    // Below the last row the selected row is picked again.
    m_editor.SetCurrentButton(2);
    ClickBelowRows();
    EXPECT_EQ(m_editor.CurrentButton(), 7);
    EXPECT_EQ(Child("Edit1")->text(), "Second");
}

TEST_F(ButtonListWindowTest, ClickWithoutSelectionLoadsTheCurrentButton)
{
    UseButton(2, 0, 0, 10, 10, "First");
    UseButton(7, 0, 0, 10, 10, "Second");
    m_list.ShowList();
    m_editor.RefreshButtonList();
    m_editor.SetCurrentButton(2);

    ClickBelowRows();
    EXPECT_EQ(m_editor.CurrentButton(), 2);
    EXPECT_TRUE(m_form.IsShown());
    EXPECT_EQ(Child("Edit1")->text(), "First");
}

TEST_F(ButtonListWindowTest, EditingKeepsTheSelectedRow)
{
    UseButton(2, 0, 0, 10, 10, "First");
    UseButton(7, 0, 0, 10, 10, "Second");
    m_list.ShowList();
    m_editor.RefreshButtonList();
    ClickRow(1);

    // The load selected the whole name, so typing replaces it.
    QTest::keyClicks(Child("Edit1"), "Renamed");
    EXPECT_EQ(ListRows().value(1).value(1), "Renamed");
    EXPECT_EQ(SelectedNumber(), "7");
}

TEST_F(ButtonListWindowTest, SortingWhileShownRenumbersTheRows)
{
    UseButton(0, 0, 300, 10, 10, "Bottom");
    UseButton(1, 0, 20, 10, 10, "Top");
    m_list.ShowList();
    m_editor.RefreshButtonList();

    m_editor.SortButtonsCommand();
    EXPECT_EQ(ListRows().value(0), QStringList({"0", "Top", "", "", ""}));
    EXPECT_EQ(ListRows().value(1), QStringList({"1", "Bottom", "", "", ""}));
}

TEST_F(ButtonListWindowTest, TheNumberColumnShowsOneHundredInFull)
{
    UseButton(7, 0, 0, 10, 10, "Seven");
    UseButton(100, 0, 0, 10, 10, "Last");
    m_list.ShowList();
    m_editor.RefreshButtonList();
    ASSERT_EQ(ListRows().value(1).value(0), "100");
    // What the view itself needs to show the cells of the column uncut.
    const QAbstractItemView* view = List();
    EXPECT_LE(view->sizeHintForColumn(0), List()->columnWidth(0));
    EXPECT_LE(List()->header()->sectionSizeHint(0), List()->columnWidth(0));
}
