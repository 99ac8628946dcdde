#include "app/tool_commands.h"

#include "app/tool_project_json.h"
#include "model/ini_file_version.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_backup.h"
#include "model/project_loader.h"
#include "model/project_saver.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <memory>

namespace {

void PrintLog(const QStringList& log, QTextStream& out)
{
    for (const QString& line : log)
        out << line << '\n';
}

// A missing INI file is a mistyped name to a script: the editor alone starts a new project.
bool IniFileExists(const QString& file, QTextStream& err)
{
    if (QFileInfo::exists(file))
        return true;
    err << "INI not found: " << file << '\n';
    return false;
}

} // namespace

bool TakeOneFile(const QStringList& arguments, const QString& kind, QTextStream& err, OneFileCall& call,
                 const QStringList& flags)
{
    QStringList args = arguments; // a command run on its own (a test) takes its --codepage here
    if (!TakeCodePageOption(args, err))
        return false;
    QStringList names;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || arg.size() < 2 || !arg.startsWith(u'-')) {
            names << arg;
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (flags.contains(arg)) {
            call.flags << arg;
        } else {
            err << "unknown option " << arg << '\n';
            return false;
        }
    }
    if (names.size() != 1) {
        err << "expected one " << kind << " name\n";
        return false;
    }
    call.file = AbsoluteName(names.first());
    return true;
}

bool TakeCodePageOption(QStringList& args, QTextStream& err)
{
    const qsizetype end = args.contains(QStringLiteral("--")) ? args.indexOf(QStringLiteral("--")) : args.size();
    const qsizetype at = args.indexOf(QStringLiteral("--codepage"));
    if (at < 0 || at >= end)
        return true;
    if (at + 1 >= end) {
        err << "--codepage needs a name\n";
        return false;
    }
    const QString name = args.at(at + 1);
    args.remove(at, 2);
    if (!CodePage::Select(name)) {
        err << "unknown code page: " << name << '\n';
        return false;
    }
    // It wins over the code page a project keeps.
    CodePage::SetForced(name);
    return true;
}

int RunDump(const QStringList& args, QTextStream& out, QTextStream& err)
{
    OneFileCall call;
    if (!TakeOneFile(args, QStringLiteral("INI file"), err, call))
        return 2;
    if (!IniFileExists(call.file, err))
        return 1;
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    QString error;
    try {
        LoadProject(*project, call.file, view);
    } catch (const VyxError& e) {
        error = e.Message();
    }
    const QJsonObject json = ProjectToJson(*project, view.Log(), error);
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    if (!error.isNull())
        err << error << '\n'; // a script that reads only the exit status still sees why
    return error.isNull() ? 0 : 1;
}

int RunResave(const QStringList& args, QTextStream& out, QTextStream& err)
{
    OneFileCall call;
    if (!TakeOneFile(args, QStringLiteral("INI file"), err, call, {QStringLiteral("--no-backup"), QStringLiteral("--force")}))
        return 2;
    if (!IniFileExists(call.file, err))
        return 1;
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    IniFileVersion version;
    try {
        LoadProject(*project, call.file, view, &version);
        PrintLog(view.Log(), out);
        if (!call.flags.contains(QLatin1String("--no-backup")))
            KeepProjectBackup(call.file);
        // Another writer's change since the load stops the save (exit 1), as it would ask in the editor.
        const SaveResult result = SaveProject(*project, call.file, view, &version,
                                              call.flags.contains(QLatin1String("--force")));
        PrintLog(view.Log(), out);
        if (result == SaveResult::TemporaryFileMissing) {
            err << "Error when saving INI file\n";
            return 1;
        }
    } catch (const VyxError& e) {
        PrintLog(view.Log(), out);
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
