#include "model/ini_file_version.h"

#include "platform/profile_file.h"

#include <QFileInfo>

IniFileVersion IniFileVersion::OnDisk(const QString& path)
{
    return {path, FileStamp::Of(path, ProfileFile::MaxFileSize)};
}

bool IniFileVersion::ChangedOnDisk(const QString& path) const
{
    return m_known && path == m_path && OnDisk(path) != *this;
}

QString IniFileVersion::ChangedQuestion(const QString& path)
{
    return QStringLiteral("%1 was changed outside the editor. Overwrite it, or reload it?")
        .arg(QFileInfo(path).fileName());
}
