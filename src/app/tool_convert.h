#pragma once
#include "app/tool_command.h"

// vyxtool convert PICTURE [-o OUT.jpg|OUT.bmp] [--quality N]
// Writes the picture as a JPEG or BMP file the player shows.
int RunConvert(const QStringList& args, QTextStream& out, QTextStream& err);
