#pragma once
#include <QImage>
#include <QSize>

// New pictures for the loaders. A freshly decoded picture is written once from
// end to end, and on a virtual machine each 4 KiB page fault costs tens of
// microseconds: a 1024 x 768 picture took longer to fault in than to decode.
// Pictures of a megabyte or more are therefore held in transparent huge pages
// where the kernel offers them, and fall back to Qt's own memory otherwise.
namespace PictureMemory {

// The smallest picture worth a mapping of its own.
constexpr qsizetype MinMappedBytes = 1024 * 1024;

// A null picture when there is not enough memory, as QImage's constructor gives.
QImage NewPicture(QSize size, QImage::Format format);

} // namespace PictureMemory
