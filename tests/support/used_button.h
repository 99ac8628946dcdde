#pragma once
#include "model/menu_project.h"

// A used RUN button with the given rectangle, for tests to place in a slot.
inline MenuButton UsedButton(int left, int top, int width, int height, const QByteArray& name = QByteArray())
{
    MenuButton b;
    b.Used = true;
    b.Left = left;
    b.Top = top;
    b.Width = width;
    b.Height = height;
    b.Name = name;
    b.Action = "RUN";
    return b;
}
