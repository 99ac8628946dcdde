#include "model/stored_rect.h"

#include <algorithm>
#include <limits>

namespace {

int HeldInInt(int64_t value)
{
    return int(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

QRect StoredRect(int64_t left, int64_t top, int64_t width, int64_t height)
{
    return QRect(QPoint(HeldInInt(left), HeldInInt(top)), QPoint(HeldInInt(left + width - 1), HeldInInt(top + height - 1)));
}
