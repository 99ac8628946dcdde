#pragma once
#include <functional>

// The platform's warning beep for a refused key; tests listen instead of hearing it.
void MessageBeep();
// nullptr restores the real beep.
void SetBeepListener(std::function<void()> listener);
