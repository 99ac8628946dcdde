#pragma once
#include "ui/button_editor/button_editor.h"
#include "ui/core/editor.h"
#include "ui/history_watch.h"
#include "ui/main/button_list_window.h"

#include <QImage>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

// An Editor with a real button editor and buttons list registered; dialogs are
// answered by the test (an unexpected question or file dialog fails it).
class ButtonEditorFixture : public ::testing::Test {
protected:
    ButtonEditorFixture();

    MenuProject& Project() { return m_editor.Project(); }
    MenuButton& Slot(int slot) { return m_editor.Project().Buttons[slot]; }
    template <typename T = QLineEdit>
    T* Child(const char* name) const
    {
        T* child = m_form.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // A used button with the given rectangle and name.
    MenuButton& UseButton(int slot, int left, int top, int width, int height, const QByteArray& name);
    void Load(int slot);
    // Shows and activates the editor so that focus changes are real.
    bool ShowActive();
    // Picks an Action item through the drop-down list, as the user does.
    void PickAction(const QString& item);
    // Selects all of a box's text and types over it.
    void TypeOver(QWidget* box, const QString& text);

    // A 320 x 200 background of one colour, drawn with every used button's frame.
    void PrepareCanvas();
    // The canvas as a full redraw of the current project would draw it.
    QImage FullRedraw();
    // Whether any pixel of the column x between top and bottom is a frame dot.
    bool FrameEdgeAt(int x, int top, int bottom);

    // The buttons list's rows, each as its five cells.
    QList<QStringList> ListRows() const;

    static constexpr QRgb Background = 0xFF285AA0;

    Editor m_editor;
    ButtonEditor m_form{m_editor};
    ButtonListWindow m_list{m_editor};
    HistoryWatch m_historyWatch{m_editor};
    QStringList m_errors;
};
