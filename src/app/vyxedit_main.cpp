#include "app/editor_application.h"
#include "app/editor_command_line.h"
#include "app/editor_session.h"
#include "platform/code_page.h"
#include "platform/native_names.h"
#include "ui/core/editor.h"
#include "ui/main/main_window.h"
#include "ui/preview/preview_window.h"

#include <QTextStream>
#include <optional>

namespace {

// The answer to --help, --version or a wrong call; none when the editor should run.
std::optional<int> Answer(const EditorCommandLine& line)
{
    switch (line.action) {
    case EditorCommandLine::Action::Help:
        QTextStream(stdout) << EditorCommandLine::Usage();
        return 0;
    case EditorCommandLine::Action::Version:
        QTextStream(stdout) << "vyxedit " VYX_VERSION "\n";
        return 0;
    case EditorCommandLine::Action::Wrong:
        QTextStream(stderr) << "vyxedit: " << line.problem << "\n\n" << EditorCommandLine::Usage();
        return 2;
    case EditorCommandLine::Action::Run:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    // Help, version and a wrong call are answered before Qt needs a display.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> status = Answer(EditorCommandLine::Parse(EditorCommandLine::WithoutQtOptions(raw))))
        return *status;
    EditorApplication app(argc, argv);
    const EditorCommandLine line = EditorCommandLine::Parse(NativeNames::Arguments(argc, argv));
    if (const std::optional<int> status = Answer(line))
        return *status;
    if (!line.codePage.isEmpty() && !CodePage::Select(line.codePage))
        QTextStream(stderr) << "unknown code page: " << line.codePage << ", using " << CodePage::Name() << '\n';
    else if (!line.codePage.isEmpty())
        CodePage::SetForced(line.codePage); // it wins over the one a project keeps
    EditorSession session;
    session.Start(line.iniFile);
    if (line.preview) {
        QObject::connect(&session.Preview(), &PreviewWindow::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
        session.TheEditor().PreviewCommand();
        return app.exec();
    }
    // Closing the main window ends the program, whatever other windows are open.
    QObject::connect(&session.Main(), &MainWindow::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
    session.Main().show();
    return app.exec();
}
