// The mask region build against its two yardsticks: the same region built by
// one QRegion::united per run (the literal algorithm on Qt's region), and one
// pass that only reads every pixel and tests it with ColorsClose. All of it is
// computation, so the pairs are timed in thread CPU time.
#include "bench_project.h"

#include "model/mask_builder.h"

#include <QRandomGenerator>
#include <QRegion>

#include <cmath>

namespace {

constexpr uint32_t WhiteColor = 0xFFFFFF;
constexpr int Tolerance = 10;

// Two-colour random noise: the most runs a picture can have.
QImage TwoColourNoise(int width, int height)
{
    QRandomGenerator random(42);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = random.bounded(2) ? 0xFFFFFFFF : 0xFF000000;
    }
    return picture;
}

// A smooth plasma whose light parts (near white) are transparent.
QImage Plasma(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double v = std::sin(x / 37.0) + std::sin(y / 23.0) + std::sin((x + y) / 51.0)
                             + std::sin(std::hypot(x - width / 2.0, y - height / 2.0) / 29.0);
            const int level = std::clamp(int(128 + 40 * v), 0, 255);
            row[x] = qRgb(level, std::min(255, level + 20), std::max(0, level - 10));
        }
    }
    return picture;
}

QRegion QRegionPerRun(const QImage& picture)
{
    QRegion region;
    std::vector<RegionSpan> runs;
    for (int y = 0; y < picture.height(); ++y) {
        MaskBuilder::ScanRow(picture, y, WhiteColor, Tolerance, runs);
        for (const RegionSpan& run : runs)
            region = region.united(QRect(run.Left, y, run.Right - run.Left, 1));
    }
    return region;
}

int TransparentPixels(const QImage& picture, uint32_t maskColor)
{
    int transparent = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            transparent += ColorsClose(PixelColor(row[x]), maskColor, Tolerance) ? 1 : 0;
    }
    return transparent;
}

void BuildAgainstScan(benchmark::State& state, const QImage& picture, uint32_t maskColor)
{
    size_t rects = 0;
    BenchProject::RunAgainstFloor<BenchProject::ThreadCpuClock>(
        state, "build",
        [&] {
            const Region region = MaskBuilder::Build(picture, maskColor, Tolerance, [](int y) {
                benchmark::DoNotOptimize(y);
            });
            rects = region.Rects().size();
        },
        "scan", [&] { benchmark::DoNotOptimize(TransparentPixels(picture, maskColor)); });
    state.counters["rects"] = double(rects);
}

void BM_NoiseBuildAgainstQRegionPerRun(benchmark::State& state)
{
    const QImage picture = TwoColourNoise(512, 384);
    BenchProject::RunAgainstFloor<BenchProject::ThreadCpuClock>(
        state, "qregion", [&] { benchmark::DoNotOptimize(QRegionPerRun(picture).rectCount()); }, "build",
        [&] { benchmark::DoNotOptimize(MaskBuilder::Build(picture, WhiteColor, Tolerance).Rects().size()); });
}
BENCHMARK(BM_NoiseBuildAgainstQRegionPerRun)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_NoiseBuildAgainstScan(benchmark::State& state)
{
    static const QImage picture = TwoColourNoise(BenchProject::SizeX, BenchProject::SizeY);
    BuildAgainstScan(state, picture, WhiteColor);
}
BENCHMARK(BM_NoiseBuildAgainstScan)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PlasmaBuildAgainstScan(benchmark::State& state)
{
    static const QImage picture = Plasma(BenchProject::SizeX, BenchProject::SizeY);
    // The plasma's brightest colour: a mask colour that leaves islands and holes.
    BuildAgainstScan(state, picture, PixelColor(qRgb(200, 220, 190)));
}
BENCHMARK(BM_PlasmaBuildAgainstScan)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return BenchProject::RunAll(argc, argv); }
