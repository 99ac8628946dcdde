#pragma once
#include <QStringList>
#include <QTextStream>

// One vyxtool subcommand: gets its arguments (after the subcommand name) and the
// two output streams, returns the exit status.
using ToolCommand = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);
