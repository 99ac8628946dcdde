// Saving a 101-button project against the floor of replacing a file of the
// same bytes durably (write a new file, fsync, rename it over the old one).
#include "bench_project.h"

#include "model/logging_project_view.h"
#include "model/project_saver.h"
#include "platform/file_operations.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>

namespace {

// The floor: write a new file, flush it to disk, rename it over the old one and flush the folder.
bool DurableReplace(const QString& tmpName, const QString& name, const QByteArray& bytes)
{
    FileOperations plain;
    return plain.WriteDurably(tmpName, bytes) && plain.ReplaceAtomically(tmpName, name) &&
           plain.SyncFolder(QFileInfo(name).absolutePath());
}

struct SaveFixture {
    QTemporaryDir folder{BenchProject::ScratchTemplate("save-bench")};
    MenuProject project;
    LoggingProjectView view;

    SaveFixture() { BenchProject::Fill(project); }
};

void BM_SaveAgainstDurableReplace(benchmark::State& state)
{
    SaveFixture fixture;
    const QString iniName = fixture.folder.filePath("launcher.ini");
    QString name = iniName;
    SaveProject(fixture.project, name, fixture.view);
    QFile saved(iniName);
    const QByteArray bytes = saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    const QString floorName = fixture.folder.filePath("floor.ini");
    const QString floorTmpName = fixture.folder.filePath("floor.tmp");

    const auto save = [&] {
        name = iniName;
        if (SaveProject(fixture.project, name, fixture.view) != SaveResult::Saved)
            state.SkipWithError("the save did not complete");
    };
    const auto replace = [&] {
        if (!DurableReplace(floorTmpName, floorName, bytes))
            state.SkipWithError("the durable replace failed");
    };
    BenchProject::RunAgainstFloor(state, "save", save, "replace", replace);
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_SaveAgainstDurableReplace)->Unit(benchmark::kMillisecond)->UseManualTime();

// File operations that touch no disk: what saving costs before any byte is written.
class NoDisk : public FileOperations {
public:
    bool Exists(const QString&) override { return true; }
    bool Remove(const QString&) override { return true; }
    bool LinkOrCopy(const QString&, const QString&) override { return true; }
    bool ReplaceAtomically(const QString&, const QString&) override { return true; }
    int CreateNew(const QString&) override { return ::open("/dev/null", O_WRONLY | O_CLOEXEC); }
    bool WriteAll(int, const QByteArray& bytes) override
    {
        benchmark::DoNotOptimize(bytes.constData());
        return true;
    }
    bool Sync(int) override { return true; }
    bool SyncFolder(const QString&) override { return true; }
};

// Not part of a ratio: shows how much of a save is building the file's text.
void BM_SaveProjectNoDisk(benchmark::State& state)
{
    SaveFixture fixture;
    NoDisk noDisk;
    FileOperations::SetCurrent(&noDisk);
    const QString iniName = fixture.folder.filePath("launcher.ini");
    for (auto _ : state) {
        QString name = iniName;
        SaveProject(fixture.project, name, fixture.view);
    }
    FileOperations::SetCurrent(nullptr);
}
BENCHMARK(BM_SaveProjectNoDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return BenchProject::RunAll(argc, argv); }
