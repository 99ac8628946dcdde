#pragma once
#include <QDir>
#include <QString>

// Loading changes the process's current folder; tests put it back.
class ScopedCurrentFolder {
public:
    ScopedCurrentFolder() : m_saved(QDir::currentPath()) {}
    ~ScopedCurrentFolder() { QDir::setCurrent(m_saved); }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    QString m_saved;
};
