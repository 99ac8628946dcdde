#include "model/help_topics.h"

#include <QList>

void HelpTopics::Parse(const QByteArray& text)
{
    m_contexts.clear();
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (line.isEmpty() || line.startsWith(';') || equals < 0)
            continue;
        bool ok = false;
        const int context = line.left(equals).trimmed().toInt(&ok);
        const QByteArray topic = line.mid(equals + 1).trimmed();
        if (ok && !topic.isEmpty())
            m_contexts.insert(context, QString::fromUtf8(topic));
    }
}
