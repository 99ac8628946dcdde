#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

// The help file's table of context numbers: "number=topic" or "number=topic#anchor"
// lines, ";" comments.
class HelpTopics {
public:
    void Parse(const QByteArray& text);

    // The topic and anchor of a context number; empty when it has none.
    QString TopicOfContext(int context) const { return m_contexts.value(context); }

private:
    QHash<int, QString> m_contexts;
};
