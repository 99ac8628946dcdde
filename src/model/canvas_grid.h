#pragma once

// The canvas's grid: the editor's own setting, kept with the recent files.
struct CanvasGrid {
    static constexpr int DefaultSize = 10;
    static constexpr int LargestSize = 500;

    bool Shown = false;
    bool Snap = false;
    int Size = DefaultSize; // menu pixels between lines

    bool operator==(const CanvasGrid&) const = default;
};
