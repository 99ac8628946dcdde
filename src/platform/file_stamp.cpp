#include "platform/file_stamp.h"

#include "platform/regular_file.h"

#include <QCryptographicHash>

FileStamp FileStamp::OfBytes(const QByteArray& bytes, qint64 modifiedNs)
{
    return {true, bytes.size(), modifiedNs, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

FileStamp FileStamp::Of(const QString& path, qint64 maxBytes)
{
    FileStamp stamp;
    RegularFile::Read(path, maxBytes, &stamp);
    return stamp;
}
