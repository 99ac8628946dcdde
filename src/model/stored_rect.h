#pragma once
#include <QRect>
#include <cstdint>

// A rectangle from a stored position and size. Its right and bottom edges are
// formed in 64 bits and held inside int: a stored Left near the 32-bit limit
// plus its width must not wrap round to a rectangle at the other end.
QRect StoredRect(int64_t left, int64_t top, int64_t width, int64_t height);
