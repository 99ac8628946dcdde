#pragma once
#include "support/program_run.h"

// One run of the vyxtool program, as a script sees it.
using ToolRun = ProgramRun;

inline ToolRun Tool(const QStringList& args, const QString& workingFolder = {})
{
    return RunProgram(QStringLiteral(VYXTOOL_PATH), args, QProcessEnvironment::systemEnvironment(), workingFolder);
}
