#pragma once
#include <QFocusEvent>

// Whether losing the focus really leaves a field. A popup menu or another
// window taking the focus does not: the user comes back to go on typing, so
// rules that tidy a field's text wait for a real leave (Tab, a click elsewhere).
inline bool LeavesField(const QFocusEvent& event)
{
    return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::ActiveWindowFocusReason;
}
