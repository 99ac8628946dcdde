#pragma once
#include "platform/region.h"

#include <cstddef>
#include <vector>

// Builds a canonical region from bands given top to bottom in one pass: a band
// that continues the one above with the same spans extends it.
class RegionBuilder {
public:
    // `spans` run left to right and neither overlap nor touch; bands come in
    // increasing order and never overlap. An empty span list adds nothing.
    void AddBand(int32_t top, int32_t bottom, const std::vector<RegionSpan>& spans);
    void AddRow(int32_t y, const std::vector<RegionSpan>& spans) { AddBand(y, y + 1, spans); }
    Region Take();

private:
    bool ContinuesLastBand(int32_t top, const std::vector<RegionSpan>& spans) const;

    Region m_region;
    size_t m_bandStart = 0; // first rectangle of the last band
    bool m_hasBand = false;
};
