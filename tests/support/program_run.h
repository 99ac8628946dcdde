#pragma once
#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of a program as a shell runs it: its exit status and both outputs.
struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// An empty working folder keeps this process's current folder.
ProgramRun RunProgram(const QString& program, const QStringList& args,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                      const QString& workingFolder = {});
