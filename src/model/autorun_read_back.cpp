#include "model/autorun_read_back.h"

#include "model/autorun_open_line.h"

namespace {

// The fields the open= line carries, from `from` into `into`.
void TakeCommandLine(const AutorunOptions& from, AutorunOptions& into)
{
    AutorunOptions taken = from;
    taken.IconFile = into.IconFile;
    taken.IconIndex = into.IconIndex;
    into = taken;
}

void ReadOpen(const QString& value, AutorunReadBack& readBack)
{
    if (const std::optional<AutorunOptions> read = ReadLauncherCommandLine(value))
        TakeCommandLine(*read, readBack.Options);
    else
        readBack.KeptOpen = value;
}

void ReadIcon(const QString& value, AutorunReadBack& readBack)
{
    if (!ReadIconValue(value, readBack.Options))
        readBack.KeptIcon = value;
}

} // namespace

QString AutorunReadBack::CommandLine(const AutorunOptions& options) const
{
    const QString own = LauncherCommandLine(options);
    return KeptOpen && own == LauncherCommandLine(Options) ? *KeptOpen : own;
}

QStringList AutorunReadBack::Lines(const AutorunOptions& options) const
{
    const QString own = IconValue(options);
    return AutorunLines(CommandLine(options), KeptIcon && own == IconValue(Options) ? *KeptIcon : own);
}

std::optional<AutorunReadBack> ReadBackAutorun(const QString& cdRoot, const AutorunOptions& current)
{
    const AutorunFileValues values = ReadAutorunValues(cdRoot);
    if (!values.Exists)
        return std::nullopt;
    AutorunReadBack readBack{current, std::nullopt, std::nullopt};
    if (values.Open)
        ReadOpen(*values.Open, readBack);
    if (values.Icon) {
        ReadIcon(*values.Icon, readBack);
    } else {
        readBack.Options.IconFile = DefaultIconFile(readBack.Options.LauncherFolder);
        readBack.Options.IconIndex = 0;
    }
    return readBack;
}
