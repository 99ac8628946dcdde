#pragma once
#include "model/project_history.h"
#include "support/user_actions.h"
#include "ui/core/editor.h"
#include "ui/core/field_gestures.h"

#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

// After each simulated user action, no change to the project may have escaped
// the undo history: once the action's gesture ended, the project is the last
// recorded state. So a window that changes the project and forgets to end its
// gesture (Editor::EndGesture) fails every test that uses it. A change the test
// made by hand is no escape: only what the action itself changed is weighed.
// Not yet ended, and so not weighed: keystrokes (and spin arrows) in a text
// field, whose gesture ends when the field is left or Enter is released, and
// what happens inside a modal dialog, whose gesture ends at its OK or Cancel.
class HistoryWatch : public UserActionWatch {
public:
    explicit HistoryWatch(Editor& editor) : m_editor(editor) { AddUserActionWatch(this); }
    ~HistoryWatch() override { RemoveUserActionWatch(this); }
    HistoryWatch(const HistoryWatch&) = delete;
    HistoryWatch& operator=(const HistoryWatch&) = delete;

    void ActionStarts(QObject*, QEvent* event) override
    {
        // A key pressed while a mouse button is held belongs to the mouse's gesture.
        const bool mouse = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        if (mouse || !m_mouseHeld)
            m_before = ProjectState::Of(m_editor.Project());
        m_mouseHeld = m_mouseHeld || mouse;
    }

    void ActionEnded(QObject* target, QEvent* event) override
    {
        const bool mouse = event->type() == QEvent::MouseButtonRelease;
        if ((!mouse && m_mouseHeld) || !m_before)
            return;
        m_mouseHeld = false;
        const ProjectState before = *m_before;
        m_before.reset();
        const MenuProject& project = m_editor.Project();
        if (before.Matches(project) || !m_editor.History().Differs(project) || QApplication::activeModalWidget()
            || InTextField(target) || InOpenDialog(target))
            return;
        ADD_FAILURE() << "a change escaped the undo history (" << Describe()
                      << ") after the user action that ended with event " << int(event->type()) << " on "
                      << Path(target);
    }

    // The same check for a test to make at any point: the project is the last recorded state.
    static void ExpectRecorded(const Editor& editor)
    {
        EXPECT_FALSE(editor.History().Differs(editor.Project()))
            << "not recorded: "
            << DescribeChange(editor.History().Current(), ProjectState::Of(editor.Project()))
                   .toStdString();
    }

private:
    std::string Describe() const
    {
        return DescribeChange(m_editor.History().Current(), ProjectState::Of(m_editor.Project())).toStdString();
    }
    static bool InTextField(QObject* target)
    {
        for (QObject* o = target; o; o = o->parent())
            if (FieldGestures::IsTextField(o))
                return true;
        return false;
    }
    // A dialog's gesture ends at its OK or Cancel (tests show some without exec).
    static bool InOpenDialog(QObject* target)
    {
        auto* widget = qobject_cast<QWidget*>(target);
        return widget && qobject_cast<QDialog*>(widget->window()) && widget->window()->isVisible();
    }
    static std::string Path(QObject* target)
    {
        std::string path;
        for (QObject* o = target; o; o = o->parent())
            path = std::string(o->metaObject()->className()) + "(" + o->objectName().toStdString() + ")"
                   + (path.empty() ? "" : "/" + path);
        return path;
    }

    Editor& m_editor;
    std::optional<ProjectState> m_before;
    bool m_mouseHeld = false;
};
