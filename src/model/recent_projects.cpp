#include "model/recent_projects.h"

#include "platform/file_names.h"

#include <QDir>

namespace {

QString Cleaned(const QString& file) { return QDir::cleanPath(AbsoluteName(file)); }

} // namespace

RecentProjects::RecentProjects(const QStringList& files)
{
    // Read back from the configuration: the oldest first, so that the newest ends on top.
    for (auto it = files.crbegin(); it != files.crend(); ++it)
        if (!it->isEmpty())
            Add(*it);
}

void RecentProjects::Add(const QString& file)
{
    const QString name = Cleaned(file);
    if (name.isEmpty())
        return;
    m_files.removeAll(name);
    m_files.prepend(name);
    while (m_files.size() > Capacity)
        m_files.removeLast();
}

void RecentProjects::Remove(const QString& file) { m_files.removeAll(Cleaned(file)); }
