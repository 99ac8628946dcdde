#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// A help file (.rtf or plain text) or the text area's default file, read
// through the regular-file reader with a cap no help text comes near.
namespace HelpFile {

constexpr qint64 MaxBytes = 16 * 1024 * 1024;

// The file's bytes; nullopt when it cannot be opened (missing, no permission).
// Throws VyxError for what is not a regular file or is larger than MaxBytes.
std::optional<QByteArray> Read(const QString& localPath);

} // namespace HelpFile
