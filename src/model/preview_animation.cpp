#include "model/preview_animation.h"

#include <algorithm>
#include <array>
#include <cmath>

int PreviewAnimation::DurationMs(int speed)
{
    static constexpr std::array<int, 5> durations{1200, 900, 600, 400, 200};
    return durations[size_t(std::clamp(speed, 1, 5) - 1)];
}

bool PreviewAnimation::Animates(int direction) { return direction >= Top && direction <= Right; }

QRect PreviewAnimation::Visible(int direction, QSize size, double progress)
{
    const double p = std::clamp(progress, 0.0, 1.0);
    const int w = int(std::lround(size.width() * p));
    const int h = int(std::lround(size.height() * p));
    switch (direction) {
    case Top:
        return QRect(0, 0, size.width(), h);
    case Bottom:
        return QRect(0, size.height() - h, size.width(), h);
    case Left:
        return QRect(0, 0, w, size.height());
    case Right:
        return QRect(size.width() - w, 0, w, size.height());
    default:
        break;
    }
    return QRect(QPoint(0, 0), size);
}
