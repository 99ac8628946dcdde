#include "ui/help/help_contents.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace {

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A page's title is its first heading; a page without one is named by its file.
QString TitleOf(const QString& html, const QString& name)
{
    static const QRegularExpression heading(QStringLiteral("<h2>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = heading.match(html);
    if (!match.hasMatch())
        return name;
    QTextDocument title;
    title.setHtml(match.captured(1));
    return title.toPlainText().simplified();
}

} // namespace

void HelpContents::Load(const QString& folder)
{
    m_pages.clear();
    const QStringList lines = ReadText(folder + QStringLiteral("/contents.txt")).split(u'\n');
    for (const QString& line : lines) {
        const QString name = line.trimmed();
        if (name.isEmpty() || name.startsWith(u';'))
            continue;
        const QString html = ReadText(folder + u'/' + name + QStringLiteral(".html"));
        if (html.isEmpty())
            continue;
        QTextDocument text;
        text.setHtml(html);
        m_pages.append({name, TitleOf(html, name), text.toPlainText()});
    }
}

bool HelpContents::Matches(const Page& page, const QString& query) const
{
    const QStringList words = query.split(u' ', Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&page](const QString& word) {
        return page.title.contains(word, Qt::CaseInsensitive) || page.text.contains(word, Qt::CaseInsensitive);
    });
}
