// The full redraw against a plain copy of the same area, and pointer movement
// over the menu against the same number of full redraws.
#include "bench_project.h"

#include "model/design_canvas.h"
#include "model/mouse_editing.h"

#include <QImage>
#include <QRandomGenerator>

#include <cstring>
#include <vector>

namespace {

constexpr int MoveCount = 10'000;

QImage Noise(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(BenchProject::SizeX, BenchProject::SizeY, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = 0xFF000000u | random.bounded(0x1000000u);
    }
    return image;
}

// A menu of 101 buttons with its three pictures and a drawn canvas.
struct CanvasFixture {
    MenuProject project;
    DesignCanvas canvas;

    CanvasFixture()
    {
        BenchProject::FillButtons(project);
        project.Main.Company = "Vyx";
        project.Main.Title = "Benchmark Menu";
        project.Main.SizeX = BenchProject::SizeX;
        project.Main.SizeY = BenchProject::SizeY;
        project.NormalPicture = Noise(1);
        project.OverPicture = Noise(2);
        project.ClickPicture = Noise(3);
        canvas.EnsureCreated(BenchProject::SizeX, BenchProject::SizeY);
        canvas.RedrawCanvas(project);
    }
};

// The windows around the canvas, doing nothing: only mouse editing is measured.
class IdleHost : public MouseEditingHost {
public:
    bool ClickEditChecked() const override { return true; }
    void ShowButtonEditor() override {}
    void ShowInButtonEditor() override {}
    void ShowTextFile(const QString&) override {}
    void SetCaption(const QString& caption) override { benchmark::DoNotOptimize(caption.size()); }
    void RedrawCanvas() override {}
    void RefreshButtonListIfShown() override {}
};

// Sweeps along every grid row through the button centres and back between the
// rows, so that each of the 101 buttons is entered and left once per pass.
std::vector<QPoint> PointerPath()
{
    constexpr int rows = 10;
    constexpr int perRow = MoveCount / rows;
    std::vector<QPoint> path;
    for (int row = 0; row < rows; ++row) {
        const int y = 20 + row * 70 + BenchProject::ButtonHeight / 2;
        for (int i = 0; i < perRow; ++i) {
            const int x = i * (BenchProject::SizeX - 1) / (perRow - 1);
            path.emplace_back(row % 2 ? BenchProject::SizeX - 1 - x : x, y);
        }
    }
    return path;
}

// Redraw and plain copy share one fixture: the copy then moves the same bytes
// between the same two buffers, so the ratio shows only what the redraw adds.
CanvasFixture& SharedFixture()
{
    static CanvasFixture fixture;
    return fixture;
}

void BM_RedrawCanvas(benchmark::State& state)
{
    CanvasFixture& fixture = SharedFixture();
    for (auto _ : state) {
        fixture.canvas.RedrawCanvas(fixture.project);
        benchmark::DoNotOptimize(fixture.canvas.Image().constBits());
    }
}
BENCHMARK(BM_RedrawCanvas)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_PlainCopy(benchmark::State& state)
{
    CanvasFixture& fixture = SharedFixture();
    const QImage& source = fixture.project.NormalPicture;
    QImage& target = fixture.canvas.Image();
    const size_t bytes = size_t(BenchProject::SizeX) * 4;
    for (auto _ : state) {
        uchar* to = target.bits();
        const uchar* from = source.constBits();
        for (int y = 0; y < BenchProject::SizeY; ++y)
            std::memcpy(to + y * target.bytesPerLine(), from + y * source.bytesPerLine(), bytes);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_PointerMoves(benchmark::State& state)
{
    CanvasFixture fixture;
    IdleHost host;
    MouseEditing editing(fixture.project, fixture.canvas, host);
    const std::vector<QPoint> path = PointerPath();
    int entered = 0;
    for (auto _ : state) {
        for (const QPoint& at : path) {
            const bool wasOver = editing.OverButton();
            editing.Move(at, ShiftState{});
            entered += !wasOver && editing.OverButton() ? 1 : 0;
        }
    }
    if (entered < MenuProject::SlotCount * int(state.iterations()))
        state.SkipWithError("the path does not enter every button");
    state.counters["enters_per_pass"] = double(entered) / double(state.iterations());
}
BENCHMARK(BM_PointerMoves)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return BenchProject::RunAll(argc, argv); }
