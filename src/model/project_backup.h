#pragma once
#include <QString>

// A copy of the INI file as it is now, under the backup name a save uses
// (beside the file replaced). Made before a save that must not go on without
// a backup, since the save itself can only warn once the old file is gone.
// Throws VyxError "Cannot keep the previous file as NAME: reason"; a missing
// INI file needs no backup.
void KeepProjectBackup(const QString& iniName);
