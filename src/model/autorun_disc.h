#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The disc folder the autorun wizard prepares. The CD root is a local folder
// ending in "/"; names on the disc are appended to it with backslashes, and are
// resolved the way loading resolves stored names (a case-insensitive match per
// segment), so "launcher\" finds an existing "Launcher" folder.

// The player's files, looked for in its folder.
const QStringList& PlayerFiles();

// The folder with a "/" appended unless it already ends with one; empty stays empty.
QString WithTrailingSlash(const QString& folder);
// The local path of a CD root followed by a disc name (either part may be empty).
QString DiscLocalPath(const QString& discPath);
bool DiscFolderExists(const QString& discPath);
// Creates the last level of the folder; false when it could not be made.
bool CreateDiscFolder(const QString& discPath);
// Which of PlayerFiles() exist in the folder, in that order.
QList<bool> PlayerFilesPresent(const QString& discFolder);

// A picked local file as the disc names it: relative to `referenceFolder` when
// inside it, else from the disc's root ("\images\a.bmp"); nothing when the file
// lies outside the CD root, since such a name means nothing on the disc.
std::optional<QString> DiscNameOf(const QString& localFile, const QString& cdRoot, const QString& referenceFolder);

// The autorun.inf the wizard writes: CD root + "autorun.inf".
QString AutorunFileName(const QString& cdRoot);

// Replaces CD root + "autorun.inf" with the lines (CR LF, code page) in one
// step, so a failed write keeps the old file. Throws "Cannot create file %s"
// with the reason when it cannot; the message names autorun.inf, not the
// temporary file behind it. A read-only autorun.inf is replaced only with
// `replaceReadOnly` (else ReadOnlyFileError).
void WriteAutorunFile(const QString& cdRoot, const QStringList& lines, bool replaceReadOnly = false);
// The same, creating the launcher folder first when it is missing, so that no
// autorun.inf points into nothing; a failure leaves the disc as it was (the
// folder made is removed again). Throws "Cannot create folder %s" or the
// write's message.
void WriteAutorunWithFolder(const QString& cdRoot, const QStringList& lines, const QString& launcherPath,
                            bool replaceReadOnly = false);
// Whether CD root + "autorun.inf" holds exactly the bytes the lines make.
bool AutorunFileHolds(const QString& cdRoot, const QStringList& lines);
// A disc path as this system shows its local paths ("/" on Linux).
QString ShownDiscPath(const QString& discPath);
