#pragma once
#include <QLocale>
#include <QString>

enum TCaseMode { cmNormal, cmTitleCase, cmLowerCase, cmUpperCase };

// What a typed character becomes: upper or lower case by the locale, or in
// title case upper-cased at the start of the text or after a blank (and after a
// full stop when `afterFullStop`); existing letters are never touched.
QString ApplyCaseMode(TCaseMode mode, const QString& typed, const QString& textBefore, bool afterFullStop,
                      const QLocale& locale);
