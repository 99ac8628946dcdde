#include "app/tool_mask.h"

#include "app/tool_commands.h"
#include "model/mask_builder.h"
#include "model/mask_file.h"
#include "platform/picture_converter.h"
#include "platform/vyx_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace {

struct MaskOptions {
    QString Picture;
    uint32_t Color = 0;
    int Tolerance = 10;
    QString Output; // -o
    QString Ini;    // --ini
    bool Force = false; // replace a target that is not a mask file
    bool Alpha = false; // the region from the alpha channel rather than a colour
};

// "RRGGBB" as a 0x00BBGGRR colour.
std::optional<uint32_t> ParseColor(const QString& text)
{
    bool ok = false;
    const uint32_t rgb = text.toUInt(&ok, 16);
    if (!ok || text.size() != 6 || text.startsWith(u'+') || text.startsWith(u'-'))
        return std::nullopt;
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// Reads the options; a message on `err` and nullopt when they do not make a command.
std::optional<MaskOptions> ParseOptions(const QStringList& args, QTextStream& err)
{
    MaskOptions options;
    bool colorGiven = false;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!optionsEnded && arg == u"--") {
            optionsEnded = true; // what follows is the picture, even when it begins with "-"
            continue;
        }
        if (optionsEnded) {
            if (!options.Picture.isEmpty()) {
                err << "unexpected argument: " << arg << '\n';
                return std::nullopt;
            }
            options.Picture = arg;
            continue;
        }
        const bool takesValue = arg == u"--color" || arg == u"--tolerance" || arg == u"-o" || arg == u"--ini";
        if (takesValue && i + 1 >= args.size()) {
            err << arg << " needs a value\n";
            return std::nullopt;
        }
        if (arg == u"--color") {
            const std::optional<uint32_t> color = ParseColor(args[++i]);
            if (!color) {
                err << "--color wants six hex digits RRGGBB, not " << args[i] << '\n';
                return std::nullopt;
            }
            options.Color = *color;
            colorGiven = true;
        } else if (arg == u"--tolerance") {
            bool ok = false;
            options.Tolerance = args[++i].toInt(&ok);
            if (!ok || options.Tolerance < 0 || options.Tolerance > 100) {
                err << "--tolerance wants a whole number from 0 to 100, not " << args[i] << '\n';
                return std::nullopt;
            }
        } else if (arg == u"-o") {
            options.Output = args[++i];
        } else if (arg == u"--ini") {
            options.Ini = args[++i];
        } else if (arg == u"--force") {
            options.Force = true;
        } else if (arg == u"--alpha") {
            options.Alpha = true;
        } else if (options.Picture.isEmpty() && !arg.startsWith(u'-')) {
            options.Picture = arg;
        } else {
            err << "unexpected argument: " << arg << '\n';
            return std::nullopt;
        }
    }
    if (options.Picture.isEmpty() || colorGiven == options.Alpha || options.Output.isEmpty() == options.Ini.isEmpty()) {
        err << "usage: vyxtool mask PICTURE (--color RRGGBB [--tolerance N] | --alpha) [--force] "
               "(-o FILE.msk | --ini FILE.ini)\n";
        return std::nullopt;
    }
    return options;
}

QJsonArray RectArray(const RegionRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// The header as a JSON object, indented to sit inside the outer object.
QString HeaderJson(const Region& region)
{
    const qint64 count = qint64(region.Rects().size());
    const QJsonObject header{{"Size", Region::HeaderSize},
                             {"Type", 1},
                             {"Count", count},
                             {"RgnSize", count * Region::RectSize},
                             {"Bound", RectArray(region.Bounds())}};
    QString text = QString::fromUtf8(QJsonDocument(header).toJson(QJsonDocument::Indented)).trimmed();
    return text.replace(u'\n', QLatin1String("\n    "));
}

// The rectangles are written one a line as they are read: a JSON value for
// each would take fifty times the file's size.
void PrintRegionJson(const Region& region, QTextStream& out)
{
    out << "{\n    \"Header\": " << HeaderJson(region) << ",\n    \"Rects\": [";
    const char* separator = "\n";
    for (const RegionRect& r : region.Rects()) {
        out << separator << "        [" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ']';
        separator = ",\n";
    }
    out << "\n    ]\n}\n";
}

} // namespace

int RunMask(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const std::optional<MaskOptions> options = ParseOptions(args, err);
    if (!options)
        return 2;
    try {
        const QString target = options->Output.isEmpty() ? MaskFile::NameFor(options->Ini) : options->Output;
        const Region region = options->Alpha
                                  ? MaskBuilder::BuildFromAlpha(PictureConverter::Read(options->Picture))
                                  : MaskBuilder::Build(PictureConverter::ReadOpaque(options->Picture), options->Color,
                                                       options->Tolerance);
        if (region.IsEmpty()) {
            err << "Nothing in " << options->Picture << " is opaque: no mask file written\n";
            return 0;
        }
        if (!options->Force)
            MaskFile::CheckReplaceable(target);
        MaskFile::Write(region, target, options->Force);
        out << target << ": " << region.Rects().size() << " rectangles, " << region.Data().size() << " bytes\n";
    } catch (const VyxError& e) {
        err << e.Message() << '\n';
        return 1;
    }
    return 0;
}

int RunMaskInfo(const QStringList& args, QTextStream& out, QTextStream& err)
{
    OneFileCall call;
    if (!TakeOneFile(args, QStringLiteral("mask file"), err, call))
        return 2;
    try {
        PrintRegionJson(MaskFile::Read(call.file), out);
    } catch (const VyxError& e) {
        err << call.file << ": " << e.Message() << '\n';
        return 1;
    }
    return 0;
}
