#pragma once
#include "app/tool_command.h"

// vyxtool dump [--codepage NAME] FILE.ini
int RunDump(const QStringList& args, QTextStream& out, QTextStream& err);
// vyxtool resave [--codepage NAME] FILE.ini
int RunResave(const QStringList& args, QTextStream& out, QTextStream& err);

// Reads a whole input file; false (with a message) when it cannot be opened.
bool ReadInputFile(const QString& name, QTextStream& err, QByteArray& bytes);

// Takes a leading "--codepage NAME" off the arguments; false (with a message)
// when the code page is unknown.
bool TakeCodePageOption(QStringList& args, QTextStream& err);

// Takes the arguments of a command on one file: an optional "--codepage NAME",
// then the file; false (with a message) for an unknown option or not one file.
bool TakeOneFile(const QStringList& args, const QString& kind, QTextStream& err, QString& file);
