// --help, --version and wrong calls of both programs, answered as Linux users
// expect: usage on standard output and 0 when asked for, on standard error and 2
// when the call is wrong.
#include "app/editor_command_line.h"
#include "support/program_run.h"
#include "support/temp_folder.h"
#include "ui/params/program_params_dialog.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

ProgramRun Tool(const QStringList& args) { return RunProgram(QStringLiteral(VYXTOOL_PATH), args); }
ProgramRun Editor(const QStringList& args, const QProcessEnvironment& environment)
{
    return RunProgram(QStringLiteral(VYXEDIT_PATH), args, environment);
}

// No display and no platform chosen: the editor could not open a window.
QProcessEnvironment WithoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

QProcessEnvironment Offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// The command names of "vyxtool --help": the first word of each line under "Commands:".
QStringList ListedCommands(const QByteArray& usage)
{
    const QString text = QString::fromUtf8(usage);
    const QString list = text.section(QStringLiteral("Commands:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    QStringList commands;
    for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts))
        commands << line.trimmed().section(u' ', 0, 0);
    return commands;
}

// "PROGRAM 1.2" or "PROGRAM 1.2.3" and nothing else.
bool IsVersionLine(const QByteArray& out, const QString& program)
{
    const QRegularExpression line(QStringLiteral("^%1 \\d+\\.\\d+(\\.\\d+)?\n$").arg(program));
    return line.match(QString::fromUtf8(out)).hasMatch();
}

TEST(VyxtoolCommandLine, HelpAndVersionGoToStandardOutput)
{
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const ProgramRun help = Tool({option});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("usage: vyxtool COMMAND")) << help.out.constData();
        EXPECT_TRUE(help.err.isEmpty());
        const QStringList commands = ListedCommands(help.out);
        for (const char* command : {"dump", "resave", "rtf-text"})
            EXPECT_TRUE(commands.contains(command)) << command;
    }
    const ProgramRun version = Tool({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(IsVersionLine(version.out, "vyxtool")) << version.out.constData();
}

TEST(VyxtoolCommandLine, EveryListedCommandDescribesItself)
{
    const QStringList commands = ListedCommands(Tool({"--help"}).out);
    ASSERT_GE(commands.size(), 3);
    for (const QString& command : commands) {
        for (const QStringList& args : {QStringList{command, "--help"}, QStringList{command, "-h"}}) {
            const ProgramRun run = Tool(args);
            EXPECT_EQ(run.exitCode, 0) << command.toStdString();
            EXPECT_TRUE(run.out.startsWith(("usage: vyxtool " + command + ' ').toUtf8())) << run.out.constData();
            EXPECT_TRUE(run.out.contains("\nExit status: ")) << command.toStdString();
            EXPECT_TRUE(run.err.isEmpty());
        }
    }
}

TEST(VyxtoolCommandLine, WrongCallsPrintTheUsageOnStandardErrorWithTwo)
{
    const ProgramRun none = Tool({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.startsWith("usage: vyxtool COMMAND"));

    const ProgramRun unknown = Tool({"frobnicate", "x.ini"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.startsWith("vyxtool: unknown command 'frobnicate'\nusage: vyxtool COMMAND"));

    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    for (const QString& command : {QStringLiteral("dump"), QStringLiteral("resave"), QStringLiteral("rtf-text")}) {
        const ProgramRun option = Tool({command, "--bogus", dir.File("launcher.ini")});
        EXPECT_EQ(option.exitCode, 2) << command.toStdString();
        EXPECT_TRUE(option.out.isEmpty());
        EXPECT_TRUE(option.err.startsWith("unknown option --bogus\n")) << option.err.constData();
        EXPECT_TRUE(option.err.contains("\nusage: vyxtool " + command.toUtf8() + ' '));

        const ProgramRun noFile = Tool({command});
        EXPECT_EQ(noFile.exitCode, 2);
        EXPECT_TRUE(noFile.err.contains("usage: vyxtool " + command.toUtf8() + ' '));
    }
    // The wrong calls touched nothing.
    EXPECT_EQ(dir.Read("launcher.ini"), "[MAIN]\r\nProgram=Kept\r\n");
    EXPECT_FALSE(dir.Exists("launcher.bak"));
}

TEST(VyxeditCommandLine, HelpAndVersionNeedNoDisplay)
{
    const ProgramRun help = Editor({"--help"}, WithoutDisplay());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: vyxedit [--codepage NAME] [--preview] [FILE.ini]\n")) << help.err.constData();
    EXPECT_TRUE(help.err.isEmpty());
    EXPECT_EQ(Editor({"-h"}, WithoutDisplay()).out, help.out);
    // After a file name and an option, and after Qt's own options, too.
    EXPECT_EQ(Editor({"--codepage", "windows-1250", "menu.ini", "--help"}, WithoutDisplay()).out, help.out);
    EXPECT_EQ(Editor({"-platform", "offscreen", "--help"}, Offscreen()).out, help.out);

    const ProgramRun version = Editor({"--version"}, WithoutDisplay());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(IsVersionLine(version.out, "vyxedit")) << version.out.constData();
    // Both programs and the About page are one release.
    EXPECT_EQ(version.out.mid(8), Tool({"--version"}).out.mid(8));
    EXPECT_EQ(version.out, "vyxedit " + ProgramParamsDialog::Version.mid(1).toUtf8() + "\n");
}

TEST(VyxeditCommandLine, WrongCallsPrintTheUsageOnStandardErrorWithTwo)
{
    for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"one.ini", "two.ini"}, QStringList{"--codepage"}}) {
        // No display at all: the call is answered before one is needed.
        const ProgramRun run = Editor(args, WithoutDisplay());
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        // Qt may warn about its environment first.
        EXPECT_TRUE(run.err.contains("vyxedit: ")) << run.err.constData();
        EXPECT_TRUE(run.err.contains("\n\nusage: vyxedit [--codepage NAME] [--preview] [FILE.ini]\n"));
    }
}

TEST(EditorCommandLine, TakesTheCodePageAndOneFile)
{
    const EditorCommandLine plain = EditorCommandLine::Parse({});
    EXPECT_EQ(plain.action, EditorCommandLine::Action::Run);
    EXPECT_TRUE(plain.iniFile.isEmpty());
    EXPECT_TRUE(plain.codePage.isEmpty());

    const EditorCommandLine both = EditorCommandLine::Parse({"menu.ini", "--codepage", "windows-1250"});
    EXPECT_EQ(both.action, EditorCommandLine::Action::Run);
    EXPECT_EQ(both.iniFile, QStringLiteral("menu.ini"));
    EXPECT_EQ(both.codePage, QStringLiteral("windows-1250"));

    const EditorCommandLine preview = EditorCommandLine::Parse({"--preview", "menu.ini"});
    EXPECT_EQ(preview.action, EditorCommandLine::Action::Run);
    EXPECT_TRUE(preview.preview);
    EXPECT_EQ(preview.iniFile, QStringLiteral("menu.ini"));
    EXPECT_FALSE(both.preview);

    // "--" ends the options: a file may start with a dash, even be named --help.
    const EditorCommandLine dashed = EditorCommandLine::Parse({"--", "--help"});
    EXPECT_EQ(dashed.action, EditorCommandLine::Action::Run);
    EXPECT_EQ(dashed.iniFile, QStringLiteral("--help"));
    EXPECT_EQ(EditorCommandLine::Parse({"-"}).iniFile, QStringLiteral("-"));
}

TEST(EditorCommandLine, SaysWhatIsWrong)
{
    EXPECT_EQ(EditorCommandLine::Parse({"--bogus"}).problem, QStringLiteral("unknown option --bogus"));
    EXPECT_EQ(EditorCommandLine::Parse({"a.ini", "b.ini"}).problem, QStringLiteral("expected at most one INI file name"));
    EXPECT_EQ(EditorCommandLine::Parse({"--codepage"}).problem, QStringLiteral("--codepage needs a code page name"));
    EXPECT_EQ(EditorCommandLine::Parse({"--codepage"}).action, EditorCommandLine::Action::Wrong);
    EXPECT_EQ(EditorCommandLine::WithoutQtOptions({"-platform", "xcb", "--style=Fusion", "-reverse", "a.ini", "--display",
                                                   ":1", "--bogus", "--", "-reverse"}),
              QStringList({"a.ini", "--bogus", "--", "-reverse"}));
}

} // namespace
