#pragma once
#include "model/canvas_zoom.h"

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

// The exposed part of a zoomed canvas (widget pixels): the frameless bitmap by
// nearest pixels, so that the menu's pixels stay sharp, and over it the frames
// (menu rectangles) as dotted inversions one screen pixel wide.
void PaintZoomedCanvas(QPainter& painter, const QImage& plain, const CanvasZoom& zoom, const QRect& exposed,
                       const std::vector<QRect>& frames);
