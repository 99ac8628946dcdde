#include "model/launcher_ini_layout.h"

#include <charconv>

QByteArray LauncherIni::ButtonSection(int slot)
{
    // Built in one buffer: saving and loading ask for all 101 names each time.
    char name[20] = "Button#";
    return QByteArray(name, std::to_chars(name + 7, name + sizeof name, slot).ptr - name);
}
