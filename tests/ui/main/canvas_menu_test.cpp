#include "support/saved_section.h"
#include "ui/main/canvas_fixture.h"
#include "ui/params/program_params_dialog.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

// The canvas's right-click menu, opened as the right button opens it and
// worked with the keys.
class CanvasMenuTest : public CanvasFixture {
protected:
    QMenu* RightClick(QPoint at, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse)
    {
        QContextMenuEvent event(reason, at, m_canvas->mapToGlobal(at));
        QApplication::sendEvent(m_canvas, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        EXPECT_NE(menu, nullptr) << "no menu opened";
        return menu;
    }
    static QAction* Entry(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions())
            if (action->text().remove(u'&') == text)
                return action;
        ADD_FAILURE() << "no entry " << text.toStdString();
        return nullptr;
    }
    static QStringList Entries(QMenu* menu)
    {
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().remove(u'&');
        return texts;
    }
    // Goes to the entry and presses Enter, as the keyboard picks it; a submenu opens.
    void Choose(QMenu* menu, const QString& text)
    {
        QAction* entry = Entry(menu, text);
        ASSERT_NE(entry, nullptr);
        menu->setActiveAction(entry);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    void Choose(QPoint at, const QString& text)
    {
        if (QMenu* menu = RightClick(at))
            Choose(menu, text);
    }
    QByteArray Names()
    {
        QByteArray names;
        for (int slot : {0, 1, 2, 3})
            names += Slot(slot).Used ? Slot(slot).Name + ' ' : QByteArray("- ");
        return names.trimmed();
    }
};

TEST_F(CanvasMenuTest, ARightClickOnAButtonSelectsItAsAClickDoesAndItsEntriesAreOneStepEach)
{
    Click(0);
    QMenu* menu = RightClick(CentreOf(3));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Selected(), std::vector<int>{3});
    EXPECT_EQ(ShownSlot(), QStringLiteral("3"));
    EXPECT_EQ(Entries(menu).join('|'), "Edit|Duplicate|Copy|Cut|Delete|Align and Size|Bring to Top|Send to Bottom");
    EXPECT_EQ(Entry(menu, "Duplicate")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D)) << "the Edit menu's own";
    for (const QAction* align : Entry(menu, "Align and Size")->menu()->actions())
        EXPECT_FALSE(align->isEnabled() && !align->isSeparator()) << "one selected: " << align->text().toStdString();
    Choose(menu, "Duplicate");
    EXPECT_EQ(RectOf(1), QRect(410, 170, 40, 30));
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Duplicate"));
    EXPECT_EQ(TheEditor().History().StepCount(), 1);

    Choose(CentreOf(1), "Edit");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_session.Buttons()));
    EXPECT_EQ(ShownSlot(), QStringLiteral("1"));
    EXPECT_EQ(QApplication::focusWidget(), m_session.Buttons().findChild<QLineEdit*>("Edit1"));
}

TEST_F(CanvasMenuTest, ARightClickInsideTheSelectionKeepsItAndAlignsItToThatButton)
{
    Click(0);
    Click(2, Qt::ControlModifier);
    Click(3, Qt::ControlModifier);
    QMenu* menu = RightClick(CentreOf(2));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(TheEditor().Buttons().Selection().Current(), 2) << "the reference";
    Choose(menu, "Align and Size");
    auto* align = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(align, menu);
    Choose(align, "Align Left");
    EXPECT_EQ(RectOf(0).left(), 200);
    EXPECT_EQ(RectOf(3).left(), 200);
    EXPECT_EQ(RectOf(3).top(), 160) << "only across";
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Align Left"));
    EXPECT_EQ(TheEditor().History().StepCount(), 1);
    TheEditor().Undo();
    EXPECT_EQ(RectOf(0).left(), 100);
    EXPECT_EQ(RectOf(3).left(), 400);
}

TEST_F(CanvasMenuTest, BringToTopAndSendToBottomRenumberTheSectionsAndTheSelectionFollows)
{
    Click(3);
    // The Menu key: the selection's menu, wherever the pointer is.
    QMenu* menu = RightClick({5, 5}, QContextMenuEvent::Keyboard);
    ASSERT_NE(menu, nullptr);
    Choose(menu, "Bring to Top");
    EXPECT_EQ(Names(), "Help - Play Quit") << "the used slots stay 0, 2 and 3";
    EXPECT_EQ(Selected(), std::vector<int>{0});
    EXPECT_EQ(ShownSlot(), QStringLiteral("0"));
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo Bring to Top"));
    ASSERT_TRUE(TheEditor().SaveWithReport(&m_session.Main()));
    EXPECT_TRUE(SavedSection(m_dir.Read("launcher.ini"), 0).contains("Name=Help"));

    Click(2);
    Key(Qt::Key_A, Qt::ControlModifier);
    Click(0, Qt::ControlModifier); // out: Play and Quit stay selected
    Key(Qt::Key_End);
    EXPECT_EQ(Names(), "Help - Play Quit") << "already last";
    Click(0);
    Key(Qt::Key_End);
    EXPECT_EQ(Names(), "Play - Quit Help");
    EXPECT_EQ(Selected(), std::vector<int>{3});
    EXPECT_EQ(TheEditor().History().StepCount(), 2);
    TheEditor().Undo();
    EXPECT_EQ(Names(), "Help - Play Quit");
}

TEST_F(CanvasMenuTest, TheEmptyCanvasMenuMakesANewButtonAtThePointerCutToTheMenu)
{
    QMenu* menu = RightClick({600, 440});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(menu).join('|'), "Paste|New button here|Select All|Program Parameters...");
    EXPECT_TRUE(Selected().empty());
    Choose(menu, "New button here");
    EXPECT_EQ(RectOf(1), QRect(600, 440, 40, 20)) << "the menu is 640 x 460";
    EXPECT_EQ(Slot(1).Name, "New Button");
    EXPECT_EQ(Selected(), std::vector<int>{1});
    EXPECT_EQ(TheEditor().UndoText(), QStringLiteral("Undo New Button#1"));

    for (int slot = 4; slot < MenuProject::NewButtonSlots; ++slot)
        TheEditor().Project().Buttons[size_t(slot)] = Slot(1);
    TheEditor().EndGesture();
    const int steps = TheEditor().History().StepCount();
    Choose(QPoint(10, 10), "New button here");
    EXPECT_EQ(m_informations.size(), 1) << "no free slot: said so";
    EXPECT_EQ(TheEditor().History().StepCount(), steps);
}

TEST_F(CanvasMenuTest, ProgramParametersOpensTheDialogAsTheStripsButtonDoes)
{
    QWidget* opened = nullptr;
    QTimer::singleShot(0, m_canvas, [&] {
        opened = QApplication::activeModalWidget();
        if (opened)
            opened->close();
    });
    Choose(QPoint(10, 10), "Program Parameters...");
    EXPECT_EQ(opened, &m_session.Params());
}

} // namespace
