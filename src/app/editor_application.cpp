#include "app/editor_application.h"

#include "platform/vyx_error.h"

#include <QMessageBox>

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("-= Vyx eDIT =-"));
}

bool EditorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const VyxError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"), e.Message());
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromLocal8Bit(e.what()));
    }
    return false;
}
