// Loading a full project with three 1024 x 768 JPEG backgrounds, against the
// floor of decoding the same three files straight through libjpeg-turbo.
#include "bench_project.h"

#include "model/logging_project_view.h"
#include "model/project_loader.h"
#include "model/project_saver.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <map>
#include <memory>
#include <vector>

namespace {

const char* const PictureNames[] = {"back.jpg", "over.jpg", "click.jpg"};

// Gradients with noise and a few flat panels: decodes like a photo-based menu.
QImage MenuPicture(quint32 seed, QSize size)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(33)) - 16;
            const bool panel = (x / 90) % 2 == 0 && (y / 70) % 3 == 1;
            const int r = panel ? 200 : x * 255 / (size.width() - 1);
            const int g = panel ? 180 : y * 255 / (size.height() - 1);
            const int b = (x + y + int(seed) * 40) % 256;
            row[x] = qRgb(qBound(0, r + noise, 255), qBound(0, g + noise, 255), qBound(0, b + noise, 255));
        }
    }
    return image;
}

// The scratch folder with launcher.ini and its three pictures of one size, made once.
struct LoadFixture {
    QTemporaryDir folder{BenchProject::ScratchTemplate("load-bench")};
    QString iniName;
    QSize size;
    bool ready = false;

    explicit LoadFixture(QSize pictureSize) : size(pictureSize)
    {
        for (int i = 0; i < 3; ++i)
            if (!MenuPicture(quint32(i + 1), size).save(folder.filePath(PictureNames[i]), "JPG"))
                return;
        MenuProject project;
        BenchProject::Fill(project);
        project.Main.BackgroundFile = PictureNames[0];
        project.Main.BackOverFile = PictureNames[1];
        project.Main.BackClickFile = PictureNames[2];
        iniName = folder.filePath("launcher.ini");
        LoggingProjectView view;
        SaveProject(project, iniName, view);
        ready = true;
    }
};

LoadFixture& Fixture(QSize size)
{
    static std::map<int, std::unique_ptr<LoadFixture>> fixtures;
    auto& fixture = fixtures[size.width()];
    if (!fixture)
        fixture = std::make_unique<LoadFixture>(size);
    return *fixture;
}

struct FloorError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void FloorErrorExit(j_common_ptr info) { std::longjmp(reinterpret_cast<FloorError*>(info->err)->jump, 1); }

std::vector<unsigned char> ReadFile(const QString& path)
{
    std::vector<unsigned char> data;
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return data;
    std::fseek(file, 0, SEEK_END);
    data.resize(size_t(std::ftell(file)));
    std::fseek(file, 0, SEEK_SET);
    data.resize(std::fread(data.data(), 1, data.size(), file));
    std::fclose(file);
    return data;
}

// The least any loader must do: read the file and decode it into a new 32-bit
// picture that outlives the call. `picture` belongs to the caller, so nothing the
// guarded part changes is a local that a longjmp could leave indeterminate.
bool DecodeFloor(const QString& path, std::unique_ptr<unsigned char[]>& picture)
{
    const std::vector<unsigned char> data = ReadFile(path);
    jpeg_decompress_struct info;
    FloorError error;
    info.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = FloorErrorExit;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * 4;
    // Allocated before the previous picture is released, as a loader replacing a picture does.
    picture.reset(new unsigned char[stride * info.output_height]);
    auto rows = static_cast<JSAMPARRAY>((*info.mem->alloc_small)(reinterpret_cast<j_common_ptr>(&info),
                                                                JPOOL_IMAGE, sizeof(JSAMPROW) * info.output_height));
    for (JDIMENSION y = 0; y < info.output_height; ++y)
        rows[y] = picture.get() + stride * y;
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, rows + info.output_scanline, info.output_height - info.output_scanline);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// The three pictures decode side by side in the loader: on two cores it takes
// at most 0.6 of decoding them one after another.
void BM_LoadAgainstDecode(benchmark::State& state)
{
    LoadFixture& fixture = Fixture(QSize(int(state.range(0)), int(state.range(1))));
    if (!fixture.ready) {
        state.SkipWithError("could not write the JPEG pictures");
        return;
    }
    const QString previous = QDir::currentPath(); // loading changes the current folder
    MenuProject project;
    std::unique_ptr<unsigned char[]> pictures[3]; // kept like the project's three pictures
    const auto load = [&] {
        LoggingProjectView view;
        LoadProject(project, fixture.iniName, view);
    };
    const auto decode = [&] {
        for (int i = 0; i < 3; ++i)
            if (!DecodeFloor(fixture.folder.filePath(PictureNames[i]), pictures[i]))
                state.SkipWithError("libjpeg could not decode a picture");
    };
    BenchProject::RunAgainstFloor(state, "load", load, "decode", decode);
    QDir::setCurrent(previous);
    if (project.UsedButtonCount() != MenuProject::SlotCount || project.Shape.PointCount != 100 ||
        project.ClickPicture.size() != fixture.size)
        state.SkipWithError("the project did not load whole");
}
BENCHMARK(BM_LoadAgainstDecode)
    ->Args({BenchProject::SizeX, BenchProject::SizeY})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv) { return BenchProject::RunAll(argc, argv); }
