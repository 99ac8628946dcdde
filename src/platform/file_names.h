#pragma once
#include <QByteArray>
#include <QString>

// Stored names keep the Windows form the player needs (backslashes, relative to
// the INI file's folder); these helpers open them on this system.

// A stored name as a local path: backslashes become slashes; a relative name is
// taken from the current folder; when the exact name does not exist each path
// segment is matched without regard to case. Returns the best local path even
// when nothing exists.
QString LocalPathOf(const QString& storedName);
// The same with a relative name taken from `folder` (the INI file's, say).
QString LocalPathIn(const QString& folder, const QString& storedName);
bool StoredFileExists(const QString& storedName);

// Absolute form of a name relative to the current folder (cleaned, no symlink resolution).
QString AbsoluteName(const QString& name);
QString CurrentFolder();
bool SetCurrentFolder(const QString& folder);

// The extension from the last dot of the file-name part (dot included), or empty.
QString ExtractFileExt(const QString& name);
// Replaces the extension (appends when there is none).
QString ChangeFileExt(const QString& name, const QString& ext);
