#include "model/check_finding.h"

#include <QStringList>
#include <algorithm>

int CheckFinding::Slot() const
{
    static const QString prefix = QStringLiteral("Button#");
    if (!Section.startsWith(prefix))
        return -1;
    bool ok = false;
    const int slot = Section.mid(prefix.size()).toInt(&ok);
    return ok ? slot : -1;
}

QString CheckFinding::Where() const
{
    return Section.isEmpty() ? Key : QStringLiteral("[%1] %2").arg(Section, Key);
}

namespace {

// Backslashes stay as they are: stored names are full of them.
QString Escaped(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\n')
            escaped += QLatin1String("\\n");
        else if (c == u'\r')
            escaped += QLatin1String("\\r");
        else if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F)
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

QString CheckFinding::Line() const
{
    return Escaped(QStringLiteral("%1 %2: %3").arg(LevelText(), Where(), Message));
}

bool HasError(const CheckFindings& findings)
{
    return std::any_of(findings.cbegin(), findings.cend(), [](const CheckFinding& f) { return f.IsError(); });
}

namespace {

QString Counted(qsizetype count, const char* noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun), count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString CheckSummary(const CheckFindings& findings)
{
    const qsizetype errors = std::count_if(findings.cbegin(), findings.cend(), [](const CheckFinding& f) { return f.IsError(); });
    const qsizetype warnings = findings.size() - errors;
    QStringList parts;
    if (errors > 0)
        parts << Counted(errors, "error");
    if (warnings > 0)
        parts << Counted(warnings, "warning");
    return parts.isEmpty() ? QStringLiteral("No problems found") : parts.join(QStringLiteral(", "));
}
