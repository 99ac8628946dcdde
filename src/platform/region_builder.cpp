#include "platform/region_builder.h"

#include <algorithm>
#include <utility>

bool RegionBuilder::ContinuesLastBand(int32_t top, const std::vector<RegionSpan>& spans) const
{
    const std::vector<RegionRect>& rects = m_region.m_rects;
    if (!m_hasBand || rects.back().Bottom != top || rects.size() - m_bandStart != spans.size())
        return false;
    return std::equal(spans.begin(), spans.end(), rects.begin() + std::ptrdiff_t(m_bandStart),
                      [](const RegionSpan& s, const RegionRect& r) { return s.Left == r.Left && s.Right == r.Right; });
}

void RegionBuilder::AddBand(int32_t top, int32_t bottom, const std::vector<RegionSpan>& spans)
{
    if (spans.empty())
        return;
    std::vector<RegionRect>& rects = m_region.m_rects;
    if (ContinuesLastBand(top, spans)) {
        for (auto r = rects.begin() + std::ptrdiff_t(m_bandStart); r != rects.end(); ++r)
            r->Bottom = bottom;
        return;
    }
    m_bandStart = rects.size();
    m_hasBand = true;
    for (const RegionSpan& s : spans)
        rects.push_back({s.Left, top, s.Right, bottom});
}

Region RegionBuilder::Take()
{
    m_hasBand = false;
    m_bandStart = 0;
    return std::exchange(m_region, Region());
}
