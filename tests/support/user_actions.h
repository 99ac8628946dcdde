#pragma once
#include <QApplication>

// The user actions a test simulates (QTest's clicks and keys, sendEvent of
// mouse and key events), as the test programs' application sees them: a watch
// hears when an outermost press starts and when its release has been handled,
// so it can check what the whole action did. Events nested inside another one
// (a modal dialog's, say) are part of the outer action.
class UserActionWatch {
public:
    virtual ~UserActionWatch() = default;
    virtual void ActionStarts(QObject* target, QEvent* event) = 0;
    virtual void ActionEnded(QObject* target, QEvent* event) = 0;
};

void AddUserActionWatch(UserActionWatch* watch);
void RemoveUserActionWatch(UserActionWatch* watch);

// The test programs' application: reports the user actions to the watches.
class TestApplication : public QApplication {
public:
    TestApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;

private:
    int m_depth = 0;
};
