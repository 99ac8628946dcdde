#include "model/launcher_ini_layout.h"

QByteArray LauncherIni::ButtonSection(int slot) { return "Button#" + QByteArray::number(slot); }
