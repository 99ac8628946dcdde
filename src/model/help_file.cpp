#include "model/help_file.h"

#include "platform/regular_file.h"

std::optional<QByteArray> HelpFile::Read(const QString& localPath)
{
    return RegularFile::Read(localPath, MaxBytes);
}
