#pragma once
#include <QByteArray>
#include <cstdint>
#include <vector>

// One rectangle of a region; right and bottom are exclusive.
struct RegionRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    bool operator==(const RegionRect&) const = default;
};

// The columns [Left, Right) of one band.
struct RegionSpan {
    int32_t Left = 0;
    int32_t Right = 0;
    bool operator==(const RegionSpan&) const = default;
};

// A window region as the platform keeps it: y-x banded rectangles in canonical
// form. Bands run top to bottom and all rectangles of a band share its top and
// bottom; within a band they run left to right and never touch; two vertically
// adjacent bands never have the same spans (they would be one band). Equal
// pixel sets therefore have equal rectangle lists and equal region data.
class Region {
public:
    static constexpr int HeaderSize = 32;
    static constexpr int RectSize = 16;

    Region() = default; // empty
    static Region FromRect(int32_t left, int32_t top, int32_t right, int32_t bottom);

    bool IsEmpty() const { return m_rects.empty(); }
    const std::vector<RegionRect>& Rects() const { return m_rects; }
    // The smallest rectangle holding every rectangle (all zero when empty).
    RegionRect Bounds() const;
    bool Contains(int32_t x, int32_t y) const;

    // The union of both pixel sets (CombineRgn with RGN_OR).
    Region United(const Region& other) const;

    // The RGNDATA block: a 32-byte header (32, 1, n, n x 16, bounds) and the n
    // rectangles, little-endian. Empty for an empty region.
    QByteArray Data() const;
    // Checks every field of a RGNDATA block and rebuilds the region from it;
    // throws VyxError naming what is wrong. Nothing is allocated from a size in
    // the data before the data's length confirms it.
    static Region FromData(const QByteArray& data);
    // True when `head` begins as region data does (header size and type).
    static bool HasHeader(const QByteArray& head);

    bool operator==(const Region&) const = default;

private:
    friend class RegionBuilder;
    std::vector<RegionRect> m_rects;
};
