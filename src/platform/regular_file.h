#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

struct FileStamp;

// Every file a project names is read through here, so that a name that is a
// device, a pipe or a huge file cannot stall or exhaust the program: the file
// is opened without blocking (a FIFO with no writer returns at once), and
// anything but a regular file, or a file above the caller's cap, is refused
// before a byte is read. Refusals throw VyxError naming the file.
namespace RegularFile {

// Opens `path` into `file` for reading. False (errno set) when it cannot be
// opened at all (missing, no permission), which callers report in their words.
bool Open(QFile& file, const QString& path, qint64 maxBytes);

// The whole file; nullopt (errno set) when it cannot be opened. `stamp`, when
// given, gets what was read (left as not existing when nothing was).
std::optional<QByteArray> Read(const QString& path, qint64 maxBytes, FileStamp* stamp = nullptr);

// The whole file; one that cannot be opened throws "Cannot open file NAME: reason".
QByteArray ReadExisting(const QString& path, qint64 maxBytes);

} // namespace RegularFile
