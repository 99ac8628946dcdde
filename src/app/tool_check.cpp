#include "app/tool_check.h"

#include "app/tool_arguments.h"
#include "app/tool_commands.h"
#include "model/project_file_check.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct CheckRequest {
    QString IniFile;
    QString CdRoot;
    bool Json = false;
};

CheckRequest ParseRequest(QStringList args)
{
    CheckRequest request;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == u"--json") {
            request.Json = true;
        } else if (arg == u"--cd-root") {
            if (args.isEmpty())
                throw VyxError(QStringLiteral("--cd-root needs a folder"));
            request.CdRoot = AbsoluteName(args.takeFirst());
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            throw VyxError(QStringLiteral("unknown option ") + arg);
        } else {
            TakeOperand(request.IniFile, arg, "INI file");
        }
    }
    RequireOperand(request.IniFile, "INI file name");
    if (!request.CdRoot.isEmpty() && !QFileInfo(request.CdRoot).isDir())
        throw VyxError(QStringLiteral("the CD root is not a folder: ") + request.CdRoot);
    return request;
}

QJsonObject FindingsJson(const CheckFindings& findings)
{
    QJsonArray list;
    int errors = 0;
    for (const CheckFinding& f : findings) {
        list.append(QJsonObject{{"severity", f.LevelText()}, {"section", f.Section}, {"key", f.Key}, {"message", f.Message}});
        errors += f.IsError() ? 1 : 0;
    }
    return QJsonObject{{"findings", list}, {"errors", errors}, {"warnings", int(findings.size()) - errors}};
}

} // namespace

int RunCheck(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    CheckRequest request;
    if (!ParseArguments(ParseRequest, arguments, err, request))
        return 2;
    try {
        const CheckFindings findings = CheckProjectFile(request.IniFile, request.CdRoot);
        if (request.Json) {
            out << QString::fromUtf8(QJsonDocument(FindingsJson(findings)).toJson(QJsonDocument::Indented));
        } else {
            for (const CheckFinding& f : findings)
                out << FindingLine(f) << '\n';
        }
        return HasError(findings) ? 1 : 0;
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
}
