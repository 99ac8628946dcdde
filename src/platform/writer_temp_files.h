#pragma once
#include <QString>
#include <QStringList>

// The hidden temporary files our writers create beside a target before they
// rename it into place. A writer holds a lock on its file until the rename, so
// a file of ours that nobody holds was left by a writer that was killed.

// A new hidden name; short, so that a target with a name of 255 bytes still
// gets a temporary file beside it.
QString NewWriterTempName();
// Our hidden temporary names, also the older form ".TARGET.xxxxxxxx.tmp".
bool IsWriterTempName(const QString& fileName);
// Patterns (shell wildcards on the leaf name) that match every such name.
QStringList WriterTempPatterns();

// Takes the lock that marks the just-created file `fd` as in use. False when
// the name no longer leads to that file: a cleaner removed it in the moment
// before the lock, and the writer must create another.
bool HoldWriterTemp(int fd, const QString& path);
// Removes the files of ours in `folder` that no writer holds.
void RemoveStaleWriterTemps(const QString& folder);
// Every such file under `folder` (its subfolders too), held or not.
QStringList WriterTempsUnder(const QString& folder);
