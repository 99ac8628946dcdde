#include "platform/region.h"

#include "platform/region_builder.h"
#include "platform/vyx_error.h"

#include <QtEndian>
#include <algorithm>

namespace {

constexpr uint32_t RectanglesType = 1; // RDH_RECTANGLES

// The rectangles [Begin, End) of one band.
struct Band {
    int32_t Top;
    int32_t Bottom;
    size_t Begin;
    size_t End;
};

std::vector<Band> BandsOf(const std::vector<RegionRect>& rects)
{
    std::vector<Band> bands;
    for (size_t i = 0; i < rects.size(); ++i) {
        if (bands.empty() || rects[i].Top != bands.back().Top)
            bands.push_back({rects[i].Top, rects[i].Bottom, i, i});
        bands.back().End = i + 1;
    }
    return bands;
}

// The columns covered by either band, as canonical spans.
void MergeSpans(const std::vector<RegionRect>& a, const Band* bandA, const std::vector<RegionRect>& b,
                const Band* bandB, std::vector<RegionSpan>& out)
{
    std::vector<RegionSpan> all;
    for (auto [rects, band] : {std::pair{&a, bandA}, std::pair{&b, bandB}})
        if (band)
            for (size_t i = band->Begin; i < band->End; ++i)
                all.push_back({(*rects)[i].Left, (*rects)[i].Right});
    std::sort(all.begin(), all.end(), [](const RegionSpan& x, const RegionSpan& y) { return x.Left < y.Left; });
    out.clear();
    for (const RegionSpan& span : all) {
        if (!out.empty() && span.Left <= out.back().Right)
            out.back().Right = std::max(out.back().Right, span.Right);
        else
            out.push_back(span);
    }
}

const Band* BandAt(const std::vector<Band>& bands, size_t& index, int32_t y)
{
    while (index < bands.size() && bands[index].Bottom <= y)
        ++index;
    return index < bands.size() && bands[index].Top <= y ? &bands[index] : nullptr;
}

[[noreturn]] void Refuse(const QString& reason)
{
    throw VyxError(QStringLiteral("Bad region data: %1").arg(reason));
}

int32_t ReadInt(const QByteArray& data, qsizetype offset)
{
    return qFromLittleEndian<int32_t>(data.constData() + offset);
}

void WriteInt(char*& at, int32_t value)
{
    qToLittleEndian<int32_t>(value, at);
    at += 4;
}

RegionRect ReadRect(const QByteArray& data, qsizetype offset)
{
    return {ReadInt(data, offset), ReadInt(data, offset + 4), ReadInt(data, offset + 8), ReadInt(data, offset + 12)};
}

void WriteRect(char*& at, const RegionRect& r)
{
    WriteInt(at, r.Left);
    WriteInt(at, r.Top);
    WriteInt(at, r.Right);
    WriteInt(at, r.Bottom);
}

QString RectText(const RegionRect& r)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom);
}

// Each rectangle against the one before it: same band to the right with a gap,
// or a later band below the previous one.
void CheckOrder(const std::vector<RegionRect>& rects)
{
    for (size_t i = 0; i < rects.size(); ++i) {
        const RegionRect& r = rects[i];
        if (r.Left >= r.Right || r.Top >= r.Bottom)
            Refuse(QStringLiteral("rectangle %1 %2 is empty or inverted").arg(i).arg(RectText(r)));
        if (i == 0)
            continue;
        const RegionRect& p = rects[i - 1];
        if (r.Top == p.Top) {
            if (r.Bottom != p.Bottom || r.Left <= p.Right)
                Refuse(QStringLiteral("rectangle %1 %2 does not follow %3 in its band with a gap")
                           .arg(i).arg(RectText(r), RectText(p)));
        } else if (r.Top < p.Bottom) {
            Refuse(QStringLiteral("rectangle %1 %2 does not start below the band of %3")
                       .arg(i).arg(RectText(r), RectText(p)));
        }
    }
}

bool SameSpans(const std::vector<RegionRect>& rects, const Band& a, const Band& b)
{
    return std::equal(rects.begin() + a.Begin, rects.begin() + a.End, rects.begin() + b.Begin,
                      rects.begin() + b.End, [](const RegionRect& x, const RegionRect& y) {
                          return x.Left == y.Left && x.Right == y.Right;
                      });
}

void CheckBandsMerged(const std::vector<RegionRect>& rects)
{
    const std::vector<Band> bands = BandsOf(rects);
    for (size_t i = 1; i < bands.size(); ++i)
        if (bands[i].Top == bands[i - 1].Bottom && SameSpans(rects, bands[i - 1], bands[i]))
            Refuse(QStringLiteral("the bands at rows %1 and %2 have the same spans and are not merged")
                       .arg(bands[i - 1].Top).arg(bands[i].Top));
}

} // namespace

Region Region::FromRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Region region;
    if (left < right && top < bottom)
        region.m_rects.push_back({left, top, right, bottom});
    return region;
}

RegionRect Region::Bounds() const
{
    if (m_rects.empty())
        return {};
    RegionRect bounds = m_rects.front();
    bounds.Bottom = m_rects.back().Bottom;
    for (const RegionRect& r : m_rects) {
        bounds.Left = std::min(bounds.Left, r.Left);
        bounds.Right = std::max(bounds.Right, r.Right);
    }
    return bounds;
}

bool Region::Contains(int32_t x, int32_t y) const
{
    return std::any_of(m_rects.begin(), m_rects.end(), [x, y](const RegionRect& r) {
        return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
    });
}

Region Region::United(const Region& other) const
{
    const std::vector<Band> a = BandsOf(m_rects);
    const std::vector<Band> b = BandsOf(other.m_rects);
    std::vector<int32_t> rows;
    for (const auto* bands : {&a, &b})
        for (const Band& band : *bands) {
            rows.push_back(band.Top);
            rows.push_back(band.Bottom);
        }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    RegionBuilder builder;
    std::vector<RegionSpan> spans;
    size_t ia = 0, ib = 0;
    for (size_t k = 0; k + 1 < rows.size(); ++k) {
        const Band* bandA = BandAt(a, ia, rows[k]);
        const Band* bandB = BandAt(b, ib, rows[k]);
        if (!bandA && !bandB)
            continue;
        MergeSpans(m_rects, bandA, other.m_rects, bandB, spans);
        builder.AddBand(rows[k], rows[k + 1], spans);
    }
    return builder.Take();
}

QByteArray Region::Data() const
{
    if (m_rects.empty())
        return {};
    const int32_t count = int32_t(m_rects.size());
    QByteArray data(HeaderSize + qsizetype(count) * RectSize, Qt::Uninitialized);
    char* at = data.data();
    WriteInt(at, HeaderSize);
    WriteInt(at, RectanglesType);
    WriteInt(at, count);
    WriteInt(at, count * RectSize);
    WriteRect(at, Bounds());
    for (const RegionRect& r : m_rects)
        WriteRect(at, r);
    return data;
}

bool Region::HasHeader(const QByteArray& head)
{
    return head.size() >= 8 && ReadInt(head, 0) == HeaderSize && uint32_t(ReadInt(head, 4)) == RectanglesType;
}

Region Region::FromData(const QByteArray& data)
{
    if (data.size() < HeaderSize)
        Refuse(QStringLiteral("%1 bytes, shorter than the 32-byte header").arg(data.size()));
    if (ReadInt(data, 0) != HeaderSize)
        Refuse(QStringLiteral("the header size is %1, not 32").arg(ReadInt(data, 0)));
    if (uint32_t(ReadInt(data, 4)) != RectanglesType)
        Refuse(QStringLiteral("the type is %1, not 1 (rectangles)").arg(ReadInt(data, 4)));
    const qint64 count = uint32_t(ReadInt(data, 8));
    if (count == 0)
        Refuse(QStringLiteral("it holds no rectangles"));
    // The count is checked against the data's length before anything is sized by it.
    if (data.size() != HeaderSize + count * RectSize)
        Refuse(QStringLiteral("%1 bytes do not hold a header and %2 rectangles").arg(data.size()).arg(count));
    if (uint32_t(ReadInt(data, 12)) != uint32_t(count * RectSize))
        Refuse(QStringLiteral("the rectangle bytes are %1, not %2").arg(uint32_t(ReadInt(data, 12))).arg(count * RectSize));

    Region region;
    region.m_rects.reserve(size_t(count));
    for (qint64 i = 0; i < count; ++i)
        region.m_rects.push_back(ReadRect(data, HeaderSize + i * RectSize));
    CheckOrder(region.m_rects);
    CheckBandsMerged(region.m_rects);
    const RegionRect bound = ReadRect(data, 16);
    if (bound != region.Bounds())
        Refuse(QStringLiteral("the bounding rectangle %1 is not %2").arg(RectText(bound), RectText(region.Bounds())));
    return region;
}
