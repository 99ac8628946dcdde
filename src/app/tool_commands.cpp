#include "app/tool_commands.h"

#include "app/tool_project_json.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "model/project_saver.h"
#include "platform/code_page.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QFile>
#include <QJsonDocument>
#include <memory>

namespace {

void PrintLog(const QStringList& log, QTextStream& out)
{
    for (const QString& line : log)
        out << line << '\n';
}

} // namespace

bool TakeOneFile(const QStringList& arguments, const QString& kind, QTextStream& err, QString& file)
{
    QStringList args = arguments;
    if (!TakeCodePageOption(args, err))
        return false;
    for (const QString& arg : args) {
        if (arg.size() > 1 && arg.startsWith(u'-')) {
            err << "unknown option " << arg << '\n';
            return false;
        }
    }
    if (args.size() != 1) {
        err << "expected one " << kind << " name\n";
        return false;
    }
    // Loading changes the current folder: the name must not depend on it afterwards.
    file = AbsoluteName(args.first());
    return true;
}

bool ReadInputFile(const QString& name, QTextStream& err, QByteArray& bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "Cannot open file " << name << ": " << file.errorString() << '\n';
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool TakeCodePageOption(QStringList& args, QTextStream& err)
{
    if (args.size() >= 2 && args.first() == QLatin1String("--codepage")) {
        const QString name = args.at(1);
        args.remove(0, 2);
        if (!CodePage::Select(name)) {
            err << "unknown code page: " << name << '\n';
            return false;
        }
    }
    return true;
}

int RunDump(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString file;
    if (!TakeOneFile(args, QStringLiteral("INI file"), err, file))
        return 2;
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    QString error;
    try {
        LoadProject(*project, file, view);
    } catch (const VyxError& e) {
        error = e.Message();
    }
    const QJsonObject json = ProjectToJson(*project, view.Log(), error);
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    return error.isNull() ? 0 : 1;
}

int RunResave(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QString file;
    if (!TakeOneFile(args, QStringLiteral("INI file"), err, file))
        return 2;
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    try {
        LoadProject(*project, file, view);
        PrintLog(view.Log(), out);
        const SaveResult result = SaveProject(*project, file, view);
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
