// What the undo history costs: the memory of 100 steps of a full project (101
// buttons with every text filled, 100 shape points, three 1024 x 768 pictures),
// printed before the timings, and the time of one recorded step.
#include "bench_project.h"
#include "model/project_history.h"

#include <malloc.h>
#include <cstdio>

namespace {

MenuProject FullProject()
{
    MenuProject project;
    BenchProject::Fill(project);
    for (QImage* picture : {&project.NormalPicture, &project.OverPicture, &project.ClickPicture}) {
        *picture = QImage(BenchProject::SizeX, BenchProject::SizeY, QImage::Format_RGB32);
        picture->fill(0xFF336699);
    }
    return project;
}

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// One step as an edit makes it: a button moved and renamed (one text of its own).
void Edit(MenuProject& project, int step)
{
    MenuButton& b = project.Buttons[size_t(step % MenuProject::SlotCount)];
    b.Left += 1;
    b.Name = "Renamed button " + QByteArray::number(step);
}

void PrintStepCost()
{
    MenuProject project = FullProject();
    ProjectHistory history;
    history.Start(project);
    const size_t before = HeapInUse();
    for (int step = 0; step < ProjectHistory::DefaultDepth; ++step) {
        Edit(project, step);
        history.Record(project);
    }
    const size_t after = HeapInUse();
    const double total = double(after - before);
    std::printf("ProjectState: %zu bytes of records; pictures and unchanged texts shared\n", sizeof(ProjectState));
    std::printf("100 steps of a full project: %.0f bytes (%.2f MiB), %.1f KiB a step\n", total, total / (1 << 20),
                total / ProjectHistory::DefaultDepth / 1024);
    std::printf("(the three 1024 x 768 pictures alone: %.2f MiB, held once)\n",
                3.0 * BenchProject::SizeX * BenchProject::SizeY * 4 / (1 << 20));
    std::fflush(stdout);
}

// One gesture's end: the comparison with the last state and the copy into a step.
void BM_RecordStep(benchmark::State& state)
{
    MenuProject project = FullProject();
    ProjectHistory history;
    history.Start(project);
    int step = 0;
    for (auto _ : state) {
        Edit(project, step++);
        benchmark::DoNotOptimize(history.Record(project));
    }
}
BENCHMARK(BM_RecordStep)->Unit(benchmark::kMicrosecond);

// A gesture's end that changed nothing (a click that moved nothing).
void BM_CompareUnchanged(benchmark::State& state)
{
    MenuProject project = FullProject();
    ProjectHistory history;
    history.Start(project);
    for (auto _ : state)
        benchmark::DoNotOptimize(history.Differs(project));
}
BENCHMARK(BM_CompareUnchanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    PrintStepCost();
    return BenchProject::RunAll(argc, argv);
}
