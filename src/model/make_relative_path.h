#pragma once
#include <QString>

// The form in which a picked file name is stored: relative to the reference
// (INI) file's folder, from the root of the same drive, or whole.
QString MakeRelativePath(const QString& fileName, const QString& referenceName);
