#pragma once
#include "app/tool_command.h"
#include "model/check_finding.h"

// vyxtool check [--codepage NAME] INI [--cd-root DIR] [--json]
// Prints one line per finding (or JSON); 1 when any is an error.
int RunCheck(const QStringList& args, QTextStream& out, QTextStream& err);
