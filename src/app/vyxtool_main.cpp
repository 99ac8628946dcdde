#include "app/tool_autorun.h"
#include "app/tool_commands.h"
#include "app/tool_mask.h"
#include "app/tool_rtf_text.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <map>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::map<QString, ToolCommand> commands = {
        {QStringLiteral("autorun"), &RunAutorun},
        {QStringLiteral("dump"), &RunDump},
        {QStringLiteral("resave"), &RunResave},
        {QStringLiteral("rtf-text"), &RunRtfText},
        {QStringLiteral("mask"), &RunMask},
        {QStringLiteral("mask-info"), &RunMaskInfo},
    };
    QStringList args = app.arguments().mid(1);
    const auto command = args.isEmpty() ? commands.end() : commands.find(args.first());
    if (command == commands.end()) {
        err << "usage: vyxtool dump|resave [--codepage NAME] FILE.ini\n"
               "       vyxtool rtf-text [--codepage NAME] FILE\n"
               "       vyxtool mask PICTURE --color RRGGBB [--tolerance N] (-o FILE.msk | --ini FILE.ini)\n"
               "       vyxtool mask-info FILE.msk\n"
               "       vyxtool autorun [--codepage NAME] CD_ROOT [--launcher-dir DIR] [--hide-splash] [--hide-bar]\n"
               "               [--left RRGGBB] [--right RRGGBB] [--text RRGGBB] [--splash FILE] [--delay MS]\n"
               "               [--icon FILE] [--icon-index N] [--create-launcher-dir] [--print]\n"
               "         (--splash and --icon: a name with a \"/\" is a local file under CD_ROOT,\n"
               "          any other name a disc path written as it stands in the file)\n";
        return 2;
    }
    args.removeFirst();
    return command->second(args, out, err);
}
