#include "app/editor_command_line.h"

namespace {

EditorCommandLine::Action OptionAction(const QString& arg)
{
    if (arg == QLatin1String("-h") || arg == QLatin1String("--help"))
        return EditorCommandLine::Action::Help;
    if (arg == QLatin1String("--version"))
        return EditorCommandLine::Action::Version;
    return EditorCommandLine::Action::Run;
}

// The options QGuiApplication and QApplication take, with one or two dashes.
const QStringList QtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "display", "geometry", "style", "stylesheet", "name", "title", "qmljsdebugger"};
const QStringList QtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The option's name without its dashes and "=value"; empty for what is no option.
QString QtOptionName(const QString& arg)
{
    if (!arg.startsWith(u'-') || arg == QLatin1String("-") || arg == QLatin1String("--"))
        return {};
    return arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
}

EditorCommandLine Wrong(const QString& problem)
{
    EditorCommandLine line;
    line.action = EditorCommandLine::Action::Wrong;
    line.problem = problem;
    return line;
}

} // namespace

EditorCommandLine EditorCommandLine::Parse(const QStringList& args)
{
    EditorCommandLine line;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (options && arg == QLatin1String("--")) {
            options = false;
        } else if (options && OptionAction(arg) != Action::Run) {
            line.action = OptionAction(arg);
            return line;
        } else if (options && arg == QLatin1String("--codepage")) {
            if (i + 1 == args.size())
                return Wrong(QStringLiteral("--codepage needs a code page name"));
            line.codePage = args.at(++i);
        } else if (options && arg == QLatin1String("--preview")) {
            line.preview = true;
        } else if (options && arg.size() > 1 && arg.startsWith(u'-')) {
            return Wrong(QStringLiteral("unknown option ") + arg);
        } else if (!line.iniFile.isEmpty()) {
            return Wrong(QStringLiteral("expected at most one INI file name"));
        } else {
            line.iniFile = arg;
        }
    }
    return line;
}

QStringList EditorCommandLine::WithoutQtOptions(const QStringList& args)
{
    QStringList kept;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--")) {
            kept << args.mid(i);
            break;
        }
        const QString name = QtOptionName(arg);
        if (QtOptionsWithValue.contains(name)) {
            if (!arg.contains(u'='))
                ++i; // its value
        } else if (!QtFlags.contains(name)) {
            kept << arg;
        }
    }
    return kept;
}

QString EditorCommandLine::Usage()
{
    return QStringLiteral(
        "usage: vyxedit [--codepage NAME] [--preview] [FILE.ini]\n"
        "       vyxedit --help | --version\n\n"
        "Designs the picture menu that a CD-ROM's player shows: opens FILE.ini (default launcher.ini\n"
        "in the current folder) with its pictures, buttons, help texts and window shape.\n\n"
        "Options:\n"
        "  --codepage NAME  the 8-bit code page of the project's texts (default windows-1252)\n"
        "  --preview        show only the menu's preview, as the player shows it; closing it ends\n"
        "                   the program\n"
        "  -h, --help       show this help and exit\n"
        "  --version        show the version and exit\n\n"
        "Qt's own options (-platform, -style, ...) are accepted too.\n");
}
