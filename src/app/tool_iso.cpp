#include "app/tool_iso.h"

#include "app/tool_arguments.h"
#include "model/disc_image_request.h"
#include "model/project_file_check.h"
#include "platform/file_names.h"
#include "platform/iso_image_writer.h"
#include "platform/vyx_error.h"

namespace {

struct IsoRequest {
    DiscImageRequest Image;
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
    DiscImageRequest& image = request.Image;
    if (arg == u"-o")
        image.ImageFile = AbsoluteName(TakeValue(args, arg));
    else if (arg == u"--volume")
        image.Volume = TakeValue(args, arg);
    else if (arg == u"--ini")
        image.IniFile = AbsoluteName(TakeValue(args, arg));
    else if (arg == u"--force")
        request.Force = true;
    else if (arg == u"--keep-backups")
        image.KeepEditorFiles = true;
    else if (arg.startsWith(u'-') && arg.size() > 1)
        throw VyxError(QStringLiteral("unknown option ") + arg);
    else if (image.CdRoot.isEmpty())
        image.CdRoot = AbsoluteName(arg);
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
    if (request.Image.CdRoot.isEmpty() || request.Image.ImageFile.isEmpty())
        throw VyxError(QStringLiteral("expected a CD root and -o DISC.iso"));
    if (request.Image.Volume.size() > IsoImageWriter::VolumeLabelLimit)
        throw VyxError(QStringLiteral("the volume label has more than %1 characters").arg(IsoImageWriter::VolumeLabelLimit));
    return request;
}

// Checked before anything is written.
void CheckPlaces(DiscImageRequest& image)
{
    image.CheckPlaces();
    const std::optional<QString> ini = image.ProjectFile();
    if (!ini)
        throw VyxError(QStringLiteral("autorun.inf in the CD root names no player; name the project with --ini"));
    image.IniFile = *ini;
}

// False when the project has errors and --force was not given.
bool ProjectPasses(const IsoRequest& request, QTextStream& err)
{
    const CheckFindings findings = CheckProjectFile(request.Image.IniFile, request.Image.CdRoot);
    for (const CheckFinding& f : findings)
        err << FindingLine(f) << '\n';
    if (!HasError(findings))
        return true;
    if (request.Force) {
        err << "the project has errors; writing the image anyway (--force)\n";
        return true;
    }
    err << "the project " << request.Image.IniFile << " has errors; no image written (--force writes it anyway)\n";
    return false;
}

} // namespace

int RunIso(const QStringList& args, QTextStream& out, QTextStream& err)
{
    IsoRequest request;
    if (!ParseArguments(ParseRequest, args, err, request))
        return 2;
    try {
        DiscImageRequest& image = request.Image;
        CheckPlaces(image);
        if (!ProjectPasses(request, err))
            return 1;
        int shown = -1;
        IsoImageWriter::Write(image.CdRoot, image.ImageFile, image.Volume, [&err, &shown](int percent) {
            if (percent != shown) {
                shown = percent;
                err << "progress: " << percent << "%\n";
                err.flush();
            }
            return true;
        }, image.LeftOut());
        out << "image written: " << image.ImageFile << " (volume " << image.Volume << ")\n";
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
