#include "platform/shell_execute.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

QString WineProgram() { return QStandardPaths::findExecutable(QStringLiteral("wine")); }

} // namespace

bool CanRunWindowsPrograms() { return !WineProgram().isEmpty(); }

bool ShellExecuteOpen(const QString& program, const QString& parameters)
{
    const QString wine = WineProgram();
    if (wine.isEmpty())
        return false;
    return QProcess::startDetached(wine, QStringList{program} + QProcess::splitCommand(parameters));
}
