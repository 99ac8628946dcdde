#pragma once
#include "app/tool_command.h"

// vyxtool dump [--codepage NAME] FILE.ini
int RunDump(const QStringList& args, QTextStream& out, QTextStream& err);
// vyxtool resave [--codepage NAME] FILE.ini
int RunResave(const QStringList& args, QTextStream& out, QTextStream& err);

// Takes a leading "--codepage NAME" off the arguments; false (with a message)
// when the code page is unknown.
bool TakeCodePageOption(QStringList& args, QTextStream& err);
