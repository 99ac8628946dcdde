// A hostile progressive JPEG: a 16384 x 1953 grey picture (the pixel limit's
// largest) followed by 20,000 copies of its last scan header, 325 KB in all.
// Each scan passes over the whole picture, so decoding every scan takes about a
// minute; the decoder must refuse it by its scan count within a second or two.
#include "platform/jpeg_test_writer.h"
#include "platform/jpeg_decoder.h"
#include "platform/vyx_error.h"

#include <benchmark/benchmark.h>

namespace {

const QByteArray& HostileFile()
{
    static const QByteArray file = [] {
        JpegTestWriter grey(JCS_GRAYSCALE, 1, {90, 160});
        grey.SetProgressive(true);
        return JpegTestWriter::WithRepeatedLastScan(grey.Encode(8192, 1953), 20000);
    }();
    return file;
}

void BM_HostileJpegRefused(benchmark::State& state)
{
    const QByteArray& file = HostileFile();
    for (auto _ : state) {
        try {
            JpegDecoder(file, QStringLiteral("hostile.jpg")).Decode();
            state.SkipWithError("the hostile file was decoded, not refused");
            return;
        } catch (const VyxError&) {
        }
    }
    state.counters["file_kb"] = double(file.size()) / 1024;
}
BENCHMARK(BM_HostileJpegRefused)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
