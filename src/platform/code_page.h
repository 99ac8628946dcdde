#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QLocale;

// The one 8-bit code page of the run (at first the one Windows would pick for
// the user's locale): the model holds bytes, widgets and logs hold QString.
class CodePage {
public:
    // False when the code page is unknown; the current one is kept then.
    static bool Select(const QString& name);
    // The code page the command line asked for, which wins over a project's own
    // choice; empty when none was asked for.
    static void SetForced(const QString& name);
    static QString Forced();
    static QString Name();
    static QString ToUnicode(const QByteArray& bytes);
    static QByteArray FromUnicode(const QString& text);

    // The first character of `text` (a whole surrogate pair) that the code page
    // cannot hold; nothing when every one fits.
    static std::optional<QString> FirstUnencodable(const QString& text);
    // Says which character cannot be kept and how to choose another code page.
    static QString RefusalMessage(const QString& character);
    // Throws VyxError with RefusalMessage when `text` does not fit.
    static void Require(const QString& text);

    // The 8-bit Windows code pages Qt's converters offer, windows-1250 first.
    static QStringList Available();
    // The ANSI code page Windows picks for the locale's language.
    static QString DefaultFor(const QLocale& locale);
};
