#pragma once
#include "model/menu_project.h"

#include <QPoint>
#include <QRect>
#include <QSize>

constexpr QSize NewButtonDefaultSize(100, 30);

// The button "New button here" makes: NewButtonDefaultSize with its top-left
// corner at the point, cut where it would pass the menu's right or bottom
// edge. Empty when the point is not on the menu.
QRect NewButtonRectAt(const MainParams& main, QPoint at);
