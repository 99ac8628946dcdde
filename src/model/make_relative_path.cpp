#include "model/make_relative_path.h"

namespace {

bool IsSeparator(QChar c) { return c == u'\\' || c == u'/'; }

bool StartsWithDriveLetter(const QString& name)
{
    return name.size() >= 2 && name[0].isLetter() && name[0].unicode() < 128 && name[1] == u':';
}

// The reference's folder with one separator appended. A POSIX reference keeps
// "/" so that names below it match as typed.
QString FolderOf(const QString& reference)
{
    int cut = -1;
    for (int i = reference.size() - 1; i >= 0; --i) {
        const QChar c = reference[i];
        if (IsSeparator(c) || c == u':') {
            cut = i;
            break;
        }
    }
    QString folder = reference.left(cut + 1);
    if (folder.size() >= 2 && IsSeparator(folder.back())) {
        const QChar before = folder[folder.size() - 2];
        if (before != u':' && !IsSeparator(before))
            folder.chop(1);
    }
    const QChar separator = (cut >= 0 && reference[cut] == u'/') ? u'/' : u'\\';
    return folder + separator;
}

bool SameIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QChar x = a[i], y = b[i];
        if (x.unicode() < 128)
            x = x.toLower();
        if (y.unicode() < 128)
            y = y.toLower();
        if (x != y)
            return false;
    }
    return true;
}

// A name inside the project folder, for the Windows player.
QString WindowsSeparators(QString name) { return name.replace(u'/', u'\\'); }

} // namespace

QString MakeRelativePath(const QString& fileName, const QString& referenceName)
{
    if (fileName.isEmpty())
        return QString();
    const QString folder = FolderOf(referenceName);
    if (fileName.size() >= folder.size()
        && SameIgnoringAsciiCase(QStringView(fileName).left(folder.size()), folder))
        return WindowsSeparators(fileName.mid(folder.size()));
    if (StartsWithDriveLetter(fileName) && StartsWithDriveLetter(referenceName)
        && SameIgnoringAsciiCase(QStringView(fileName).left(1), QStringView(referenceName).left(1)))
        return fileName.mid(2);
    return fileName;
}
