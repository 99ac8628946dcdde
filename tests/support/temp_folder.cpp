#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolder::TempFolder() = default;

QString TempFolder::Path() const { return m_dir.path(); }

QString TempFolder::File(const QString& name) const { return m_dir.filePath(name); }

QString TempFolder::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = File(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray TempFolder::Read(const QString& name) const
{
    QFile f(File(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempFolder::Exists(const QString& name) const { return QFileInfo::exists(File(name)); }
