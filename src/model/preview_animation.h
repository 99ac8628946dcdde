#pragma once
#include <QRect>
#include <QSize>

// The opening and closing animations: the menu is uncovered from (or covered
// towards) the edge its direction names.
class PreviewAnimation {
public:
    enum Direction { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

    // Speed 1 (slowest) to 5 (fastest) in milliseconds; values outside are held to 1..5.
    static int DurationMs(int speed);
    // Whether the value names a direction that animates.
    static bool Animates(int direction);
    // The visible part of a `size` menu at `progress` (0 nothing, 1 all), grown
    // from the direction's edge. A value that names no direction shows everything.
    static QRect Visible(int direction, QSize size, double progress);
};
