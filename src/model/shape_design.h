#pragma once
#include "model/menu_project.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <cstdint>

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
    void SetBackground(const QImage& background, int sizeX, int sizeY);

    // Mouse gestures on the picture, in picture pixels.
    void Press(QPoint at);
    void Move(QPoint at);
    void Release(QPoint at);
    // "&Add Point": only while a mouse button is held on the picture.
    void AddPointCommand();
    // "ArrayList": draws the preview and inverts the preview-shown flag.
    void ArrayList();

    void Select(int index) { m_selected = uint16_t(index); }
    // Change of the X or Y edit: erase the preview if shown, store, show the
    // row, draw the preview and the marker, preview shown.
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
    void ClearList() { m_shape.Clear(); }

    const CustomShape& Shape() const { return m_shape; }
    QPoint Anchor() const { return m_anchor; }
    QPoint LastPosition() const { return m_last; }
    bool MouseHeld() const { return m_mouseHeld; }
    bool PreviewShown() const { return m_previewShown; }
    int SelectedIndex() const { return m_selected; }

private:
    void DrawLine(QPoint from, QPoint to);
    void DrawMarker(QPoint at);
    void ChangeSelected(int32_t ShapePoint::*field, int32_t value);

    CustomShape& m_shape;
    ShapeDesignHost& m_host;
    QImage m_picture;
    QPoint m_anchor;
    QPoint m_last;
    bool m_mouseHeld = false;
    bool m_previewShown = false;
    uint16_t m_selected = 0;
};
