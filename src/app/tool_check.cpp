#include "app/tool_check.h"

#include "app/tool_arguments.h"
#include "app/tool_commands.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_check.h"
#include "model/project_loader.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

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
        } else if (request.IniFile.isEmpty()) {
            request.IniFile = AbsoluteName(arg);
        } else {
            throw VyxError(QStringLiteral("expected one INI file, got also ") + arg);
        }
    }
    if (request.IniFile.isEmpty())
        throw VyxError(QStringLiteral("expected one INI file name"));
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

CheckFindings CheckProjectFile(const QString& iniFile, const QString& cdRoot)
{
    if (!QFileInfo(iniFile).isFile())
        throw VyxError(QStringLiteral("INI file not found: ") + iniFile);
    const QString keep = CurrentFolder(); // loading changes it
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    try {
        LoadProject(*project, iniFile, view);
    } catch (...) {
        SetCurrentFolder(keep);
        throw;
    }
    SetCurrentFolder(keep);
    return ProjectCheck(*project, iniFile, cdRoot).Run();
}

QString FindingLine(const CheckFinding& finding)
{
    const QString where = finding.Section.isEmpty() ? finding.Key
                                                    : QStringLiteral("[%1] %2").arg(finding.Section, finding.Key);
    return QStringLiteral("%1 %2: %3").arg(finding.LevelText(), where, finding.Message);
}

int RunCheck(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList args = arguments;
    if (!TakeCodePageOption(args, err))
        return 2;
    CheckRequest request;
    if (!ParseArguments(ParseRequest, args, err, request))
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
