// Exporting a 101-button project as a web page (three 1024 x 768 pictures, two
// of them BMP, and 101 RTF help files) against the floor of copying the same
// files into a fresh folder. Each export replaces the one before, as a user's
// next export does, so the unchanged pictures keep their PNGs; the first-export
// variant empties the folder first (as the floor does), so every picture is
// decoded and encoded.
#include "bench_project.h"

#include "model/web_page_export.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <filesystem>

namespace {

QImage MenuPicture(QRgb tint)
{
    QImage picture(BenchProject::SizeX, BenchProject::SizeY, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgb((x / 4 + qRed(tint)) & 0xFF, (y / 3 + qGreen(tint)) & 0xFF, ((x ^ y) & 0x3F) + qBlue(tint) / 2);
    }
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    for (int slot = 0; slot < MenuProject::SlotCount; ++slot)
        painter.drawRect(20 + (slot % 11) * 90, 20 + (slot / 11) * 70, BenchProject::ButtonWidth, BenchProject::ButtonHeight);
    return picture;
}

QByteArray HelpRtf(int slot)
{
    const QByteArray n = QByteArray::number(slot);
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
           "{\\colortbl ;\\red255\\green204\\blue64;\\red128\\green208\\blue255;}\\f0\\fs18 "
           "{\\fs24\\cf1\\b Component " + n + "}\\par\\par\\qj Installs component " + n +
           " of the product from the disc. It needs \\b 20 MB\\b0  of free space and takes "
           "\\i about a minute\\i0 . Read {\\field{\\*\\fldinst HYPERLINK \"http://www.example.com/c" + n +
           "\"}{\\fldrslt\\ul the notes}} first.\\par\\pard\\f1\\cf2 setup\\\\component" + n + "\\\\setup.exe\\par}";
}

struct WebPageFixture {
    QTemporaryDir folder{BenchProject::ScratchTemplate("web-page-bench")};
    MenuProject project;
    QString ini;
    QStringList sources; // the files the page needs, for the floor

    WebPageFixture()
    {
        BenchProject::Fill(project);
        const QDir dir(folder.path());
        for (const char* sub : {"help", "sounds"})
            dir.mkpath(QLatin1String(sub));
        Keep(dir.filePath("background.jpg"), [](const QString& p) { return MenuPicture(qRgb(10, 20, 90)).save(p, "JPG", 90); });
        Keep(dir.filePath("over.bmp"), [](const QString& p) { return MenuPicture(qRgb(60, 80, 160)).save(p, "BMP"); });
        Keep(dir.filePath("click.bmp"), [](const QString& p) { return MenuPicture(qRgb(120, 40, 40)).save(p, "BMP"); });
        project.Main.BackgroundFile = "background.jpg";
        project.Main.BackOverFile = "over.bmp";
        project.Main.BackClickFile = "click.bmp";
        for (const char* sound : {"sounds/over.wav", "sounds/click.wav"})
            Keep(dir.filePath(QLatin1String(sound)), [](const QString& p) { return Write(p, QByteArray(20000, 'w')); });
        for (int slot = 0; slot < MenuProject::SlotCount; ++slot) {
            const QString help = QStringLiteral("help/help%1.rtf").arg(slot);
            Keep(dir.filePath(help), [slot](const QString& p) { return Write(p, HelpRtf(slot)); });
            project.Buttons[slot].LoadInfo = "help\\help" + QByteArray::number(slot) + ".rtf";
            // The programs the buttons link to are on the disc, not copied.
            const QString program = dir.filePath(QStringLiteral("setup/component%1/setup.exe").arg(slot));
            dir.mkpath(QFileInfo(program).path());
            Write(program, "MZ");
        }
        project.TextInfo.DefaultFile = "help\\help0.rtf";
        ini = dir.filePath("launcher.ini");
        Write(ini, "[MAIN]\r\n");
    }

    static bool Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    template <typename Make>
    void Keep(const QString& path, Make make)
    {
        if (!make(path))
            qFatal("cannot write %s", qPrintable(path));
        sources << path;
    }
};

void RunWebPageAgainstCopy(benchmark::State& state, bool firstExport)
{
    WebPageFixture fixture;
    const QString out = fixture.folder.filePath("web");
    const QString copy = fixture.folder.filePath("copy");
    const auto exportPage = [&] {
        if (firstExport)
            QDir(out).removeRecursively();
        const CheckFindings problems = WebPageExport::Write(fixture.project, fixture.ini, out);
        if (!problems.isEmpty())
            state.SkipWithError(problems.first().Line().toStdString().c_str());
    };
    // The floor also replaces its older copy whole; the kernel copies each file
    // (std::filesystem), with none of the temporary names QFile::copy goes through.
    const auto copyFiles = [&] {
        std::error_code error;
        std::filesystem::remove_all(copy.toStdString(), error);
        std::filesystem::create_directory(copy.toStdString(), error);
        int n = 0;
        for (const QString& source : fixture.sources) {
            const QString target = QStringLiteral("%1/%2-%3").arg(copy).arg(n++).arg(QFileInfo(source).fileName());
            if (!std::filesystem::copy_file(source.toStdString(), target.toStdString(), error))
                state.SkipWithError("the copy failed");
        }
    };
    BenchProject::RunAgainstFloor(state, "export", exportPage, "copy", copyFiles);
}

void BM_WebPageAgainstCopy(benchmark::State& state) { RunWebPageAgainstCopy(state, false); }
void BM_FirstWebPageAgainstCopy(benchmark::State& state) { RunWebPageAgainstCopy(state, true); }
BENCHMARK(BM_WebPageAgainstCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_FirstWebPageAgainstCopy)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char** argv) { return BenchProject::RunAll(argc, argv); }
