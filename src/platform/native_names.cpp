#include "platform/native_names.h"

#include <QDir>
#include <QHash>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace NativeNames {
namespace {

bool IsUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes); // the decoding runs when the result is taken
    return !decoder.hasError();
}

QByteArray NativeCurrentFolder()
{
    QByteArray buffer(4096, '\0');
    while (::getcwd(buffer.data(), size_t(buffer.size())) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

// One descriptor per folder for the whole run: the names handed out stay valid.
QString Alias(const QByteArray& folder)
{
    static QHash<QByteArray, int> descriptors;
    int fd = descriptors.value(folder, -1);
    if (fd < 0) {
        fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return {};
        descriptors.insert(folder, fd);
    }
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

} // namespace

QString FromNative(const QByteArray& native)
{
    if (IsUtf8(native))
        return QString::fromUtf8(native);
    const QByteArray absolute = native.startsWith('/') ? native : NativeCurrentFolder() + '/' + native;
    // The deepest folder whose own name is not UTF-8 hides behind its descriptor.
    const QList<QByteArray> segments = absolute.split('/');
    qsizetype bad = segments.size() - 1;
    while (bad > 0 && IsUtf8(segments[bad]))
        --bad;
    const QString alias = Alias(segments.mid(0, bad + 1).join('/'));
    if (alias.isEmpty())
        return QString::fromUtf8(native); // not a folder: a file's own name cannot be spelled
    QString name = alias;
    for (qsizetype i = bad + 1; i < segments.size(); ++i)
        name += u'/' + QString::fromUtf8(segments[i]);
    return name;
}

QStringList Arguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << FromNative(QByteArray(argv[i]));
    return args;
}

QString CurrentFolder()
{
    const QByteArray native = NativeCurrentFolder();
    return native.isEmpty() ? QDir::currentPath() : FromNative(native);
}

} // namespace NativeNames
