#pragma once
#include <QString>

// The "Open" of a Windows program, as the wizard's test run uses it. On Linux a
// Windows program runs through Wine, detached; nothing waits for it.

// Whether `wine` is on the PATH.
bool CanRunWindowsPrograms();
// Starts the program with the parameter string (split as a command line);
// false when it could not be started. The result is for the caller to ignore.
bool ShellExecuteOpen(const QString& program, const QString& parameters);
