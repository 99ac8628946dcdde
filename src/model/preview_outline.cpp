#include "model/preview_outline.h"

#include "model/mask_file.h"
#include "model/menu_project.h"
#include "platform/vyx_error.h"

#include <QFileInfo>

QPolygon ShapePolygon(const CustomShape& shape)
{
    QPolygon polygon;
    const int count = std::min<int>(shape.PointCount, CustomShape::Capacity);
    for (int i = 0; i < count; ++i)
        polygon << QPoint(shape.Points[size_t(i)].X, shape.Points[size_t(i)].Y);
    return polygon;
}

QRegion PolygonRegion(const QPolygon& polygon) { return QRegion(polygon, Qt::OddEvenFill); }

QRegion ToQRegion(const Region& region)
{
    QRegion result;
    for (const RegionRect& r : region.Rects())
        result += QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
    return result;
}

PreviewOutline PreviewOutline::Choose(const MenuProject& project, const QString& iniFileName)
{
    PreviewOutline outline;
    const QRect menu(0, 0, std::max(project.Main.SizeX, 0), std::max(project.Main.SizeY, 0));
    outline.m_mask = QRegion(menu);
    if (project.Main.UseCustomShape && project.Shape.PointCount >= 3) {
        return outline.Use(Kind::Polygon, PolygonRegion(ShapePolygon(project.Shape)) & menu,
                           QStringLiteral("The custom shape covers no pixel of the menu"));
    }
    QString maskName;
    try {
        maskName = MaskFile::NameFor(iniFileName);
    } catch (const VyxError&) {
        return outline; // the project file itself ends in .msk: it has no separate mask
    }
    if (!QFileInfo::exists(maskName))
        return outline;
    try {
        return outline.Use(Kind::MaskFile, ToQRegion(MaskFile::Read(maskName)) & menu,
                           QStringLiteral("The mask file covers no pixel of the menu"));
    } catch (const VyxError& e) {
        outline.m_note = QStringLiteral("Mask file not used: ") + e.Message();
    }
    return outline;
}

PreviewOutline PreviewOutline::Use(Kind kind, const QRegion& mask, const QString& emptyNote)
{
    // A window cut to nothing could not be seen or closed with the mouse.
    if (mask.isEmpty()) {
        m_note = emptyNote;
        return *this;
    }
    m_kind = kind;
    m_mask = mask;
    return *this;
}

QString PreviewOutline::Description() const
{
    switch (m_kind) {
    case Kind::Polygon:
        return QStringLiteral("custom shape");
    case Kind::MaskFile:
        return QStringLiteral("mask file");
    case Kind::Rectangle:
        break;
    }
    return QStringLiteral("rectangle");
}
