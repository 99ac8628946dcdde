#include "ui/controls/draw_edge.h"

#include <QPainter>

namespace {

// One 1-pixel ring: top and left in one colour, bottom and right in the other.
QRect DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return r;
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    return r.adjusted(1, 1, -1, -1);
}

} // namespace

QRect DrawEdge(QPainter& painter, const QRect& rect, int flags, const QPalette& palette)
{
    QRect r = rect;
    if (flags & BDR_RAISEDOUTER)
        r = DrawRing(painter, r, palette.color(QPalette::Midlight), palette.color(QPalette::Shadow));
    else if (flags & BDR_SUNKENOUTER)
        r = DrawRing(painter, r, palette.color(QPalette::Dark), palette.color(QPalette::Light));
    if (flags & BDR_RAISEDINNER)
        r = DrawRing(painter, r, palette.color(QPalette::Light), palette.color(QPalette::Dark));
    else if (flags & BDR_SUNKENINNER)
        r = DrawRing(painter, r, palette.color(QPalette::Shadow), palette.color(QPalette::Midlight));
    return r;
}
