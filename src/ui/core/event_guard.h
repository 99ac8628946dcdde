#pragma once
#include "platform/vyx_error.h"
#include "ui/core/shared_dialogs.h"

#include <exception>
#include <utility>

class QWidget;

// The event-handler boundary: an error raised inside a handler stops it and is
// shown in an error box; nothing crosses the event loop.
template <typename F>
bool Guarded(SharedDialogs& dialogs, QWidget* parent, F&& handler)
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const VyxError& e) {
        dialogs.ShowError(parent, e.Message());
    } catch (const std::exception& e) {
        dialogs.ShowError(parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
