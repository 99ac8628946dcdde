#pragma once
#include "app/tool_command.h"

// vyxtool html [--codepage NAME] FILE.ini -o FOLDER [--cd-root DIR]
// Writes the menu as a web page; prints what the page cannot show or link.
int RunHtml(const QStringList& args, QTextStream& out, QTextStream& err);
