#include "app/editor_application.h"
#include "app/editor_session.h"
#include "platform/code_page.h"
#include "ui/main/main_window.h"

#include <QTextStream>

int main(int argc, char** argv)
{
    EditorApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QLatin1String("--codepage")) {
        if (!CodePage::Select(args.at(1)))
            QTextStream(stderr) << "unknown code page: " << args.at(1) << ", using " << CodePage::Name() << '\n';
        args.remove(0, 2);
    }
    EditorSession session;
    session.Start(args.value(0));
    // Closing the main window ends the program, whatever other windows are open.
    QObject::connect(&session.Main(), &MainWindow::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    session.Main().show();
    return app.exec();
}
