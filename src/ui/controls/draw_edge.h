#pragma once
#include <QPalette>
#include <QRect>

class QPainter;

// The edge flags of the platform's DrawEdge: outer and inner, raised or sunken.
enum EdgeFlags {
    BDR_RAISEDOUTER = 1,
    BDR_SUNKENOUTER = 2,
    BDR_RAISEDINNER = 4,
    BDR_SUNKENINNER = 8,
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
};

// Draws the edge on all four sides of `rect` in the palette's 3D colours and
// returns the rectangle shrunk by the edge's width.
QRect DrawEdge(QPainter& painter, const QRect& rect, int flags, const QPalette& palette);
