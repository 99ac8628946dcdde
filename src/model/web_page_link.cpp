#include "model/web_page_link.h"

#include "model/menu_project.h"
#include "model/preview_action.h"
#include "platform/code_page.h"
#include "platform/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

bool IsAddress(const QString& target)
{
    for (const char* scheme : {"http:", "https:", "mailto:"})
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    return false;
}

// WINEXEC's text is a command line: its program is the first word, or the
// quoted name it starts with.
QString ProgramOf(const QString& commandLine)
{
    const QString line = commandLine.trimmed();
    if (line.startsWith(u'"')) {
        const qsizetype end = line.indexOf(u'"', 1);
        return end < 0 ? line.mid(1) : line.mid(1, end - 1);
    }
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line : line.left(space);
}

WebPageLink Inert(const QString& title, const QString& problem = {})
{
    return {WebPageLink::Kind::Nothing, {}, title, problem};
}

WebPageLink TargetLink(const QString& target, const WebPageNames& names)
{
    if (target.isEmpty())
        return Inert(QStringLiteral("No file is named: nothing happens"), QStringLiteral("No file is named"));
    if (IsAddress(target))
        return {WebPageLink::Kind::Address, target, {}, {}};
    const QString file = names.Resolve(target);
    if (file.isEmpty())
        return Inert(QStringLiteral("%1 is not on the disc: nothing happens").arg(target),
                     QStringLiteral("File not found: %1").arg(target));
    return {WebPageLink::Kind::File, names.HrefTo(file), {}, {}};
}

} // namespace

WebPageNames::WebPageNames(const QString& projectFolder, const QString& cdRoot, const QString& pageFolder)
    : m_projectFolder(QDir::cleanPath(projectFolder)),
      m_cdRoot(cdRoot.isEmpty() ? QString() : QDir::cleanPath(cdRoot)),
      m_pageFolder(QDir::cleanPath(pageFolder))
{
}

QString WebPageNames::Resolve(const QString& storedName) const
{
    const QString name = storedName.trimmed();
    if (name.isEmpty() || (name.size() >= 2 && name[1] == u':'))
        return {}; // a drive letter names another disc
    QString path;
    if (name.startsWith(u'\\') || name.startsWith(u'/')) {
        if (m_cdRoot.isEmpty())
            return {};
        path = LocalPathIn(m_cdRoot, name.mid(1));
    } else {
        path = LocalPathIn(m_projectFolder, name);
    }
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? info.absoluteFilePath() : QString();
}

QString WebPageNames::HrefTo(const QString& localPath) const
{
    return QString::fromLatin1(QUrl::toPercentEncoding(QDir(m_pageFolder).relativeFilePath(localPath), "/"));
}

WebPageLink WebPageLinkFor(const MenuButton& button, const WebPageNames& names)
{
    const QByteArray& action = button.Action;
    if (action == "RUN" || action == "RUN&CLOSE" || action == "RUN&MINIMIZE")
        return TargetLink(CodePage::ToUnicode(button.Params).trimmed(), names);
    if (action == "WINEXEC") {
        const QString command = CodePage::ToUnicode(button.Params).trimmed();
        return TargetLink(IsAddress(command) ? command : ProgramOf(command), names);
    }
    if (action == "CLOSE")
        return {WebPageLink::Kind::Close, {}, QStringLiteral("Closes the page where the browser allows it"), {}};
    if (action == "NONE" || action.isEmpty())
        return Inert(QStringLiteral("Nothing happens"));
    const QString problem = action == "MINIMIZE" || action == "EJECT"
                                ? QString()
                                : QStringLiteral("Unknown action %1").arg(CodePage::ToUnicode(action));
    return Inert(QStringLiteral("%1 (in the player only): nothing happens on the web page")
                     .arg(PreviewAction::LineFor(button)),
                 problem);
}
