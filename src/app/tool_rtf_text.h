#pragma once
#include "app/tool_command.h"

// vyxtool rtf-text [--codepage NAME] FILE: prints a help file's text as the
// text area shows it, one line per paragraph. A file that is not RTF is
// plain text in the current code page.
int RunRtfText(const QStringList& args, QTextStream& out, QTextStream& err);
