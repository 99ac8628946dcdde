#pragma once
// Helpers shared by the benchmark programs (header only: each program is one source).
#include "model/menu_project.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cmath>

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
