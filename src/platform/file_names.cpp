#include "platform/file_names.h"

#include "platform/native_names.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool HasDriveLetter(const QString& name)
{
    return name.size() >= 2 && name[1] == u':' && name[0].isLetter() && name[0].unicode() < 128;
}

// The entry of `folder` named `segment` without regard to case, preferring the
// exact name; empty when there is none.
QString MatchSegment(const QString& folder, const QString& segment)
{
    if (QFileInfo::exists(folder + u'/' + segment))
        return segment;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(segment, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

// Walks the path from its root, replacing each segment by the entry that exists;
// from the first segment with no match on, the rest is kept as it is.
QString MatchIgnoringCase(const QString& absolutePath)
{
    const QStringList segments = absolutePath.split(u'/');
    QString path = segments.first(); // empty below "/", or a drive such as "C:"
    for (qsizetype i = 1; i < segments.size(); ++i) {
        const QString folder = path.isEmpty() ? QStringLiteral("/") : path;
        const QString match = MatchSegment(folder, segments[i]);
        if (match.isEmpty())
            return path + u'/' + segments.mid(i).join(u'/');
        path += u'/' + match;
    }
    return path;
}

// Index of the extension's dot in the file-name part, or -1.
qsizetype ExtensionDot(const QString& name)
{
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        if (name[i] == u'.')
            return i;
        if (name[i] == u'/' || name[i] == u'\\')
            break;
    }
    return -1;
}

} // namespace

QString LocalPathOf(const QString& storedName) { return LocalPathIn(CurrentFolder(), storedName); }

QString LocalPathIn(const QString& folder, const QString& storedName)
{
    if (storedName.isEmpty())
        return {};
    QString name = storedName;
    name.replace(u'\\', u'/');
    if (HasDriveLetter(name))
        return name; // a Windows drive has no counterpart here
    const QString path = QDir::cleanPath(QDir::isAbsolutePath(name) ? name : folder + u'/' + name);
    return QFileInfo::exists(path) ? path : MatchIgnoringCase(path);
}

bool StoredFileExists(const QString& storedName)
{
    const QFileInfo info(LocalPathOf(storedName));
    return info.exists() && !info.isDir();
}

QString AbsoluteName(const QString& name)
{
    if (name.isEmpty())
        return {};
    return QDir::cleanPath(QDir::isAbsolutePath(name) ? name : CurrentFolder() + u'/' + name);
}

QString CurrentFolder() { return NativeNames::CurrentFolder(); }

bool SetCurrentFolder(const QString& folder) { return QDir::setCurrent(folder); }

QString ExtractFileExt(const QString& name)
{
    const qsizetype dot = ExtensionDot(name);
    return dot < 0 ? QString() : name.mid(dot);
}

QString ChangeFileExt(const QString& name, const QString& ext)
{
    const qsizetype dot = ExtensionDot(name);
    return (dot < 0 ? name : name.left(dot)) + ext;
}
