#include "ui/button_editor/button_editor_fixture.h"

#include "ui/controls/super_spin_edit.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>

using ButtonEditorFormTest = ButtonEditorFixture;

TEST_F(ButtonEditorFormTest, TheFormHasItsCaptionSizeAndActionItems)
{
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("EDiT Buttons"));
    EXPECT_TRUE(m_form.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(m_form.size(), QSize(269, 377));
    auto* action = Child<QComboBox>("ComboBox1");
    QStringList items;
    for (int i = 0; i < action->count(); ++i)
        items << action->itemText(i);
    EXPECT_EQ(items, QStringList({"RUN", "WINEXEC", "MINIMIZE", "CLOSE", "NONE", "EJECT", "RUN&CLOSE",
                                  "RUN&MINIMIZE", "-> OPEN URL", "-> SEND EMAIL"}));
    EXPECT_EQ(action->maxVisibleItems(), 10);
    EXPECT_FALSE(action->isEditable());
    EXPECT_EQ(Child("Edit1")->maxLength(), 40);
}

TEST_F(ButtonEditorFormTest, EveryBoxCarriesItsHint)
{
    const std::pair<const char*, const char*> hints[] = {
        {"Edit1", "Button Name (only for you)"},
        {"ComboBox1", "Button Action"},
        {"Edit4", "Action - FILENAME (RUN, WINEXEC)"},
        {"Edit7", ".rtf file with mouse-over help"},
        {"Edit11", "exec file if Ext is UnAss"},
        {"Edit8", "ShellAPI action (OPEN)"},
        {"Edit5", "ShellAPI params"},
        {"Edit6", "ShellAPI path"},
        {"Edit9", "Sound for MouseOVER (none = default)"},
        {"Edit10", "Sound for MouseClick (none = default)"},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(Child<QWidget>(name)->toolTip(), QString::fromLatin1(hint)) << name;
}

TEST_F(ButtonEditorFormTest, SpinEditsHaveTheirRanges)
{
    const std::pair<const char*, int> ranges[] = {{"X", 1024}, {"Y", 768}, {"Edit2", 768}, {"Edit3", 1024}};
    for (const auto& [name, maxValue] : ranges) {
        auto* spin = Child<TSuperSpinEditI>(name);
        EXPECT_EQ(spin->MinValue(), 0) << name;
        EXPECT_EQ(spin->MaxValue(), maxValue) << name;
    }
}

TEST_F(ButtonEditorFormTest, AreasAndBoxesCarryTheirHelpContexts)
{
    EXPECT_EQ(m_form.property("helpContext").toInt(), 270);
    // The areas are found by their captions, as the user sees them.
    auto groupTitled = [this](const char* title) -> QWidget* {
        for (QGroupBox* group : m_form.findChildren<QGroupBox*>())
            if (group->title() == QLatin1String(title))
                return group;
        ADD_FAILURE() << "no group " << title;
        return &m_form;
    };
    EXPECT_EQ(groupTitled("Button")->property("helpContext").toInt(), 340);
    EXPECT_EQ(groupTitled("ShellRUN")->property("helpContext").toInt(), 310);
    EXPECT_EQ(groupTitled("Sounds")->property("helpContext").toInt(), 330);
    EXPECT_EQ(Child<QWidget>("ComboBox1")->property("helpContext").toInt(), 1310);
    EXPECT_EQ(Child<QWidget>("Edit8")->property("helpContext").toInt(), 320);
    EXPECT_EQ(Child<QWidget>("Edit11")->property("helpContext").toInt(), 2010);
}

TEST_F(ButtonEditorFormTest, ThePathRuleWaitsForARealLeave)
{
    UseButton(0, 10, 10, 40, 20, "Path");
    ASSERT_TRUE(ShowActive());
    Load(0);
    QLineEdit* path = Child("Edit6");
    path->setFocus();
    TypeOver(path, QStringLiteral("C:\\"));
    // A context menu or another window taking the focus is not leaving the field.
    for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(path, &out);
        EXPECT_EQ(path->text(), QStringLiteral("C:\\")) << reason;
    }
    EXPECT_EQ(Slot(0).ShellRunPath, "C:\\");
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(path, &tab);
    EXPECT_EQ(path->text(), QStringLiteral("C:"));
    EXPECT_EQ(Slot(0).ShellRunPath, "C:");
}
