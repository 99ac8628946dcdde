#include "app/tool_html.h"

#include "app/tool_arguments.h"
#include "model/check_finding.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "model/web_page_export.h"
#include "platform/file_names.h"
#include "platform/vyx_error.h"

#include <QFileInfo>
#include <memory>

namespace {

struct HtmlRequest {
    QString IniFile;
    QString Folder;
    QString CdRoot;
};

QString TakeValue(QStringList& args, const QString& option, const char* what)
{
    if (args.isEmpty())
        throw VyxError(option + QStringLiteral(" needs ") + QLatin1String(what));
    return AbsoluteName(args.takeFirst());
}

HtmlRequest ParseRequest(QStringList args)
{
    HtmlRequest request;
    bool optionsEnded = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == u"-o") {
            request.Folder = TakeValue(args, arg, "a folder");
        } else if (!optionsEnded && arg == u"--cd-root") {
            request.CdRoot = TakeValue(args, arg, "a folder");
        } else if (!optionsEnded && arg.startsWith(u'-') && arg.size() > 1) {
            throw VyxError(QStringLiteral("unknown option ") + arg);
        } else {
            TakeOperand(request.IniFile, arg, "INI file");
        }
    }
    RequireOperand(request.IniFile, "INI file name");
    if (request.Folder.isEmpty())
        throw VyxError(QStringLiteral("-o FOLDER names the folder to write"));
    if (!request.CdRoot.isEmpty() && !QFileInfo(request.CdRoot).isDir())
        throw VyxError(QStringLiteral("the CD root is not a folder: ") + request.CdRoot);
    return request;
}

} // namespace

int RunHtml(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    HtmlRequest request;
    if (!ParseArguments(ParseRequest, arguments, err, request))
        return 2;
    if (!QFileInfo(request.IniFile).isFile()) {
        err << "INI not found: " << request.IniFile << '\n';
        return 1;
    }
    const QString keep = CurrentFolder(); // loading changes it
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    try {
        LoadProject(*project, request.IniFile, view);
        SetCurrentFolder(keep);
        for (const CheckFinding& f : WebPageExport::Write(*project, request.IniFile, request.Folder, request.CdRoot))
            out << f.Line() << '\n';
    } catch (const VyxError& e) {
        SetCurrentFolder(keep);
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
