#include "platform/picture_memory.h"

#ifdef __linux__
#include <sys/mman.h>

#include <mutex>
#include <vector>
#endif

namespace PictureMemory {
namespace {

#ifdef __linux__
constexpr size_t HugePage = size_t(2) * 1024 * 1024;

struct Mapping {
    void* start;
    size_t length;
};

// The memory of the last pictures let go, for the next ones of their size: a
// project replacing another gets its pictures' pages without the kernel
// clearing them anew, as the allocator reuses smaller blocks. The kernel may
// take the pages back whenever it needs them (MADV_FREE); the next picture then
// gets fresh ones, which is all it would have had anyway.
class MappingCache {
public:
    static MappingCache& Instance()
    {
        static auto* cache = new MappingCache; // never destroyed: pictures may be let go at exit
        return *cache;
    }

    void* Take(size_t length)
    {
        const std::lock_guard lock(m_mutex);
        for (auto it = m_kept.begin(); it != m_kept.end(); ++it)
            if (it->length == length) {
                void* start = it->start;
                m_keptBytes -= length;
                m_kept.erase(it);
                return start;
            }
        return nullptr;
    }

    void Give(const Mapping& mapping)
    {
        {
            const std::lock_guard lock(m_mutex);
            if (m_kept.size() < MaxKept && m_keptBytes + mapping.length <= MaxKeptBytes &&
                madvise(mapping.start, mapping.length, MADV_FREE) == 0) {
                m_kept.push_back(mapping);
                m_keptBytes += mapping.length;
                return;
            }
        }
        munmap(mapping.start, mapping.length);
    }

private:
    // A project's three pictures, and a preview's copy.
    static constexpr size_t MaxKept = 4;
    static constexpr size_t MaxKeptBytes = size_t(256) * 1024 * 1024;

    std::mutex m_mutex;
    std::vector<Mapping> m_kept;
    size_t m_keptBytes = 0;
};

void Release(void* info)
{
    const auto* mapping = static_cast<Mapping*>(info);
    MappingCache::Instance().Give(*mapping);
    delete mapping;
}

// Maps `length` (whole huge pages) at a huge-page boundary: the slack around
// the boundary is given back at once.
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
    // Both are hints: without them the pages are still there, only slower.
    madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    madvise(reinterpret_cast<void*>(start), length, MADV_POPULATE_WRITE);
#endif
    return reinterpret_cast<void*>(start);
}

QImage MappedPicture(QSize size, QImage::Format format, qsizetype bytesPerLine)
{
    const size_t length = (size_t(bytesPerLine) * size_t(size.height()) + HugePage - 1) & ~(HugePage - 1);
    void* start = MappingCache::Instance().Take(length);
    if (!start)
        start = MapAligned(length);
    if (!start)
        return {};
    auto* mapping = new Mapping{start, length};
    QImage picture(static_cast<uchar*>(start), size.width(), size.height(), bytesPerLine, format, &Release, mapping);
    if (picture.isNull())
        Release(mapping);
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
