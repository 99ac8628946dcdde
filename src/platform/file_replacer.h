#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/vyx_error.h"

// The companions are named after the file actually replaced (a symlink's
// target, not the link): its name with the extension given.
struct ReplaceOptions {
    QString tempExtension;   // empty: a unique hidden temporary name beside the target
    QString backupExtension; // empty: no backup kept
    // A target its owner made read-only is refused unless this is set; the
    // replacement then keeps its mode.
    bool replaceReadOnly = false;
};

struct ReplaceResult {
    bool ok = false;
    QString error;        // when !ok: the message, naming the reason (no permission, disk full, a folder in the way, ...)
    QStringList warnings; // e.g. a backup that could not be made
    bool readOnly = false; // refused: the target is read-only (error says "PATH is read-only")
    QString readOnlyPath;  // then: the file refused (symlinks followed)
};

// A write refused because its file is read-only: the caller may ask the user
// and write again with `replaceReadOnly`.
class ReadOnlyFileError : public VyxError {
public:
    explicit ReadOnlyFileError(const QString& path);
};

// Throws ReadOnlyFileError when `result` was refused for a read-only target.
void ThrowIfReadOnly(const ReplaceResult& result);

// Replaces the file `target` with `bytes`: follows a symlink and replaces the link's target, writes a
// temporary file beside the target, flushes it, renames it into place, flushes the folder, removes the
// temporary on failure, never uses the target's own name as temporary or backup name.
// Stale hidden temporary files that killed writers left beside the target go first.
ReplaceResult ReplaceFileContents(const QString& target, const QByteArray& bytes, const ReplaceOptions& options = {});
// The same, throwing on failure: ReadOnlyFileError, or VyxError "Cannot create
// file `shownName`" and the reason (naming `shownName`, not the temporary file).
void ReplaceFileOrThrow(const QString& target, const QByteArray& bytes, const ReplaceOptions& options,
                        const QString& shownName);

// The same replacement in its three steps, for a writer that must know the
// temporary file exists before it reports progress. Each step returns false on
// failure (Result().error then says why) and may be called only after the one
// before succeeded. A temporary file not renamed into place is removed at the end.
class FileReplacer {
public:
    explicit FileReplacer(const QString& target, const ReplaceOptions& options = {});
    ~FileReplacer();
    FileReplacer(const FileReplacer&) = delete;
    FileReplacer& operator=(const FileReplacer&) = delete;

    // Resolves the target's symlinks and creates the temporary file.
    bool Open();
    // Writes and flushes the temporary file, then closes it.
    bool Write(const QByteArray& bytes);
    // Keeps the previous file under the backup name, renames the temporary file
    // into place and flushes the folder.
    bool Install();

    const ReplaceResult& Result() const { return m_result; }
    // The file replaced (symlinks followed) and the temporary file, once Open succeeded.
    QString TargetPath() const { return m_targetPath; }
    QString TempPath() const { return m_tempPath; }

private:
    bool ResolveTarget();
    bool CreateNamedTemp(const QString& path);
    bool CreateUniqueTemp();
    QString Companion(const QString& extension) const;
    bool HoldTemp();
    bool IsTarget(const QString& path) const;
    void KeepBackup();
    bool Fail(const QString& message);
    bool FailWriting(int error);
    void Discard();

    QString m_target;
    ReplaceOptions m_options;
    QString m_targetPath;
    QString m_tempPath;
    int m_fd = -1;
    int m_lockFd = -1; // keeps the temporary file's lock from creation to rename
    bool m_tempExists = false;
    ReplaceResult m_result;
};
