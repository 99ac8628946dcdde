#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

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

    bool operator==(const AutorunOptions&) const = default;
};

// The launcher folder as the command line takes it: backslashes, ending with
// exactly one ("player" gives "player\"); empty stays empty (the CD root itself).
QString LauncherFolderName(const QString& folder);
// A name as the player's command line carries it: in double quotes when it
// holds a blank, since Windows programs take a quoted part as one argument and
// drop the quotes. Windows names hold no double quote: one typed is dropped.
QString CommandLineName(const QString& name);
// " -X -N -Lrrggbb -Rrrggbb -Trrggbb -Sfile -P[ms]", each part only when set.
QString LauncherParameters(const AutorunOptions& options);
// Launcher folder + "launcher.exe" + the parameters.
QString LauncherCommandLine(const AutorunOptions& options);
// "<icon file>,<index>", the value of the icon= line.
QString IconValue(const AutorunOptions& options);
// The icon the disc shows unless another is chosen: the player itself.
QString DefaultIconFile(const QString& launcherFolder);
// "[autorun]", "open=<command line>", "icon=<file>,<index>".
QStringList AutorunLines(const AutorunOptions& options);
QStringList AutorunLines(const QString& openValue, const QString& iconValue);
// The file's bytes: each line in the code page, ended by CR LF, the last one too.
// Throws VyxError, naming the character, for text the code page cannot hold.
QByteArray AutorunFileBytes(const QStringList& lines);

// A 0x00BBGGRR colour as the player takes it: six upper-case hex characters, red first.
QString ColorText(uint32_t color);
// The colour of six hex characters red-green-blue; nothing for other text.
std::optional<uint32_t> ColorOfText(const QString& text);
