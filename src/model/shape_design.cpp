#include "model/shape_design.h"

#include "model/design_size.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

const QColor PreviewRed(255, 0, 0);

// A painter on the surface in the NotXor mix, without antialiasing.
class NotXorPainter : public QPainter {
public:
    explicit NotXorPainter(QImage& image) : QPainter(&image)
    {
        setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        setRenderHint(QPainter::Antialiasing, false);
    }
};

} // namespace

ShapeDesign::ShapeDesign(CustomShape& shape, ShapeDesignHost& host) : m_shape(shape), m_host(host) {}

void ShapeDesign::SetBackground(const QImage& background, int sizeX, int sizeY)
{
    // The menu size comes from the file: bounded as the canvas bounds it.
    const QSize size = BoundedDesignSize(sizeX, sizeY);
    m_preview.reset();
    m_picture = QImage(size, QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    QPainter painter(&m_picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), background, QRect(QPoint(0, 0), size));
}

void ShapeDesign::Press(QPoint at)
{
    m_mouseHeld = true;
    m_anchor = at;
    AddShapePoint(m_anchor);
}

void ShapeDesign::Move(QPoint at)
{
    if (m_mouseHeld) {
        DrawLine(m_anchor, m_last); // erases the previous rubber band
        DrawLine(m_anchor, at);
    }
    m_last = at;
}

void ShapeDesign::Release(QPoint at)
{
    m_mouseHeld = false;
    AddShapePoint(at);
}

void ShapeDesign::AddPointCommand()
{
    if (!m_mouseHeld)
        return;
    AddShapePoint(m_last);
    m_anchor = m_last;
}

void ShapeDesign::ArrayList()
{
    if (m_preview)
        ErasePreview();
    else
        ShowPreview();
}

void ShapeDesign::ShowPreview()
{
    m_preview = PreviewLine();
    DrawPolyline(*m_preview);
}

void ShapeDesign::ErasePreview()
{
    if (!m_preview)
        return;
    DrawPolyline(*m_preview);
    m_preview.reset();
}

void ShapeDesign::SetSelectedX(int32_t x) { ChangeSelected(&ShapePoint::X, x); }

void ShapeDesign::SetSelectedY(int32_t y) { ChangeSelected(&ShapePoint::Y, y); }

void ShapeDesign::ChangeSelected(int32_t ShapePoint::*field, int32_t value)
{
    if (m_selected == NoSelection)
        return;
    ErasePreview();
    ShapePoint& point = m_shape.Points[m_selected];
    point.*field = value;
    m_host.ShowPointRow(m_selected);
    ShowPreview();
    DrawMarker(QPoint(point.X, point.Y));
}

bool ShapeDesign::AddShapePoint(QPoint p)
{
    if (m_shape.PointCount >= CustomShape::Capacity) {
        m_host.PointLimitReached();
        return false;
    }
    ErasePreview();
    const int slot = m_shape.PointCount;
    m_shape.Points[slot] = {p.x(), p.y(), ShapePointState::Used};
    m_host.ShowPointRow(slot);
    ++m_shape.PointCount;
    m_host.PointAdded(m_shape.PointCount);
    return true;
}

void ShapeDesign::DrawShapePreview() { DrawPolyline(PreviewLine()); }

QPolygon ShapeDesign::PreviewLine() const
{
    QPolygon line;
    for (int i = 0; i < m_shape.PointCount; ++i)
        line << QPoint(m_shape.Points[i].X, m_shape.Points[i].Y);
    return line;
}

void ShapeDesign::DrawPolyline(const QPolygon& line)
{
    if (line.size() < 2 || m_picture.isNull())
        return;
    NotXorPainter painter(m_picture);
    painter.setPen(QPen(PreviewRed, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
}

int ShapeDesign::CompactPointList(const PointChecks& checked)
{
    ErasePreview();
    Deselect();
    CustomShape kept;
    for (int i = 0; i < CustomShape::Capacity; ++i)
        if (checked[i] && m_shape.Points[i].State == ShapePointState::Used)
            kept.Points[kept.PointCount++] = m_shape.Points[i];
    const int ripped = m_shape.PointCount - kept.PointCount;
    m_shape = kept;
    return ripped;
}

int ShapeDesign::DeleteSelected(const PointChecks& checked)
{
    if (m_selected != NoSelection)
        m_shape.Points[m_selected].State = ShapePointState::MarkedForDeletion;
    return CompactPointList(checked);
}

void ShapeDesign::ClearList()
{
    ErasePreview();
    Deselect();
    m_shape.Clear();
}

void ShapeDesign::DrawLine(QPoint from, QPoint to)
{
    if (m_picture.isNull())
        return;
    NotXorPainter painter(m_picture);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to);
}

void ShapeDesign::DrawMarker(QPoint at)
{
    if (m_picture.isNull())
        return;
    NotXorPainter painter(m_picture);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QBrush(PreviewRed, Qt::DiagCrossPattern));
    painter.drawEllipse(QRect(at.x() - 3, at.y() - 3, 6, 6));
}
