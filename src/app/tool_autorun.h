#pragma once
#include "app/tool_command.h"

// vyxtool autorun [--codepage NAME] CD_ROOT [--launcher-dir DIR] [--hide-splash]
//   [--hide-bar] [--left RRGGBB] [--right RRGGBB] [--text RRGGBB] [--splash FILE]
//   [--delay MS] [--icon FILE] [--icon-index N] [--create-launcher-dir] [--print]
// Writes CD_ROOT/autorun.inf as the autorun wizard does (or prints it), and
// reports on stderr which of the player's files are missing.
int RunAutorun(const QStringList& args, QTextStream& out, QTextStream& err);
