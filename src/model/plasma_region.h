#pragma once
#include "platform/region.h"

#include <QByteArray>

class QIODevice;

// The mask maker's region object: owns at most one region, takes copies of the
// regions and region data it is given, and defines the region's streamed form
// (the "Data" property: a signed 32-bit size, then that many bytes of region data).
class TPlasmaRegion {
public:
    bool HasRegion() const { return !m_region.IsEmpty(); }
    // The current region; empty when there is none.
    const Region& Current() const { return m_region; }

    // A copy of the region; nullptr (or an empty region) leaves no region.
    void AssignRegion(const Region* region);
    // A region rebuilt from RGNDATA bytes; nullptr leaves no region. Bad data
    // throws VyxError and keeps the current region.
    void AssignRegionData(const QByteArray* data);

    // The size (0 without a region), then the region data.
    void WriteData(QIODevice& stream) const;
    // A size of 0 or less gives no region; otherwise that many bytes of region
    // data. Data cut short or malformed throws VyxError.
    void ReadData(QIODevice& stream);

private:
    Region m_region;
};
