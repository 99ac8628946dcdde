#pragma once
#include "app/tool_command.h"
#include "model/check_finding.h"

// vyxtool check [--codepage NAME] INI [--cd-root DIR] [--json]
// Prints one line per finding (or JSON); 1 when any is an error.
int RunCheck(const QStringList& args, QTextStream& out, QTextStream& err);

// Loads the INI file into a project of its own and checks it with the CD root
// (which may be empty). Throws VyxError when the file is missing or loading stops.
CheckFindings CheckProjectFile(const QString& iniFile, const QString& cdRoot);

// "error [Button#3] Width: ..." or, for a file on the disc, "warning path: ...".
QString FindingLine(const CheckFinding& finding);
