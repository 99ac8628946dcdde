#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// The values the autorun wizard (and `vyxtool autorun`) turn into the player's
// command line and the three lines of autorun.inf. Names are disc paths, written
// with backslashes, as the player on the disc sees them.
struct AutorunOptions {
    QString LauncherFolder = QStringLiteral("launcher\\"); // relative to the CD root, ending with "\"
    bool HideSplash = false;
    bool HideBar = false;
    QString LeftColor; // empty, or six hex characters red-green-blue
    QString RightColor;
    QString TextColor;
    bool CustomSplash = false;
    QString SplashFile = QStringLiteral("splash.bmp");
    bool Delay = false;
    int DelayMs = 0;
    QString IconFile; // relative to the CD root
    int IconIndex = 0;
};

// " -X -N -Lrrggbb -Rrrggbb -Trrggbb -Sfile -P[ms]", each part only when set.
QString LauncherParameters(const AutorunOptions& options);
// Launcher folder + "launcher.exe" + the parameters.
QString LauncherCommandLine(const AutorunOptions& options);
// The icon the disc shows unless another is chosen: the player itself.
QString DefaultIconFile(const QString& launcherFolder);
// "[autorun]", "open=<command line>", "icon=<file>,<index>".
QStringList AutorunLines(const AutorunOptions& options);
// The file's bytes: each line in the code page, ended by CR LF, the last one too.
QByteArray AutorunFileBytes(const QStringList& lines);

// A 0x00BBGGRR colour as the player takes it: six upper-case hex characters, red first.
QString ColorText(uint32_t color);
