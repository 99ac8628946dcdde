#pragma once
#include <QByteArray>
#include <QRegularExpression>
#include <QString>

// The [Button#N] section of a file as a save writes it (CR LF lines), header to the next header.
inline QByteArray SavedSection(const QByteArray& file, int slot)
{
    const QRegularExpression re(QStringLiteral("\\[Button#%1\\]\\r\\n(?:[^\\[][^\\r]*\\r\\n)*").arg(slot));
    return re.match(QString::fromLatin1(file)).captured(0).toLatin1();
}
