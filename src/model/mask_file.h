#pragma once
#include "platform/region.h"

#include <QString>

class TPlasmaRegion;

// The mask file (".msk"): the region data block exactly, beside the project.
namespace MaskFile {

// A larger file is refused unread: it is not a mask the editor wrote.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

// The INI file's name with its extension replaced by ".msk". A project whose
// own file ends in ".msk" would have its mask written over it: refused with
// VyxError.
QString NameFor(const QString& iniFileName);

// Writes the region data through one file replacement (a temporary file beside
// the target, flushed and renamed into place), so a failure keeps the old file.
// Throws VyxError "Cannot create file <name>" and the reason when that fails;
// a read-only file is replaced only with `replaceReadOnly` (else ReadOnlyFileError).
void Write(const Region& region, const QString& fileName, bool replaceReadOnly = false);

// Reads and checks a mask file; throws VyxError when it cannot be read or is malformed.
Region Read(const QString& fileName);

// A new mask may replace a missing file or a mask file (one that begins with a
// region data header); anything else is refused with VyxError, so that a
// mistyped target cannot destroy a project or a picture.
void CheckReplaceable(const QString& fileName);

} // namespace MaskFile

// Writes the region to the project's mask file; without a region it writes
// nothing and returns false.
bool SaveMaskFile(const TPlasmaRegion& region, const QString& iniFileName, bool replaceReadOnly = false);
