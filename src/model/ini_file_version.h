#pragma once
#include "platform/file_stamp.h"

#include <QString>

// The INI file as the last load read it or the last save wrote it. Before a
// save writes over the file, the file on disk is compared with it, so that a
// change another program made in between is not lost in silence.
class IniFileVersion {
public:
    IniFileVersion() = default; // nothing recorded: no file is ever seen as changed
    IniFileVersion(const QString& path, const FileStamp& stamp) : m_path(path), m_stamp(stamp), m_known(true) {}
    // The file as it is on disk now.
    static IniFileVersion OnDisk(const QString& path);

    QString Path() const { return m_path; }
    // The file existed when it was read or written.
    bool Found() const { return m_stamp.exists; }
    // True when `path` is the file recorded and it no longer holds what was
    // read or written: another program changed, replaced, created or removed it.
    bool ChangedOnDisk(const QString& path) const;
    bool operator==(const IniFileVersion&) const = default;

    // "launcher.ini was changed outside the editor. Overwrite it, or reload it?"
    static QString ChangedQuestion(const QString& path);

private:
    QString m_path;
    FileStamp m_stamp;
    bool m_known = false;
};
