#pragma once
#include "app/tool_command.h"

// vyxtool mask PICTURE --color RRGGBB [--tolerance N] (-o FILE.msk | --ini FILE.ini):
// builds the window region of a BMP or JPEG picture as the mask maker does and
// writes the mask file; a picture with nothing opaque writes no file.
int RunMask(const QStringList& args, QTextStream& out, QTextStream& err);
// vyxtool mask-info FILE.msk: the header and rectangles as JSON.
int RunMaskInfo(const QStringList& args, QTextStream& out, QTextStream& err);
