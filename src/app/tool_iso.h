#pragma once
#include "app/tool_command.h"

// vyxtool iso CD_ROOT -o DISC.iso [--volume LABEL] [--ini FILE] [--force]
// Checks the project with the CD root, then builds the disc image.
int RunIso(const QStringList& args, QTextStream& out, QTextStream& err);
