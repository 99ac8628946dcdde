#pragma once
// Helpers shared by the benchmark programs (header only: each program is one source).
#include "model/menu_project.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

namespace BenchProject {

constexpr int SizeX = 1024;
constexpr int SizeY = 768;
constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 30;

// 101 used buttons of 60 x 30 on an 11-column grid, with every text field filled
// the way a real menu fills them.
inline void FillButtons(MenuProject& project)
{
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
        MenuButton& b = project.Buttons[slot];
        const QByteArray n = QByteArray::number(slot);
        b.Used = true;
        b.Left = 20 + (slot % 11) * 90;
        b.Top = 20 + (slot / 11) * 70;
        b.Width = ButtonWidth;
        b.Height = ButtonHeight;
        b.Name = "Install component " + n;
        b.Action = "RUN";
        b.Params = "setup\\component" + n + "\\setup.exe";
        b.ShellRunAction = "Open";
        b.ShellRunParams = "/silent /dir=\"C:\\Program Files\\Demo " + n + "\"";
        b.ShellRunPath = "setup\\component" + n;
        b.SoundOver = "sounds\\over.wav";
        b.SoundClick = "sounds\\click.wav";
        b.UnAssExt = "notepad.exe";
        b.OnNotFound = "Please insert the disc again.";
    }
}

// A full project: main values, text area, 101 buttons and 100 shape points.
inline void Fill(MenuProject& project)
{
    MainParams& main = project.Main;
    main.Title = "Benchmark Menu";
    main.Company = "Vyx";
    main.SizeX = SizeX;
    main.SizeY = SizeY;
    main.SoundOver = "sounds\\over.wav";
    main.SoundClick = "sounds\\click.wav";
    main.IconFile = "menu.ico";
    main.DefUnAssExtProg = "notepad.exe";
    main.UseCustomShape = true;
    project.TextInfo = {700, 500, 200, 250, 0xFFFFFF, 0x000000, "help\\default.rtf"};
    FillButtons(project);
    for (int i = 0; i < CustomShape::Capacity; ++i) { // an ellipse round the menu
        const double angle = 2 * M_PI * i / CustomShape::Capacity;
        project.Shape.Points[i] = {int32_t(512 + 500 * std::cos(angle)), int32_t(384 + 370 * std::sin(angle)),
                                   ShapePointState::Used};
    }
    project.Shape.PointCount = CustomShape::Capacity;
}

// A scratch folder on a real disk: /tmp may be memory, where fsync costs nothing.
inline QString ScratchTemplate(const char* name)
{
    return QStringLiteral("/var/tmp/vyx-%1-XXXXXX").arg(QLatin1String(name));
}

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The calling thread's CPU time: for work that never waits, it stays steady on a
// machine busy with other programs, where the wall clock does not.
struct ThreadCpuClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<ThreadCpuClock>;
    static constexpr bool is_steady = true;
    static time_point now()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return time_point(duration(qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec));
    }
};

// Runs an operation and its floor alternately, one of each per iteration and each
// first in turn, and reports their median times ("<name>_ms") and the ratio of the
// medians: drift in the machine's speed (other programs, a shared disk whose fsync
// latency changes tenfold within seconds) then reaches both alike.
template <typename Clock = std::chrono::steady_clock, typename Operation, typename Floor>
void RunAgainstFloor(benchmark::State& state, const std::string& operationName, Operation operation,
                     const std::string& floorName, Floor floor)
{
    const auto timed = [](auto&& run) {
        const auto start = Clock::now();
        run();
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    std::vector<double> operations, floors;
    bool operationFirst = true;
    for (auto _ : state) {
        double o = 0, f = 0;
        if (operationFirst) {
            o = timed(operation);
            f = timed(floor);
        } else {
            f = timed(floor);
            o = timed(operation);
        }
        operationFirst = !operationFirst;
        operations.push_back(o);
        floors.push_back(f);
        state.SetIterationTime(o + f);
    }
    state.counters[operationName + "_ms"] = Median(operations) * 1e3;
    state.counters[floorName + "_ms"] = Median(floors) * 1e3;
    state.counters["ratio"] = Median(operations) / Median(floors);
}

// The benchmark programs need an application object for Qt's image plugins and text codecs.
inline int RunAll(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace BenchProject
