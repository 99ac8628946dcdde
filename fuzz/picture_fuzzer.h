#pragma once
#include <QString>
#include <cstddef>
#include <cstdint>

// One picture file through the editor's loader, as a project names it: any
// failure must be a VyxError, and a picture that loads is Format_RGB32 within
// the loader's limits.
int FuzzPicture(const QString& fileName, const uint8_t* data, size_t size);
