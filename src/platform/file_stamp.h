#pragma once
#include <QByteArray>
#include <QString>

// What a file held when it was read or written: its size, modification time
// and a hash of its bytes. Two equal stamps mean nobody changed the file in
// between (the hash catches a same-size change within the time's granularity).
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    QByteArray hash;

    static FileStamp OfBytes(const QByteArray& bytes, qint64 modifiedNs);
    // The file as it is now, read through the regular-file reader (a missing
    // file gives a stamp that does not exist). Throws VyxError as that reader does.
    static FileStamp Of(const QString& path, qint64 maxBytes);

    bool operator==(const FileStamp&) const = default;
};
