#pragma once
#include <QString>
#include <QStringList>

// What vyxedit's command line asks for, once Qt has taken its own options.
struct EditorCommandLine {
    enum class Action { Run, Help, Version, Wrong };

    Action action = Action::Run;
    QString codePage; // empty: the default
    QString iniFile;  // empty: "launcher.ini" in the current folder
    QString problem;  // for Wrong
    bool preview = false; // show only the preview of the INI file

    // The arguments after the program name; the first help or version option
    // decides, an unknown option or a second file is Wrong.
    static EditorCommandLine Parse(const QStringList& args);
    // The arguments without Qt's own options (-platform NAME, --style=NAME,
    // -reverse, ...), so that a wrong call is answered before a display is opened.
    static QStringList WithoutQtOptions(const QStringList& args);

    static QString Usage();
};
