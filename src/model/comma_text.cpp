#include "model/comma_text.h"

namespace {

bool IsBreak(QChar c) { return c.unicode() <= u' ' || c == u','; }

bool NeedsQuotes(const QString& value)
{
    for (QChar c : value)
        if (c.unicode() <= u' ' || c == u',' || c == u'"')
            return true;
    return false;
}

QString ReadQuoted(const QString& text, qsizetype& i)
{
    QString value;
    ++i; // opening quote
    while (i < text.size()) {
        if (text[i] == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                value += u'"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        value += text[i++];
    }
    return value;
}

} // namespace

QStringList ParseCommaText(const QString& text)
{
    QStringList values;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && text[i].unicode() <= u' ')
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        QString value;
        if (text[i] == u'"') {
            value = ReadQuoted(text, i);
        } else {
            const qsizetype start = i;
            while (i < text.size() && !IsBreak(text[i]))
                ++i;
            value = text.mid(start, i - start);
        }
        values << value;
        skipBlanks();
        if (i < text.size() && text[i] == u',') {
            ++i;
            skipBlanks();
            if (i >= text.size())
                values << QString(); // a trailing comma ends with one empty value
        }
    }
    return values;
}

QString ToCommaText(const QStringList& values)
{
    // Only a lone empty value is quoted; among others it shows as nothing between commas.
    if (values.size() == 1 && values.front().isEmpty())
        return QStringLiteral("\"\"");
    QStringList parts;
    for (const QString& v : values) {
        if (NeedsQuotes(v))
            parts << u'"' + QString(v).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        else
            parts << v;
    }
    return parts.join(u',');
}
