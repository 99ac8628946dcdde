// The full redraw against a plain copy of the same area, and pointer movement
// over the menu against the same number of full redraws.
#include "bench_project.h"

#include "model/design_canvas.h"
#include "model/mouse_editing.h"
#include "model/zoomed_canvas.h"

#include <QImage>
#include <QPainter>
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

// The same, snapping as the editor does at 100 %.
class SnappingHost : public IdleHost {
public:
    SnapSettings Snapping() const override { return {true, 4, 0}; }
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

// A drag of one button across the menu with snapping on, 10,000 pointer moves.
void BM_DragWithSnapping(benchmark::State& state)
{
    CanvasFixture fixture;
    SnappingHost host;
    MouseEditing editing(fixture.project, fixture.canvas, host);
    const QPoint start(20 + BenchProject::ButtonWidth / 2, 20 + BenchProject::ButtonHeight / 2);
    ShiftState left;
    left.Left = true;
    int snapped = 0;
    for (auto _ : state) {
        editing.Move(start, ShiftState{});
        editing.Press(start);
        for (int i = 0; i < MoveCount; ++i) {
            const int step = i % 2000;
            editing.Move(start + QPoint(step / 4, step / 8), left);
            snapped += editing.Guides().empty() ? 0 : 1;
        }
        editing.CancelGesture();
    }
    if (snapped == 0)
        state.SkipWithError("the drag never snapped");
    state.counters["snapped_moves"] = double(snapped) / double(state.iterations());
}
BENCHMARK(BM_DragWithSnapping)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A 1280 x 800 view of the menu at 400 %: the zoomed canvas with its frames, and
// the floor, the same area scaled by nearest pixels and nothing else.
struct ZoomedView {
    static constexpr QRect Exposed{400 * 4, 300 * 4, 1280, 800};
    CanvasFixture& fixture = SharedFixture();
    QImage target{Exposed.size(), QImage::Format_RGB32};
    CanvasZoom zoom;
    std::vector<QRect> frames;

    ZoomedView()
    {
        zoom.SetScale(4);
        for (const MenuButton& b : fixture.project.Buttons)
            if (b.Used)
                frames.push_back(ButtonRect(b));
    }
};

void BM_ZoomedRedraw(benchmark::State& state)
{
    ZoomedView view;
    for (auto _ : state) {
        QPainter painter(&view.target);
        painter.translate(-view.Exposed.topLeft());
        PaintZoomedCanvas(painter, view.fixture.project.NormalPicture, view.zoom, view.Exposed, view.frames);
        painter.end();
        benchmark::DoNotOptimize(view.target.constBits());
    }
}
BENCHMARK(BM_ZoomedRedraw)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ScaledCopy(benchmark::State& state)
{
    ZoomedView view;
    const QRect source(400, 300, 320, 200);
    for (auto _ : state) {
        QPainter painter(&view.target);
        painter.drawImage(QRectF(view.target.rect()), view.fixture.project.NormalPicture, QRectF(source));
        painter.end();
        benchmark::DoNotOptimize(view.target.constBits());
    }
}
BENCHMARK(BM_ScaledCopy)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return BenchProject::RunAll(argc, argv); }
