#pragma once
#include <QByteArray>
#include <QString>

// The file operations saving relies on, behind one seam so that tests can make
// any step fail. Every call reports success; none throws.
class FileOperations {
public:
    virtual ~FileOperations() = default;

    virtual bool Exists(const QString& path);
    virtual bool Remove(const QString& path);
    // Fails when the target exists.
    virtual bool Rename(const QString& from, const QString& to);
    // Makes `to` a second name (hard link, or a copy where links fail) of `from`.
    virtual bool LinkOrCopy(const QString& from, const QString& to);
    // Renames over an existing target in one atomic step.
    virtual bool ReplaceAtomically(const QString& from, const QString& to);
    // Writes the whole file, flushes it to disk (fsync) and closes it.
    virtual bool WriteDurably(const QString& path, const QByteArray& bytes);

    // The operations in use; tests install their own and restore the default.
    static FileOperations& Current();
    static void SetCurrent(FileOperations* ops); // nullptr restores the default
};
