#include "app/tool_iso.h"

#include "app/tool_arguments.h"
#include "app/tool_check.h"
#include "model/autorun_disc.h"
#include "model/autorun_open_line.h"
#include "platform/file_names.h"
#include "platform/iso_image_writer.h"
#include "platform/vyx_error.h"

#include <QFileInfo>

namespace {

struct IsoRequest {
    QString CdRoot;
    QString ImageFile;
    QString Volume;
    QString IniFile;
    bool Force = false;
};

QString TakeValue(QStringList& args, const QString& option)
{
    if (args.isEmpty())
        throw VyxError(option + QStringLiteral(" needs a value"));
    return args.takeFirst();
}

void TakeArgument(IsoRequest& request, const QString& arg, QStringList& args)
{
    if (arg == u"-o")
        request.ImageFile = AbsoluteName(TakeValue(args, arg));
    else if (arg == u"--volume")
        request.Volume = TakeValue(args, arg);
    else if (arg == u"--ini")
        request.IniFile = AbsoluteName(TakeValue(args, arg));
    else if (arg == u"--force")
        request.Force = true;
    else if (arg.startsWith(u'-') && arg.size() > 1)
        throw VyxError(QStringLiteral("unknown option ") + arg);
    else if (request.CdRoot.isEmpty())
        request.CdRoot = WithTrailingSlash(AbsoluteName(arg));
    else
        throw VyxError(QStringLiteral("expected one CD root, got also ") + arg);
}

IsoRequest ParseRequest(QStringList args)
{
    IsoRequest request;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        TakeArgument(request, arg, args);
    }
    if (request.CdRoot.isEmpty() || request.ImageFile.isEmpty())
        throw VyxError(QStringLiteral("expected a CD root and -o DISC.iso"));
    if (request.Volume.size() > IsoImageWriter::VolumeLabelLimit)
        throw VyxError(QStringLiteral("the volume label has more than %1 characters").arg(IsoImageWriter::VolumeLabelLimit));
    return request;
}

// Checked before anything is written; the image inside the tree would take
// itself in.
void CheckPlaces(IsoRequest& request)
{
    if (!QFileInfo(request.CdRoot).isDir())
        throw VyxError(QStringLiteral("the CD root is not a folder: ") + request.CdRoot);
    if (request.ImageFile.startsWith(request.CdRoot))
        throw VyxError(QStringLiteral("the image must not lie inside the CD root: ") + request.ImageFile);
    if (request.Volume.isEmpty())
        request.Volume = IsoImageWriter::DefaultVolumeLabel(request.CdRoot);
    if (request.IniFile.isEmpty()) {
        const std::optional<QString> ini = AutorunProjectFile(request.CdRoot);
        if (!ini)
            throw VyxError(QStringLiteral("autorun.inf in the CD root names no player; name the project with --ini"));
        request.IniFile = *ini;
    }
}

// False when the project has errors and --force was not given.
bool ProjectPasses(const IsoRequest& request, QTextStream& err)
{
    const CheckFindings findings = CheckProjectFile(request.IniFile, request.CdRoot);
    for (const CheckFinding& f : findings)
        err << FindingLine(f) << '\n';
    if (!HasError(findings))
        return true;
    if (request.Force) {
        err << "the project has errors; writing the image anyway (--force)\n";
        return true;
    }
    err << "the project " << request.IniFile << " has errors; no image written (--force writes it anyway)\n";
    return false;
}

} // namespace

int RunIso(const QStringList& args, QTextStream& out, QTextStream& err)
{
    IsoRequest request;
    if (!ParseArguments(ParseRequest, args, err, request))
        return 2;
    try {
        CheckPlaces(request);
        if (!ProjectPasses(request, err))
            return 1;
        int shown = -1;
        IsoImageWriter::Write(request.CdRoot, request.ImageFile, request.Volume, [&err, &shown](int percent) {
            if (percent == shown)
                return;
            shown = percent;
            err << "progress: " << percent << "%\n";
            err.flush();
        });
        out << "image written: " << request.ImageFile << " (volume " << request.Volume << ")\n";
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
