#pragma once
#include "ui/controls/office2000_look.h"

#include <QColor>
#include <QString>
#include <functional>

class QFocusEvent;
class QKeyEvent;
class QWidget;

// The keyboard and focus behaviour the flat edit, the memo and the spin edit
// share: the focus colour, Enter and the arrows acting as Tab, and the flat
// border of TOffice2000Look.
class FlatEditBehaviour {
public:
    explicit FlatEditBehaviour(QWidget* control);

    bool CursorEndField = true;
    bool EnterLikeTab = true;
    bool ArrowLikeTab = false;
    // The tooltip background unless set.
    QColor ColorOnFocus;

    bool Office2k() const { return m_look.Office2000() != nullptr; }
    void SetOffice2k(bool on);
    TOffice2000Look& Look() { return m_look; }
    // The colour the control returns to when the focus leaves.
    QColor DesignedColor() const { return m_designedColor; }
    void SetDesignedColor(const QColor& color);

    // A focus change the user makes (Tab, a click); a window switch, a popup
    // menu or a message box over the window neither enters nor leaves the field.
    static bool IsUserFocusChange(const QFocusEvent* event);
    // On the user's focus change: the focus colour (or the designed colour back);
    // true when the field was really entered (left), so OnEnter (OnExit) runs.
    bool Enter(const QFocusEvent* event);
    bool Exit(const QFocusEvent* event);
    // Enter with EnterLikeTab: the focus moves on and the key is used up.
    bool TakeEnterKey(const QKeyEvent* event);
    // With ArrowLikeTab, Enter and Down move on and Up moves back once the key is handled.
    void PostArrowMove(const QKeyEvent* event);
    static bool IsEnter(const QKeyEvent* event);
    // Hands the key to `handler` carrying `text` instead of its own (a case-mode change).
    static void SendWithText(QKeyEvent* event, const QString& text,
                             const std::function<void(QKeyEvent*)>& handler);
    // The next or previous control of the window that takes the focus by Tab.
    static void MoveFocus(QWidget* from, bool forward);

private:
    QWidget* m_control;
    TOffice2000Look m_look;
    QColor m_designedColor;
};
