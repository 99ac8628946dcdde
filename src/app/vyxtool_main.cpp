#include "app/tool_autorun.h"
#include "app/tool_check.h"
#include "app/tool_commands.h"
#include "app/tool_convert.h"
#include "app/tool_html.h"
#include "app/tool_iso.h"
#include "app/tool_mask.h"
#include "app/tool_rtf_text.h"
#include "app/tool_usage.h"
#include "platform/native_names.h"

#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <map>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::map<QString, ToolCommand> commands = {
        {QStringLiteral("autorun"), &RunAutorun},
        {QStringLiteral("check"), &RunCheck},
        {QStringLiteral("convert"), &RunConvert},
        {QStringLiteral("dump"), &RunDump},
        {QStringLiteral("html"), &RunHtml},
        {QStringLiteral("iso"), &RunIso},
        {QStringLiteral("resave"), &RunResave},
        {QStringLiteral("rtf-text"), &RunRtfText},
        {QStringLiteral("mask"), &RunMask},
        {QStringLiteral("mask-info"), &RunMaskInfo},
    };
    QStringList names;
    for (const auto& command : commands)
        names << command.first;
    QStringList args = NativeNames::Arguments(argc, argv);
    if (!args.isEmpty() && IsHelpOption(args.first())) {
        out << ToolUsage(names);
        return 0;
    }
    if (args.value(0) == QLatin1String("--version")) {
        out << "vyxtool " VYX_VERSION "\n";
        return 0;
    }
    const auto command = args.isEmpty() ? commands.end() : commands.find(args.first());
    if (command == commands.end()) {
        if (!args.isEmpty())
            err << "vyxtool: unknown command '" << args.first() << "'\n";
        err << ToolUsage(names);
        return 2;
    }
    args.removeFirst();
    // After "--" a "-h" is a file's name.
    const auto optionsEnd = std::find(args.cbegin(), args.cend(), QStringLiteral("--"));
    if (std::any_of(args.cbegin(), optionsEnd, IsHelpOption)) {
        out << CommandUsage(command->first);
        return 0;
    }
    const int status = TakeCodePageOption(args, err) ? command->second(args, out, err) : 2;
    // 2 is a wrong call: the command said what was wrong, its usage says what is right.
    if (status == 2)
        err << '\n' << CommandUsage(command->first);
    return status;
}
