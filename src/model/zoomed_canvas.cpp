#include "model/zoomed_canvas.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace {

// The four one-pixel sides of `r`, each pixel once.
std::array<QRect, 4> SidesOf(const QRect& r)
{
    return {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), r.height() > 1 ? 1 : 0),
            QRect(r.left(), r.top() + 1, 1, std::max(r.height() - 2, 0)),
            QRect(r.right(), r.top() + 1, r.width() > 1 ? 1 : 0, std::max(r.height() - 2, 0))};
}

} // namespace

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
    // A checkered brush inverts every other pixel of each side, the frames' dotted
    // look: far cheaper than stroking a dashed pen, which costs more than the picture.
    painter.setClipRect(exposed);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    for (const QRect& frame : frames) {
        const QRect onScreen = zoom.ToScreen(frame);
        if (onScreen.intersects(exposed))
            for (const QRect& side : SidesOf(onScreen))
                painter.fillRect(side, dots);
    }
    painter.restore();
}
