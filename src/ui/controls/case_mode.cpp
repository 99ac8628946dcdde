#include "ui/controls/case_mode.h"

namespace {

bool StartsWord(const QString& textBefore, bool afterFullStop)
{
    if (textBefore.isEmpty())
        return true;
    const QChar last = textBefore.back();
    return last == u' ' || (afterFullStop && last == u'.');
}

} // namespace

QString ApplyCaseMode(TCaseMode mode, const QString& typed, const QString& textBefore, bool afterFullStop,
                      const QLocale& locale)
{
    switch (mode) {
    case cmUpperCase:
        return locale.toUpper(typed);
    case cmLowerCase:
        return locale.toLower(typed);
    case cmTitleCase:
        return StartsWord(textBefore, afterFullStop) ? locale.toUpper(typed) : typed;
    case cmNormal:
        break;
    }
    return typed;
}
