#include "ui/help/help_folder.h"

#include <QDir>
#include <QFileInfo>

QString HelpFolder(const QString& programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/" VYX_HELP_FROM_BIN));
    if (QFileInfo::exists(installed + QStringLiteral("/topics.txt")))
        return installed;
    return QStringLiteral(":/help");
}

QUrl HelpPageUrl(const QString& folder, const QString& page, const QString& anchor)
{
    QUrl url = folder.startsWith(u':') ? QUrl(QStringLiteral("qrc") + folder + u'/' + page)
                                       : QUrl::fromLocalFile(folder + u'/' + page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}
