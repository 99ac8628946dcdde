// Any bytes as a .msk file: the region data the preview and the mask maker read.
// Data that is accepted must be canonical, so it writes back byte for byte, and
// the streamed form (size, then data) must agree with the plain form.
#include "fuzz_files.h"
#include "model/plasma_region.h"
#include "model/preview_outline.h"
#include "platform/vyx_error.h"

#include <QBuffer>
#include <QRect>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

std::optional<Region> ReadPlain(const QByteArray& bytes)
{
    try {
        return Region::FromData(bytes);
    } catch (const VyxError&) {
        return std::nullopt;
    }
}

std::optional<Region> ReadStreamed(const QByteArray& bytes)
{
    QByteArray streamed(4, '\0');
    qToLittleEndian<int32_t>(int32_t(bytes.size()), streamed.data());
    streamed += bytes;
    QBuffer buffer(&streamed);
    buffer.open(QIODevice::ReadOnly);
    TPlasmaRegion region;
    try {
        region.ReadData(buffer);
    } catch (const VyxError&) {
        if (region.HasRegion())
            FuzzFiles::Fail("a refused stream left a region", bytes, QByteArray());
        return std::nullopt;
    }
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    region.WriteData(out);
    if (written != streamed)
        FuzzFiles::Fail("the streamed form did not write back", streamed, written);
    return region.Current();
}

void CheckRegion(const Region& region, const QByteArray& bytes)
{
    if (region.Data() != bytes)
        FuzzFiles::Fail("accepted data did not write back", bytes, region.Data());
    const RegionRect first = region.Rects().front();
    if (!region.Contains(first.Left, first.Top) || region.Contains(first.Right, first.Top))
        FuzzFiles::Fail("the first rectangle's corners are misread", bytes, QByteArray());
    if (region.United(region) != region)
        FuzzFiles::Fail("a region united with itself changed", bytes, region.United(region).Data());
    // What the preview does with a mask file beside the project.
    (void)(ToQRegion(region) & QRect(0, 0, 640, 480));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Region> plain = ReadPlain(bytes);
    const std::optional<Region> streamed = ReadStreamed(bytes);
    // An empty block streams as "no region"; otherwise both forms agree.
    if (!bytes.isEmpty() && plain.has_value() != streamed.has_value())
        FuzzFiles::Fail("the plain and the streamed form disagree", bytes, QByteArray());
    if (plain)
        CheckRegion(*plain, bytes);
    if (plain && streamed && !(*plain == *streamed))
        FuzzFiles::Fail("the plain and the streamed region differ", plain->Data(), streamed->Data());
    return 0;
}
