#pragma once
#include <QByteArray>
#include <QProcess>
#include <QStringList>

// One run of the vyxtool program, as a script sees it.
struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun Tool(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(VYXTOOL_PATH), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
