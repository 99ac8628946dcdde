#pragma once
#include <QByteArray>
#include <QString>

// The file operations saving relies on, behind one seam so that tests can make
// any step fail. Every call reports success; none throws. After a failure errno
// tells why (a test's failing operation sets it too).
class FileOperations {
public:
    virtual ~FileOperations() = default;

    virtual bool Exists(const QString& path);
    // Removes a file or a symlink (never a folder).
    virtual bool Remove(const QString& path);
    // Fails when the target exists.
    virtual bool Rename(const QString& from, const QString& to);
    // Makes `to` a second name (hard link, or a copy where links fail) of `from`.
    virtual bool LinkOrCopy(const QString& from, const QString& to);
    // Renames over an existing target in one atomic step.
    virtual bool ReplaceAtomically(const QString& from, const QString& to);
    // Writes the whole file, flushes it to disk (fsync) and closes it.
    virtual bool WriteDurably(const QString& path, const QByteArray& bytes);

    // The steps of a replacement, one by one. CreateNew fails when the name
    // exists in any form (also as a symlink) and returns -1, else the descriptor.
    virtual int CreateNew(const QString& path);
    virtual bool WriteAll(int fd, const QByteArray& bytes);
    virtual bool Sync(int fd);
    // A failed close can be the first report of a failed write.
    virtual bool Close(int fd);
    // Flushes a folder's entries so that a rename in it survives a power loss.
    virtual bool SyncFolder(const QString& folder);

    // The operations in use; tests install their own and restore the default.
    static FileOperations& Current();
    static void SetCurrent(FileOperations* ops); // nullptr restores the default
};

// A failure's reason in the words of the messages ("no permission", "disk full", ...).
QString FileErrorText(int errorNumber);
