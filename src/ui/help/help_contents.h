#pragma once
#include <QList>
#include <QString>

// The help topics in contents order, with their titles and plain text for searching.
class HelpContents {
public:
    struct Page {
        QString name;
        QString title;
        QString text;
    };

    // Reads the pages that contents.txt lists, one page name a line, ";" comments.
    void Load(const QString& folder);

    const QList<Page>& Pages() const { return m_pages; }

    // Whether a page holds every word of the query, ignoring case; an empty query matches all.
    bool Matches(const Page& page, const QString& query) const;

private:
    QList<Page> m_pages;
};
