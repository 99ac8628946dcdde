#include "app/tool_convert.h"

#include "app/tool_arguments.h"
#include "platform/file_names.h"
#include "platform/picture_converter.h"
#include "platform/vyx_error.h"

namespace {

struct ConvertRequest {
    QString Picture;
    QString Output;
    int Quality = PictureConverter::DefaultQuality;
};

ConvertRequest ParseRequest(QStringList args)
{
    ConvertRequest request;
    bool optionsEnded = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        const bool option = !optionsEnded && arg.startsWith(u'-') && arg.size() > 1;
        if (option && arg == u"--") {
            optionsEnded = true;
        } else if (option && (arg == u"-o" || arg == u"--quality")) {
            if (args.isEmpty())
                throw VyxError(arg + QStringLiteral(" needs a value"));
            const QString value = args.takeFirst();
            bool ok = true;
            if (arg == u"-o")
                request.Output = AbsoluteName(value);
            else
                request.Quality = value.toInt(&ok);
            if (!ok || request.Quality < 1 || request.Quality > 100)
                throw VyxError(QStringLiteral("--quality wants a whole number from 1 to 100, not ") + value);
        } else if (option) {
            throw VyxError(QStringLiteral("unknown option ") + arg);
        } else {
            TakeOperand(request.Picture, arg, "picture");
        }
    }
    RequireOperand(request.Picture, "picture file name");
    return request;
}

} // namespace

int RunConvert(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    ConvertRequest request;
    if (!ParseArguments(ParseRequest, arguments, err, request))
        return 2;
    try {
        const QImage picture = PictureConverter::Read(request.Picture);
        const QString target = request.Output.isEmpty() ? PictureConverter::ProposedTarget(request.Picture, picture)
                                                        : request.Output;
        if (target == request.Picture)
            throw VyxError(QStringLiteral("%1 is already a picture launcher.exe shows").arg(target));
        PictureConverter::Write(picture, target, request.Quality);
        out << target << '\n';
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}
