#pragma once
#include <QString>
#include <QStringList>

// vyxtool's usage texts, the way --help prints them.

// The whole program's usage, listing the given commands in that order.
QString ToolUsage(const QStringList& commands);

// One command's usage and options; empty for a command without a text.
QString CommandUsage(const QString& command);

// True for the options that ask for help: "-h" and "--help".
bool IsHelpOption(const QString& argument);
