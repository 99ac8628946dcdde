#include "model/autorun_open_line.h"

#include "model/autorun_disc.h"
#include "platform/code_page.h"

#include <QFile>
#include <QRegularExpression>

namespace {

const QString LauncherProgram = QStringLiteral("launcher.exe");

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

std::optional<QString> KeyValue(const QString& line, const QString& key)
{
    if (line.section(u'=', 0, 0).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return line.section(u'=', 1).trimmed();
}

AutorunFileValues ValuesOf(const QByteArray& bytes)
{
    AutorunFileValues values;
    values.Exists = true;
    bool inAutorun = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = CodePage::ToUnicode(raw.trimmed());
        if (line.startsWith(u'['))
            inAutorun = line.compare(QStringLiteral("[autorun]"), Qt::CaseInsensitive) == 0;
        if (!inAutorun)
            continue;
        // The first of a key counts, as the profile reader takes it.
        if (!values.Open)
            values.Open = KeyValue(line, QStringLiteral("open"));
        if (!values.Icon)
            values.Icon = KeyValue(line, QStringLiteral("icon"));
    }
    return values;
}

bool ReadColor(const QString& value, QString& color)
{
    if (!ColorOfText(value))
        return false;
    color = value.toUpper();
    return true;
}

bool ReadDelay(const QString& value, AutorunOptions& options)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    options.Delay = true;
    options.DelayMs = value.toInt();
    return value.isEmpty() || digits.match(value).hasMatch();
}

// One argument after the program; false for one the wizard does not write.
bool ReadOption(const QString& argument, AutorunOptions& options)
{
    const QString value = argument.mid(2);
    if (argument == u"-X" || argument == u"-N") {
        (argument == u"-X" ? options.HideSplash : options.HideBar) = true;
        return true;
    }
    if (argument.startsWith(u"-L"))
        return ReadColor(value, options.LeftColor);
    if (argument.startsWith(u"-R"))
        return ReadColor(value, options.RightColor);
    if (argument.startsWith(u"-T"))
        return ReadColor(value, options.TextColor);
    if (argument.startsWith(u"-S")) {
        options.CustomSplash = true;
        options.SplashFile = value;
        return !value.isEmpty();
    }
    if (argument.startsWith(u"-P"))
        return ReadDelay(value, options);
    return false;
}

} // namespace

AutorunFileValues ReadAutorunValues(const QString& cdRoot)
{
    QFile file(DiscLocalPath(AutorunFileName(cdRoot)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ValuesOf(file.read(64 * 1024));
}

QStringList CommandLineArguments(const QString& commandLine)
{
    QStringList arguments;
    QString argument;
    bool quoted = false;
    bool started = false; // "" is an empty argument of its own
    for (const QChar c : commandLine) {
        if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (IsBlank(c) && !quoted) {
            if (started)
                arguments << argument;
            argument.clear();
            started = false;
        } else {
            argument += c;
            started = true;
        }
    }
    if (started)
        arguments << argument;
    return arguments;
}

std::optional<AutorunOptions> ReadLauncherCommandLine(const QString& commandLine)
{
    const QStringList arguments = CommandLineArguments(commandLine);
    if (arguments.isEmpty() || !arguments[0].endsWith(LauncherProgram, Qt::CaseInsensitive))
        return std::nullopt;
    AutorunOptions options;
    options.LauncherFolder = arguments[0].chopped(LauncherProgram.size());
    if (LauncherFolderName(options.LauncherFolder) != options.LauncherFolder)
        return std::nullopt; // "mylauncher.exe", or a folder the wizard spells otherwise
    for (const QString& argument : arguments.mid(1)) {
        if (!ReadOption(argument, options))
            return std::nullopt;
    }
    return options;
}

bool ReadIconValue(const QString& value, AutorunOptions& options)
{
    static const QRegularExpression index(QStringLiteral("^-?[0-9]{1,9}$"));
    const qsizetype comma = value.lastIndexOf(u',');
    const QString file = comma < 0 ? value : value.left(comma);
    const QString number = comma < 0 ? QStringLiteral("0") : value.mid(comma + 1);
    if (file.isEmpty() || !index.match(number).hasMatch())
        return false;
    options.IconFile = file;
    options.IconIndex = number.toInt();
    return true;
}

std::optional<QString> AutorunOpenTarget(const QString& cdRoot)
{
    const std::optional<QString> command = ReadAutorunValues(cdRoot).Open;
    const QStringList arguments = command ? CommandLineArguments(*command) : QStringList();
    if (arguments.isEmpty() || arguments[0].isEmpty())
        return std::nullopt;
    return arguments[0];
}

std::optional<QString> AutorunProjectFile(const QString& cdRoot)
{
    const std::optional<QString> program = AutorunOpenTarget(cdRoot);
    if (!program)
        return std::nullopt;
    const qsizetype slash = program->lastIndexOf(u'\\');
    const QString folder = slash < 0 ? QString() : program->left(slash + 1);
    return DiscLocalPath(cdRoot + folder + QStringLiteral("launcher.ini"));
}
