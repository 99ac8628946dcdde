#include "app/tool_autorun.h"

#include "app/tool_commands.h"
#include "model/autorun_disc.h"
#include "model/autorun_text.h"
#include "platform/code_page.h"
#include "platform/vyx_error.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <limits>

namespace {

struct AutorunRequest {
    QString CdRoot;
    AutorunOptions Options;
    QString SplashArgument;
    QString IconArgument;
    bool CreateLauncherFolder = false;
    bool Print = false;
    bool Force = false;
};

QString TakeValue(QStringList& args, const QString& option)
{
    if (args.isEmpty())
        throw VyxError(option + QStringLiteral(" needs a value"));
    return args.takeFirst();
}

QString ColorArgument(const QString& option, const QString& value)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    if (!hex.match(value).hasMatch())
        throw VyxError(option + QStringLiteral(" expects six hex characters RRGGBB, not '") + value + u'\'');
    return value.toUpper();
}

int IntegerArgument(const QString& option, const QString& value, int min, int max)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < min || number > max)
        throw VyxError(option + QStringLiteral(" expects a whole number from %1 to %2, not '").arg(min).arg(max) + value + u'\'');
    return number;
}

bool TakeFlag(AutorunRequest& request, const QString& option)
{
    if (option == u"--hide-splash")
        request.Options.HideSplash = true;
    else if (option == u"--hide-bar")
        request.Options.HideBar = true;
    else if (option == u"--create-launcher-dir")
        request.CreateLauncherFolder = true;
    else if (option == u"--print")
        request.Print = true;
    else if (option == u"--force")
        request.Force = true;
    else
        return false;
    return true;
}

void TakeOption(AutorunRequest& request, const QString& option, QStringList& args)
{
    AutorunOptions& o = request.Options;
    if (TakeFlag(request, option))
        return;
    const QString value = TakeValue(args, option);
    if (option == u"--launcher-dir")
        o.LauncherFolder = LauncherFolderName(value);
    else if (option == u"--left")
        o.LeftColor = ColorArgument(option, value);
    else if (option == u"--right")
        o.RightColor = ColorArgument(option, value);
    else if (option == u"--text")
        o.TextColor = ColorArgument(option, value);
    else if (option == u"--splash")
        request.SplashArgument = value;
    else if (option == u"--delay")
        o.DelayMs = IntegerArgument(option, value, 0, 10000), o.Delay = true;
    else if (option == u"--icon")
        request.IconArgument = value;
    else if (option == u"--icon-index")
        o.IconIndex = IntegerArgument(option, value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    else
        throw VyxError(QStringLiteral("unknown option ") + option);
}

// A name with a "/" is a local file, made relative as the wizard's pickers make
// it; any other name is a disc path and stands in the file as written.
QString DiscName(const QString& argument, const QString& cdRoot, const QString& referenceFolder)
{
    if (!argument.contains(u'/'))
        return argument;
    const std::optional<QString> name = DiscNameOf(argument, cdRoot, referenceFolder);
    if (!name)
        throw VyxError(argument + QStringLiteral(" is not inside the CD root ") + cdRoot);
    return *name;
}

AutorunRequest ParseRequest(QStringList args)
{
    AutorunRequest request;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg.startsWith(QStringLiteral("--")))
            TakeOption(request, arg, args);
        else if (request.CdRoot.isEmpty())
            request.CdRoot = WithTrailingSlash(arg);
        else
            throw VyxError(QStringLiteral("expected one CD root, got also ") + arg);
    }
    if (request.CdRoot.isEmpty())
        throw VyxError(QStringLiteral("expected a CD root folder"));
    if (!QFileInfo(request.CdRoot).isDir())
        throw VyxError(QStringLiteral("the CD root is not a folder: ") + request.CdRoot);
    AutorunOptions& o = request.Options;
    const QString launcherPath = request.CdRoot + o.LauncherFolder;
    o.CustomSplash = !request.SplashArgument.isEmpty();
    if (o.CustomSplash)
        o.SplashFile = DiscName(request.SplashArgument, request.CdRoot, launcherPath);
    o.IconFile = request.IconArgument.isEmpty() ? DefaultIconFile(o.LauncherFolder)
                                                : DiscName(request.IconArgument, request.CdRoot, request.CdRoot);
    return request;
}

// The file's own bytes, not text re-encoded by the stream.
void PrintBytes(QTextStream& out, const QByteArray& bytes)
{
    out.flush();
    if (QIODevice* device = out.device())
        device->write(bytes);
    else
        out << CodePage::ToUnicode(bytes);
}

void ReportPlayerFiles(const QString& launcherPath, QTextStream& err)
{
    const QList<bool> present = PlayerFilesPresent(launcherPath);
    for (qsizetype i = 0; i < present.size(); ++i)
        err << (present[i] ? "found:   " : "missing: ") << ShownDiscPath(launcherPath + PlayerFiles()[i]) << '\n';
}

} // namespace

int RunAutorun(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QStringList& args = arguments;
    try {
        const AutorunRequest request = ParseRequest(args);
        const QString launcherPath = request.CdRoot + request.Options.LauncherFolder;
        ReportPlayerFiles(launcherPath, err);
        const QStringList lines = AutorunLines(request.Options);
        if (request.Print) {
            PrintBytes(out, AutorunFileBytes(lines));
            return 0;
        }
        if (request.CreateLauncherFolder)
            WriteAutorunWithFolder(request.CdRoot, lines, launcherPath, request.Force);
        else
            WriteAutorunFile(request.CdRoot, lines, request.Force);
        out << "autorun.inf was saved as " << AutorunFileName(request.CdRoot) << '\n';
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
