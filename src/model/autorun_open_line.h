#pragma once
#include "model/autorun_text.h"

#include <QString>
#include <QStringList>
#include <optional>

// The values of the [autorun] section of CD root + "autorun.inf" (after "open="
// and "icon="); a missing file or line gives nothing.
struct AutorunFileValues {
    bool Exists = false;
    std::optional<QString> Open;
    std::optional<QString> Icon;
};
AutorunFileValues ReadAutorunValues(const QString& cdRoot);

// A command line split as Windows programs split theirs: blanks outside double
// quotes separate the arguments, and a double quote starts or ends a quoted
// part and is dropped. Backslashes stay as they are: a disc name never puts
// one before its closing quote.
QStringList CommandLineArguments(const QString& commandLine);

// The launcher's folder and options read back from a command line as the
// wizard writes it (fields the line does not set keep their defaults); nothing
// when it starts another program or holds anything the wizard does not write.
std::optional<AutorunOptions> ReadLauncherCommandLine(const QString& commandLine);
// "<file>,<index>" or "<file>" (index 0) into the icon fields; false otherwise.
bool ReadIconValue(const QString& value, AutorunOptions& options);

// The program that the "open=" line of CD root + "autorun.inf" starts, as the
// disc names it (backslashes, relative to the CD root); nothing when the file
// or the line is missing.
std::optional<QString> AutorunOpenTarget(const QString& cdRoot);

// The launcher.ini that the player named by autorun.inf reads: the one beside
// that program, as a local path; nothing when autorun.inf names no program.
std::optional<QString> AutorunProjectFile(const QString& cdRoot);
