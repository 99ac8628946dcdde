#pragma once
#include "platform/region.h"

#include <QPolygon>
#include <QRegion>
#include <QString>

class MenuProject;
struct CustomShape;

// The outline the preview gives its window: the polygon when "Use:" is ticked
// and it has at least three points, else the mask file beside the INI file,
// else the whole menu rectangle. Always cut to the SizeX x SizeY menu.
class PreviewOutline {
public:
    enum class Kind { Rectangle, Polygon, MaskFile };

    static PreviewOutline Choose(const MenuProject& project, const QString& iniFileName);

    Kind Source() const { return m_kind; }
    const QRegion& Mask() const { return m_mask; }
    // Why a present outline was not used (an unreadable mask file); empty otherwise.
    const QString& Note() const { return m_note; }
    QString Description() const;

private:
    // Takes the outline unless it is empty; then keeps the rectangle and notes why.
    PreviewOutline Use(Kind kind, const QRegion& mask, const QString& emptyNote);

    Kind m_kind = Kind::Rectangle;
    QRegion m_mask;
    QString m_note;
};

// Points 0..PointCount-1, in order.
QPolygon ShapePolygon(const CustomShape& shape);
// The polygon's pixels with the alternate (even-odd) rule, as the window system fills it.
QRegion PolygonRegion(const QPolygon& polygon);
QRegion ToQRegion(const Region& region);
