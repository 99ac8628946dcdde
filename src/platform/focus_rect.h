#pragma once
#include <QImage>
#include <QRect>

// DrawFocusRect: inverts the outline pixels of `rect` (right and bottom
// exclusive, as left/top/right/bottom) whose x + y is even, each pixel once,
// clipped to the image. Two identical calls restore every pixel; an empty
// rectangle draws nothing.
void DrawFocusRect(QImage& image, int left, int top, int right, int bottom);
