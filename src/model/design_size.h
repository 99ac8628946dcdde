#pragma once
#include <QSize>
#include <cstdint>

// The size the window and the canvas take for a menu's SizeX and SizeY: at
// least 1 pixel on a side, and within the limits of a picture (a side of
// PictureLoader::MaxSide, PictureLoader::MaxPixels in all), so that a damaged
// file cannot make a canvas that exhausts memory. SizeX and SizeY themselves
// stay as the file holds them.
QSize BoundedDesignSize(int32_t sizeX, int32_t sizeY);
