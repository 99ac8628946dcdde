#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The toolkit spells every file name in UTF-8 here, so a folder whose name is
// other bytes (a "caf\xE9" made under a Latin-1 locale) cannot be reached by its
// spelling: decoding turns the byte into U+FFFD and the name into another one.
// Such a folder is held open for the rest of the run and named through the
// descriptor (/proc/self/fd/N), a name the toolkit can spell; what lies below it
// keeps its own names. Names that go up out of that folder ("..") do not reach
// past it. A file whose own name is not UTF-8 stays unreachable.
namespace NativeNames {

// A name as the system gave it (a program argument, the current folder).
QString FromNative(const QByteArray& native);

// The program's arguments after the program's name, each through FromNative.
QStringList Arguments(int argc, char** argv);

// The current folder, reachable through the toolkit.
QString CurrentFolder();

} // namespace NativeNames
