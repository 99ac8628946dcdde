#include "ui/params/params_dialog_fixture.h"

#include "model/ext_action_list.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

class ExtActionsTabTest : public ParamsDialogFixture {
protected:
    void SetUp() override
    {
        Start();
        Open(ProgramParamsDialog::ExtensionsPage);
    }

    QTreeWidget* List() { return Child<QTreeWidget>("ListView1"); }
    ExtActionList& Model() { return TheEditor().ExtActions(); }
    // Every row as "Ext=Action" as the list shows it.
    QStringList Shown()
    {
        QStringList rows;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            rows << List()->topLevelItem(row)->text(0) + "=" + List()->topLevelItem(row)->text(1);
        return rows;
    }
    void ClickRow(int row)
    {
        const QRect r = List()->visualItemRect(List()->topLevelItem(row));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, r.center());
    }
    int Selected()
    {
        const auto items = List()->selectedItems();
        return items.isEmpty() ? -1 : List()->indexOfTopLevelItem(items.first());
    }
    std::optional<QString> Lookup(const QString& file) { return Model().Lookup(file); }
};

TEST_F(ExtActionsTabTest, ShowsTheTwelveDefaultRowsAsAReportList)
{
    EXPECT_EQ(Shown(), QStringList({".M3U=Play", ".MP3=Play", ".IT=Play", ".XM=Play", ".S3M=Play", ".AVI=Play",
                                    ".MPG=Play", ".MPEG=Play", ".EXE=Open", ".TXT=Open", ".DOC=Open", ".HTM=Open"}));
    EXPECT_EQ(List()->headerItem()->text(0), "Ext");
    EXPECT_EQ(List()->headerItem()->text(1), "Action");
    // An item view leaves the focus frame's margin and one pixel on either side of a text.
    const int margins = 2 * (List()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List()) + 1);
    EXPECT_GE(List()->columnWidth(0), List()->fontMetrics().horizontalAdvance(".MPEG") + margins) << "\".MPEG\" whole";
    EXPECT_EQ(List()->columnWidth(1), 60);
    EXPECT_EQ(List()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(List()->isSortingEnabled());
    EXPECT_FALSE(List()->header()->sectionsClickable());
    EXPECT_EQ(List()->toolTip(), "Associated Ext list - Right Button to access...");
    EXPECT_EQ(Child("ExtEdit")->toolTip(), "Extension (include DOT!)");
    EXPECT_EQ(Child("ActionEdit")->toolTip(), "ShellRUN Action");
    auto* menu = List()->findChild<QMenu*>("PopupMenu1");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "New...");
    EXPECT_EQ(menu->actions()[1]->text(), "Delete");
    EXPECT_EQ(menu->actions()[0]->property("helpContext").toInt(), 1610);
    EXPECT_EQ(menu->actions()[1]->property("helpContext").toInt(), 1620);
}

TEST_F(ExtActionsTabTest, AClickRightOfTheColumnsPicksTheRow)
{
    const int y = List()->visualItemRect(List()->topLevelItem(3)).center().y();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, QPoint(List()->viewport()->width() - 4, y));
    EXPECT_EQ(Selected(), 3);
    EXPECT_EQ(Child("ExtEdit")->text(), ".XM");
}

TEST_F(ExtActionsTabTest, NewInsertsUnselectedRowsAtTheTopAndDeleteRemovesTheSelectedOne)
{
    ClickRow(1);
    ASSERT_EQ(Selected(), 1);
    Click("NewButton");
    Click("NewButton");
    EXPECT_EQ(Shown().mid(0, 4), QStringList({".?=Open", ".?=Open", ".M3U=Play", ".MP3=Play"}));
    // The selection stays on ".MP3", now two rows lower.
    EXPECT_EQ(Selected(), 3);
    Click("DeleteButton");
    EXPECT_EQ(Shown().size(), 13);
    EXPECT_EQ(Shown()[3], ".IT=Play");
    EXPECT_FALSE(Lookup("song.mp3"));

    // Nothing selected: Delete does nothing.
    List()->clearSelection();
    Click("DeleteButton");
    EXPECT_EQ(Shown().size(), 13);
    // The context menu's items do the same.
    auto* menu = List()->findChild<QMenu*>("PopupMenu1");
    menu->actions()[0]->trigger();
    EXPECT_EQ(Shown().size(), 14);
    ClickRow(0);
    menu->actions()[1]->trigger();
    EXPECT_EQ(Shown().size(), 13);
    EXPECT_EQ(int(Model().Rows().size()), 13);
}

TEST_F(ExtActionsTabTest, RowClickFillsTheEditsAndTypingWritesTheSelectedRow)
{
    ClickRow(5);
    EXPECT_EQ(Child("ExtEdit")->text(), ".AVI");
    EXPECT_EQ(Child("ActionEdit")->text(), "Play");
    Retype("ActionEdit", "Play, \"full screen\"");
    ClickRow(0);
    ClickRow(5);
    EXPECT_EQ(Child("ActionEdit")->text(), "Play,\"full screen\"");
    Retype("ExtEdit", ".avi");
    EXPECT_EQ(Child("ExtEdit")->text(), ".avi");
    EXPECT_EQ(Shown()[5], ".AVI=Play");
    Retype("ActionEdit", "Play now");
    EXPECT_EQ(Shown()[5], ".AVI=Play");
    EXPECT_EQ(Model().ActionText(5), "Play,now");
    EXPECT_EQ(Lookup("clip.avi"), "Play,now");
    // Cleared: the row has no action, and a lookup proposes an empty one.
    Retype("ActionEdit", "");
    EXPECT_EQ(Shown()[5], ".AVI=");
    EXPECT_EQ(Lookup("clip.AVI"), QString());
}

TEST_F(ExtActionsTabTest, KeyboardMovesLeaveTheEditsButTypingChangesTheNewRow)
{
    ClickRow(8);
    EXPECT_EQ(Child("ExtEdit")->text(), ".EXE");
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Down);
    ASSERT_EQ(Selected(), 9);
    EXPECT_EQ(Child("ExtEdit")->text(), ".EXE");
    Retype("ExtEdit", ".exe2");
    EXPECT_EQ(Shown()[8], ".EXE=Open");
    EXPECT_EQ(Shown()[9], ".EXE2=Open");
}

TEST_F(ExtActionsTabTest, WithNoRowSelectedClicksAndTypingChangeNothing)
{
    ClickRow(0);
    // A click below the last row leaves no row selected.
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, QPoint(20, List()->viewport()->height() - 2));
    ASSERT_EQ(Selected(), -1);
    Retype("ExtEdit", ".NEW");
    Retype("ActionEdit", "Edit");
    EXPECT_EQ(Shown()[0], ".M3U=Play");
    EXPECT_EQ(Child("ExtEdit")->text(), ".NEW");
}

TEST_F(ExtActionsTabTest, ChangesSurviveCancelAndReachTheButtonEditorAtOnce)
{
    ClickRow(0);
    Retype("ExtEdit", ".bat");
    EXPECT_EQ(Lookup("setup.bat"), "Play");
    Click("CancelButton");
    EXPECT_EQ(Lookup("setup.bat"), "Play");
    // Two rows for one extension: the lower one wins.
    Open(ProgramParamsDialog::ExtensionsPage);
    ClickRow(1);
    Retype("ExtEdit", ".Bat");
    Retype("ActionEdit", "Open");
    EXPECT_EQ(Lookup("install.bat"), "Open");
    EXPECT_EQ(Shown().mid(0, 2), QStringList({".BAT=Play", ".BAT=Open"}));
}
