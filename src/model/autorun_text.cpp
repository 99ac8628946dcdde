#include "model/autorun_text.h"

#include "platform/code_page.h"

namespace {

void AppendColor(QString& parameters, QChar letter, const QString& colorText)
{
    if (!colorText.isEmpty())
        parameters += QStringLiteral(" -") + letter + colorText;
}

} // namespace

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
        parameters += QStringLiteral(" -S") + options.SplashFile;
    if (options.Delay) {
        parameters += QStringLiteral(" -P");
        if (options.DelayMs >= 1)
            parameters += QString::number(options.DelayMs);
    }
    return parameters;
}

QString LauncherCommandLine(const AutorunOptions& options)
{
    return options.LauncherFolder + QStringLiteral("launcher.exe") + LauncherParameters(options);
}

QString DefaultIconFile(const QString& launcherFolder)
{
    return launcherFolder + QStringLiteral("launcher.exe");
}

QStringList AutorunLines(const AutorunOptions& options)
{
    return {QStringLiteral("[autorun]"), QStringLiteral("open=") + LauncherCommandLine(options),
            QStringLiteral("icon=%1,%2").arg(options.IconFile).arg(options.IconIndex)};
}

QByteArray AutorunFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += CodePage::FromUnicode(line) + "\r\n";
    return bytes;
}

QString ColorText(uint32_t color)
{
    const QString bgr = QStringLiteral("%1").arg(color, 8, 16, QChar(u'0')).toUpper().mid(2);
    return bgr.mid(4, 2) + bgr.mid(2, 2) + bgr.mid(0, 2);
}
