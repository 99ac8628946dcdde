#pragma once
#include <QString>
#include <QStringList>

// The projects last opened or saved, newest first, each once, at most Capacity.
// The list alone: where it is kept (the user's configuration) is the editor's.
class RecentProjects {
public:
    static constexpr int Capacity = 8;

    RecentProjects() = default;
    explicit RecentProjects(const QStringList& files);

    // The file goes to the top (absolute and cleaned); the oldest past Capacity drops out.
    void Add(const QString& file);
    void Remove(const QString& file);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};
