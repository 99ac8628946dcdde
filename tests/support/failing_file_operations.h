#pragma once
#include "platform/file_operations.h"

#include <QString>
#include <cerrno>

// File operations that fail at one chosen step with a chosen errno, as a full
// disk or a read-only folder would (the tests run as root, so permissions
// cannot make them fail). Installed for the object's lifetime.
class FailingFileOperations : public FileOperations {
public:
    enum class Step { None, RemoveStale, Create, Write, Sync, Close, Backup, Replace, SyncFolder };

    explicit FailingFileOperations(Step step, int error = EIO) : m_step(step), m_error(error)
    {
        FileOperations::SetCurrent(this);
    }
    ~FailingFileOperations() override { FileOperations::SetCurrent(nullptr); }
    FailingFileOperations(const FailingFileOperations&) = delete;
    FailingFileOperations& operator=(const FailingFileOperations&) = delete;

    // The stale-file removal is the first Remove of a name that exists.
    bool Remove(const QString& path) override
    {
        if (m_step == Step::RemoveStale && FileOperations::Exists(path))
            return Failed();
        return FileOperations::Remove(path);
    }
    int CreateNew(const QString& path) override
    {
        if (m_step == Step::Create) {
            errno = m_error;
            return -1;
        }
        return FileOperations::CreateNew(path);
    }
    bool WriteAll(int fd, const QByteArray& bytes) override
    {
        if (m_step == Step::Write) {
            FileOperations::WriteAll(fd, bytes.left(bytes.size() / 2)); // a partial file
            return Failed();
        }
        return FileOperations::WriteAll(fd, bytes);
    }
    bool Sync(int fd) override { return m_step == Step::Sync ? Failed() : FileOperations::Sync(fd); }
    bool Close(int fd) override
    {
        const bool closed = FileOperations::Close(fd);
        return m_step == Step::Close ? Failed() : closed;
    }
    bool LinkOrCopy(const QString& from, const QString& to) override
    {
        return m_step == Step::Backup ? Failed() : FileOperations::LinkOrCopy(from, to);
    }
    bool ReplaceAtomically(const QString& from, const QString& to) override
    {
        return m_step == Step::Replace ? Failed() : FileOperations::ReplaceAtomically(from, to);
    }
    bool SyncFolder(const QString& folder) override
    {
        return m_step == Step::SyncFolder ? Failed() : FileOperations::SyncFolder(folder);
    }

private:
    bool Failed() const
    {
        errno = m_error;
        return false;
    }

    Step m_step;
    int m_error;
};
