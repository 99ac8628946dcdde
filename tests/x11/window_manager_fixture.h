#pragma once
#include "ui/support_session.h"

#include <QList>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>

// The whole editor on a real X server with openbox. Dialogs are answered by the
// test unless a case lets a real message box come up.
class WindowManagerTest : public ::testing::Test, public SessionFixture {
protected:
    // Starts on a project as the program does: loaded first, shown after.
    void Start(const QByteArray& ini);
    // Lets message boxes come up for real; `answer` closes each one once it is active.
    void UseRealMessageBoxes(std::function<void(QWidget* box)> answer);

    // Client windows from the bottom up, as the window manager stacks them.
    static QList<WId> Stacking();
    static bool Above(const QWidget& upper, const QWidget& lower);
    // Activates a window as a user's click on it would, through the window manager.
    static void ActivateByWindowManager(QWidget& window);
    // Waits until the window manager has put its frame around the window.
    static bool WaitFramed(QWidget& window);
    static bool WaitActive(QWidget& window);
};
