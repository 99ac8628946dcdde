#pragma once
#include <QString>
#include <optional>

// The program that the "open=" line of CD root + "autorun.inf" starts, as the
// disc names it (backslashes, relative to the CD root); nothing when the file
// or the line is missing. A quoted program may hold blanks; otherwise the
// program ends at the first blank.
std::optional<QString> AutorunOpenTarget(const QString& cdRoot);

// The launcher.ini that the player named by autorun.inf reads: the one beside
// that program, as a local path; nothing when autorun.inf names no program.
std::optional<QString> AutorunProjectFile(const QString& cdRoot);
