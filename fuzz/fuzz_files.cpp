#include "fuzz_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace FuzzFiles {

QString Folder()
{
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        return std::make_unique<QTemporaryDir>(base + QStringLiteral("/vyx-fuzz-XXXXXX"));
    }();
    if (!folder->isValid()) {
        std::fprintf(stderr, "cannot create the scratch folder\n");
        std::abort();
    }
    return folder->path();
}

QString Write(const QString& name, const uint8_t* data, size_t size)
{
    return Write(name, QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
}

QString Write(const QString& name, const QByteArray& bytes)
{
    const QString path = Folder() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fail(const char* what, const QByteArray& first, const QByteArray& second)
{
    std::fprintf(stderr, "%s\n--- first (%lld bytes, hex) ---\n%s\n--- second (%lld bytes, hex) ---\n%s\n", what,
                 static_cast<long long>(first.size()), first.left(512).toHex(' ').constData(),
                 static_cast<long long>(second.size()), second.left(512).toHex(' ').constData());
    std::abort();
}

} // namespace FuzzFiles
