#include "platform/picture_memory.h"

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace PictureMemory {
namespace {

#ifdef __linux__
constexpr size_t HugePage = size_t(2) * 1024 * 1024;

struct Mapping {
    void* start;
    size_t length;
};

void Unmap(void* info)
{
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// Maps `bytes` rounded up to whole huge pages at a huge-page boundary: the
// slack around the boundary is given back at once, so only the rounding stays.
void* MapAligned(size_t length)
{
    void* raw = mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto base = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t start = (base + HugePage - 1) & ~(HugePage - 1);
    if (start > base)
        munmap(raw, start - base);
    if (const uintptr_t tail = base + HugePage - start; tail > 0)
        munmap(reinterpret_cast<void*>(start + length), tail);
    return reinterpret_cast<void*>(start);
}

QImage MappedPicture(QSize size, QImage::Format format, qsizetype bytesPerLine)
{
    const size_t length = (size_t(bytesPerLine) * size_t(size.height()) + HugePage - 1) & ~(HugePage - 1);
    void* start = MapAligned(length);
    if (!start)
        return {};
    // Both are hints: without them the pages are still there, only slower.
    madvise(start, length, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    madvise(start, length, MADV_POPULATE_WRITE);
#endif
    auto* mapping = new Mapping{start, length};
    QImage picture(static_cast<uchar*>(start), size.width(), size.height(), bytesPerLine, format, &Unmap, mapping);
    if (picture.isNull())
        Unmap(mapping);
    return picture;
}
#endif

} // namespace

QImage NewPicture(QSize size, QImage::Format format)
{
#ifdef __linux__
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.width() > 0 && size.height() > 0 && depth > 0) {
        // Qt's own alignment: every row starts on a 32-bit word.
        const qsizetype bytesPerLine = ((qsizetype(size.width()) * depth + 31) / 32) * 4;
        if (bytesPerLine * size.height() >= MinMappedBytes)
            return MappedPicture(size, format, bytesPerLine);
    }
#endif
    return QImage(size, format);
}

} // namespace PictureMemory
