#pragma once
#include "app/tool_command.h"

// vyxtool dump [--codepage NAME] FILE.ini
int RunDump(const QStringList& args, QTextStream& out, QTextStream& err);
// vyxtool resave [--codepage NAME] [--no-backup] FILE.ini
int RunResave(const QStringList& args, QTextStream& out, QTextStream& err);

// Takes "--codepage NAME" off the arguments wherever it stands before "--",
// for every command; false (with a message) when it is incomplete or unknown.
bool TakeCodePageOption(QStringList& args, QTextStream& err);

// The arguments of a command on one file.
struct OneFileCall {
    QString file;      // made absolute: loading changes the current folder
    QStringList flags; // those of the command's own flags that were given
};

// Takes "--codepage NAME" and the command's own `flags` anywhere before "--",
// which ends the options (so a name may begin with "-"), and exactly one file;
// false (with a message) for an unknown option or not one file.
bool TakeOneFile(const QStringList& args, const QString& kind, QTextStream& err, OneFileCall& call,
                 const QStringList& flags = {});
