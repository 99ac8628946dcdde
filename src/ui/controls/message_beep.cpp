#include "ui/controls/message_beep.h"

#include <QApplication>

namespace {

std::function<void()>& Listener()
{
    static std::function<void()> listener;
    return listener;
}

} // namespace

void MessageBeep()
{
    if (Listener())
        Listener()();
    else
        QApplication::beep();
}

void SetBeepListener(std::function<void()> listener) { Listener() = std::move(listener); }
