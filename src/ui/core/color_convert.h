#pragma once
#include <QColor>
#include <cstdint>

// 0x00BBGGRR colours and system colours (0x80000000 + index) as the current
// palette shows them.
QColor ColorToQColor(uint32_t color);
uint32_t QColorToColor(const QColor& color);
