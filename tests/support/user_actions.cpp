#include "support/user_actions.h"

#include <QEvent>
#include <algorithm>
#include <vector>

namespace {

std::vector<UserActionWatch*>& Watches()
{
    static std::vector<UserActionWatch*> watches;
    return watches;
}

bool Starts(QEvent::Type type)
{
    // A key that is a shortcut never arrives as a key press: its shortcut check comes first.
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress
           || type == QEvent::ShortcutOverride;
}

bool Ends(QEvent::Type type) { return type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease; }

} // namespace

void AddUserActionWatch(UserActionWatch* watch) { Watches().push_back(watch); }

void RemoveUserActionWatch(UserActionWatch* watch)
{
    auto& watches = Watches();
    watches.erase(std::remove(watches.begin(), watches.end(), watch), watches.end());
}

bool TestApplication::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_depth > 0 || !receiver->isWidgetType() || !(Starts(type) || Ends(type)))
        return QApplication::notify(receiver, event);
    if (Starts(type))
        for (UserActionWatch* watch : std::vector<UserActionWatch*>(Watches()))
            watch->ActionStarts(receiver, event);
    ++m_depth;
    bool result = false;
    try {
        result = QApplication::notify(receiver, event);
    } catch (...) {
        --m_depth;
        throw;
    }
    --m_depth;
    if (Ends(type))
        for (UserActionWatch* watch : std::vector<UserActionWatch*>(Watches()))
            watch->ActionEnded(receiver, event);
    return result;
}
