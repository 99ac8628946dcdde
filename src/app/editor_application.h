#pragma once
#include <QApplication>

// Last line of defence: an exception that escaped a handler is shown, never
// allowed across the event loop.
class EditorApplication : public QApplication {
public:
    EditorApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
