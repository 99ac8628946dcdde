#include "model/zoomed_canvas.h"

#include <QPainter>
#include <QPen>

void PaintZoomedCanvas(QPainter& painter, const QImage& plain, const CanvasZoom& zoom, const QRect& exposed,
                       const std::vector<QRect>& frames)
{
    const QRect source = zoom.Covering(exposed) & plain.rect();
    if (source.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const double s = zoom.Scale();
    painter.drawImage(QRectF(source.x() * s, source.y() * s, source.width() * s, source.height() * s), plain,
                      QRectF(source));
    painter.setClipRect(exposed);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::CustomDashLine);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QRect& frame : frames) {
        const QRect onScreen = zoom.ToScreen(frame);
        if (onScreen.intersects(exposed.adjusted(-1, -1, 1, 1)))
            painter.drawRect(onScreen.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}
