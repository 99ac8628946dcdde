#pragma once
#include "model/menu_project.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <array>
#include <cstdint>
#include <optional>

// What the shape design logic asks of its window.
class ShapeDesignHost {
public:
    virtual ~ShapeDesignHost() = default;
    // Row `slot` shows the slot's point and is checked.
    virtual void ShowPointRow(int slot) = 0;
    // A point went into the table; it now holds `count` points.
    virtual void PointAdded(int count) = 0;
    // The table is full and a point was refused.
    virtual void PointLimitReached() = 0;
};

// Check marks of the 100 point rows: a checked row survives compaction.
using PointChecks = std::array<bool, CustomShape::Capacity>;

// The shape design window without its widgets: the point table operations, the
// drawing surface and the gesture state. All drawing is in the NotXor mix
// (NOT (surface XOR pen)), so drawing a figure twice restores every pixel.
class ShapeDesign {
public:
    ShapeDesign(CustomShape& shape, ShapeDesignHost& host);

    const QImage& Picture() const { return m_picture; }
    // The surface becomes `sizeX` x `sizeY` (at least one pixel) holding the
    // top-left area of `background`; parts the background lacks are white.
    // The new surface shows no preview.
    void SetBackground(const QImage& background, int sizeX, int sizeY);

    // Mouse gestures on the picture, in picture pixels.
    void Press(QPoint at);
    void Move(QPoint at);
    void Release(QPoint at);
    // "&Add Point": only while a mouse button is held on the picture.
    void AddPointCommand();
    // "ArrayList": shows the preview, or erases it when it is shown.
    void ArrayList();
    // Erases the preview that is on the surface, whatever the table now holds.
    void ErasePreview();

    // The slot the X and Y edits act on; NoSelection after the table was
    // compacted, cleared or replaced, since its old slot may hold another point.
    static constexpr int NoSelection = -1;
    void Select(int index) { m_selected = index; }
    void Deselect() { m_selected = NoSelection; }
    // Change of the X or Y edit: erase the preview if shown, store, show the
    // row, draw the preview and the marker, preview shown. Nothing without a selection.
    void SetSelectedX(int32_t x);
    void SetSelectedY(int32_t y);

    // Appends a point; false (table unchanged) when it is full.
    bool AddShapePoint(QPoint p);
    // Red, 2 pixels, an open polyline through the points; nothing below two points.
    void DrawShapePreview();
    // Keeps the used slots whose rows are checked, packed to the front; returns
    // the old count minus the number kept.
    int CompactPointList(const PointChecks& checked);
    // "Del": the selected slot is marked for deletion, then the list is compacted.
    int DeleteSelected(const PointChecks& checked);
    // "Clear list": every slot empty, no points.
    void ClearList();

    const CustomShape& Shape() const { return m_shape; }
    QPoint Anchor() const { return m_anchor; }
    QPoint LastPosition() const { return m_last; }
    bool MouseHeld() const { return m_mouseHeld; }
    bool PreviewShown() const { return m_preview.has_value(); }
    int SelectedIndex() const { return m_selected; }

private:
    QPolygon PreviewLine() const;
    void DrawPolyline(const QPolygon& line);
    void ShowPreview();
    void DrawLine(QPoint from, QPoint to);
    void DrawMarker(QPoint at);
    void ChangeSelected(int32_t ShapePoint::*field, int32_t value);

    CustomShape& m_shape;
    ShapeDesignHost& m_host;
    QImage m_picture;
    QPoint m_anchor;
    QPoint m_last;
    bool m_mouseHeld = false;
    // The polyline the preview drew, kept so that erasing it removes exactly
    // those lines even after the table changed.
    std::optional<QPolygon> m_preview;
    int m_selected = NoSelection;
};
