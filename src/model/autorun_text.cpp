#include "model/autorun_text.h"

#include "platform/code_page.h"

#include <algorithm>

namespace {

void AppendColor(QString& parameters, QChar letter, const QString& colorText)
{
    if (!colorText.isEmpty())
        parameters += QStringLiteral(" -") + letter + colorText;
}

bool HoldsBlank(const QString& name)
{
    return name.contains(u' ') || name.contains(u'\t');
}

} // namespace

QString LauncherFolderName(const QString& folder)
{
    QString name = folder;
    name.replace(u'/', u'\\');
    while (name.endsWith(u'\\'))
        name.chop(1);
    return name.isEmpty() ? name : name + u'\\';
}

QString CommandLineName(const QString& name)
{
    QString bare = name;
    bare.remove(u'"');
    return HoldsBlank(bare) ? u'"' + bare + u'"' : bare;
}

QString LauncherParameters(const AutorunOptions& options)
{
    QString parameters;
    if (options.HideSplash)
        parameters += QStringLiteral(" -X");
    if (options.HideBar)
        parameters += QStringLiteral(" -N");
    AppendColor(parameters, u'L', options.LeftColor);
    AppendColor(parameters, u'R', options.RightColor);
    AppendColor(parameters, u'T', options.TextColor);
    if (options.CustomSplash)
        parameters += QStringLiteral(" -S") + CommandLineName(options.SplashFile);
    if (options.Delay) {
        parameters += QStringLiteral(" -P");
        if (options.DelayMs >= 1)
            parameters += QString::number(options.DelayMs);
    }
    return parameters;
}

QString LauncherCommandLine(const AutorunOptions& options)
{
    return CommandLineName(options.LauncherFolder + QStringLiteral("launcher.exe")) + LauncherParameters(options);
}

QString IconValue(const AutorunOptions& options)
{
    return QStringLiteral("%1,%2").arg(options.IconFile).arg(options.IconIndex);
}

QString DefaultIconFile(const QString& launcherFolder)
{
    return launcherFolder + QStringLiteral("launcher.exe");
}

QStringList AutorunLines(const AutorunOptions& options)
{
    return AutorunLines(LauncherCommandLine(options), IconValue(options));
}

QStringList AutorunLines(const QString& openValue, const QString& iconValue)
{
    return {QStringLiteral("[autorun]"), QStringLiteral("open=") + openValue, QStringLiteral("icon=") + iconValue};
}

QByteArray AutorunFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        CodePage::Require(line); // a "?" in its place would name a file that is not there
        bytes += CodePage::FromUnicode(line) + "\r\n";
    }
    return bytes;
}

QString ColorText(uint32_t color)
{
    const QString bgr = QStringLiteral("%1").arg(color, 8, 16, QChar(u'0')).toUpper().mid(2);
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}

std::optional<uint32_t> ColorOfText(const QString& text)
{
    const bool hex = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return QStringLiteral("0123456789ABCDEFabcdef").contains(c); });
    if (text.size() != 6 || !hex)
        return std::nullopt;
    const uint32_t rgb = text.toUInt(nullptr, 16);
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
}
