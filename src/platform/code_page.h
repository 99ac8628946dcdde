#pragma once
#include <QByteArray>
#include <QString>

// The one 8-bit code page of the run (default windows-1252): the model holds
// bytes, widgets and logs hold QString.
class CodePage {
public:
    // False when the code page is unknown; the current one is kept then.
    static bool Select(const QString& name);
    static QString Name();
    static QString ToUnicode(const QByteArray& bytes);
    static QByteArray FromUnicode(const QString& text);
};
