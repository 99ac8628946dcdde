#include "ui/button_editor/button_editor_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using ButtonEditorActionTest = ButtonEditorFixture;

namespace {

struct Question {
    QString Text;
    QString Caption;
    QMessageBox::StandardButtons Buttons;
};

} // namespace

TEST_F(ButtonEditorActionTest, UrlAndEmailItemsPrepareAWinExecTarget)
{
    const std::pair<QString, QByteArray> cases[] = {{"-> OPEN URL", "http://"}, {"-> SEND EMAIL", "mailto:"}};
    ASSERT_TRUE(ShowActive());
    for (const auto& [item, prefix] : cases) {
        MenuButton& button = UseButton(6, 10, 10, 40, 20, "Web");
        button.Params = "old.exe";
        button.ShellRunAction = "Open";
        Load(6);

        PickAction(item);
        EXPECT_EQ(button.Action, "WINEXEC") << item.toStdString();
        EXPECT_EQ(button.Params, prefix);
        EXPECT_TRUE(button.ShellRunAction.isEmpty());
        EXPECT_EQ(Child<QComboBox>("ComboBox1")->currentText(), "WINEXEC");
        EXPECT_EQ(m_form.focusWidget(), Child("Edit4"));
        EXPECT_FALSE(Child("Edit8")->isEnabled());
        EXPECT_EQ(ListRows().value(0).value(2), QString::fromLatin1(prefix));

        // The user completes the address in the focused box.
        QTest::keyClicks(m_form.focusWidget(), "x.cz");
        EXPECT_EQ(button.Params, prefix + "x.cz");
    }
    EXPECT_TRUE(m_errors.isEmpty());
}

TEST_F(ButtonEditorActionTest, ShellRunBoxesAreEnabledOnlyForRun)
{
    MenuButton& button = UseButton(1, 10, 10, 40, 20, "Shell");
    button.ShellRunAction = "Open";
    button.ShellRunParams = "/s";
    button.ShellRunPath = "Data";
    Load(1);
    const char* shellRun[] = {"Edit8", "Edit5", "Edit6", "ShellActionLabel", "ShellParamLabel", "ShellPathLabel"};
    // How many of the three boxes and their labels are enabled.
    auto enabledCount = [&] {
        int enabled = 0;
        for (const char* name : shellRun)
            enabled += Child<QWidget>(name)->isEnabled() ? 1 : 0;
        return enabled;
    };
    EXPECT_EQ(enabledCount(), 6);

    for (const char* item : {"RUN&CLOSE", "RUN&MINIMIZE", "WINEXEC"}) {
        PickAction(item);
        EXPECT_EQ(enabledCount(), 0) << item;
        EXPECT_EQ(button.Action, item);
    }
    EXPECT_TRUE(Child<QGroupBox>("GroupBox2")->isEnabled());
    EXPECT_EQ(Child("Edit8")->text(), "Open");
    EXPECT_EQ(button.ShellRunAction, "Open");
    EXPECT_EQ(button.ShellRunParams, "/s");

    // Disabled boxes still store their text.
    Child("Edit5")->setText("/q");
    EXPECT_EQ(button.ShellRunParams, "/q");

    PickAction("RUN");
    EXPECT_EQ(enabledCount(), 6);

    // Loading follows the stored keyword.
    UseButton(2, 10, 40, 40, 20, "Close").Action = "CLOSE";
    Load(2);
    EXPECT_EQ(enabledCount(), 0);
    Load(1);
    EXPECT_EQ(enabledCount(), 6);
}

TEST_F(ButtonEditorActionTest, DeleteAsksAndRemovesOnlyOnYes)
{
    UseButton(3, 10, 40, 50, 30, "New Button").Params = "setup.exe";
    UseButton(5, 100, 40, 50, 30, "Other");
    PrepareCanvas();
    Load(3);
    QList<Question> questions;
    QMessageBox::StandardButton answer = QMessageBox::No;
    m_editor.Dialogs().SetQuestionAnswerer(
        [&](const QString& text, const QString& caption, QMessageBox::StandardButtons buttons) {
            questions << Question{text, caption, buttons};
            return answer;
        });
    const QImage framed = m_editor.Canvas().Image().copy();

    QTest::mouseClick(Child<QPushButton>("Button2"), Qt::LeftButton);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].Text, "Are you sure?");
    EXPECT_EQ(questions[0].Caption, "Deleting #3 (New Button)");
    EXPECT_EQ(questions[0].Buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(Slot(3).Used);
    EXPECT_EQ(m_editor.Canvas().Image(), framed);

    answer = QMessageBox::Yes;
    QTest::mouseClick(Child<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(Slot(3).Used);
    EXPECT_EQ(Slot(3).Params, "setup.exe");
    EXPECT_FALSE(FrameEdgeAt(10, 41, 68));
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());
    ASSERT_EQ(ListRows().size(), 1);
    EXPECT_EQ(ListRows()[0][0], "5");
}

TEST_F(ButtonEditorActionTest, DeletedButtonTakesEditsWithoutLeavingFrames)
{
    UseButton(3, 10, 40, 50, 30, "Gone");
    PrepareCanvas();
    Load(3);
    m_editor.Dialogs().SetQuestionAnswerer(
        [](const QString&, const QString&, QMessageBox::StandardButtons) { return QMessageBox::Yes; });
    QTest::mouseClick(Child<QPushButton>("Button2"), Qt::LeftButton);
    ASSERT_FALSE(Slot(3).Used);

    TypeOver(Child("X"), "80");
    QTest::mouseClick(Child<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(Slot(3).Left, 80);
    EXPECT_FALSE(Slot(3).Used);
    EXPECT_EQ(m_editor.Canvas().Image(), FullRedraw());
    EXPECT_TRUE(ListRows().isEmpty());
}

TEST_F(ButtonEditorActionTest, LeavingThePathBoxDropsOneTrailingBackslash)
{
    const std::pair<QString, QByteArray> cases[] = {
        {"C:\\Data\\", "C:\\Data"}, {"C:\\", "C:"}, {"\\", "\\"}, {"C:\\Data", "C:\\Data"}, {"a\\\\", "a\\"}};
    UseButton(0, 10, 10, 40, 20, "Path");
    ASSERT_TRUE(ShowActive());
    Load(0);
    for (const auto& [typed, stored] : cases) {
        Child("Edit6")->setFocus();
        Child("Edit6")->setText(typed);
        Child("Edit5")->setFocus();
        EXPECT_EQ(Slot(0).ShellRunPath, stored) << typed.toStdString();
        EXPECT_EQ(Child("Edit6")->text(), QString::fromLatin1(stored));
    }
}

TEST_F(ButtonEditorActionTest, EditorFollowsItsButtonThroughASort)
{
    UseButton(0, 10, 300, 40, 20, "Low");
    UseButton(1, 10, 10, 40, 20, "High");
    Load(0);

    m_editor.ButtonsSorted(Project().SortButtons());
    EXPECT_EQ(Child<QLabel>("Butt")->text(), "1");
    EXPECT_EQ(m_editor.CurrentButton(), 1);

    QTest::keyClicks(Child("Edit1"), "er");
    EXPECT_EQ(Slot(1).Name, "Lower");
    EXPECT_EQ(Slot(0).Name, "High");
}

TEST_F(ButtonEditorActionTest, ListButtonShowsAFreshList)
{
    UseButton(8, 10, 10, 40, 20, "Before");
    Load(8);
    Slot(8).Name = "Changed elsewhere";
    ASSERT_FALSE(m_list.IsShown());

    QTest::mouseClick(Child<QPushButton>("Button5"), Qt::LeftButton);
    EXPECT_TRUE(m_list.IsShown());
    ASSERT_EQ(ListRows().size(), 1);
    EXPECT_EQ(ListRows()[0][1], "Changed elsewhere");
}
