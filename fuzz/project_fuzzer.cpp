// The whole project load, an INI file with small pictures beside it: a project
// that loads saves, loads again, and saves again to the very same bytes.
#include "fuzz_files.h"
#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "model/project_saver.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// Loading makes the project's folder the current one, as the editor does. Each
// input starts in the fuzzer's own folder, so relative corpus names still read
// and an input runs the same whatever ran before it.
class KeepCurrentFolder {
public:
    KeepCurrentFolder() : m_folder(QDir::currentPath()) {}
    ~KeepCurrentFolder() { QDir::setCurrent(m_folder); }
    KeepCurrentFolder(const KeepCurrentFolder&) = delete;
    KeepCurrentFolder& operator=(const KeepCurrentFolder&) = delete;

private:
    QString m_folder;
};

// Loads and saves; the saved bytes, or a failure with what went wrong.
QByteArray LoadAndSave(const QString& ini, bool mustLoad, bool& loaded)
{
    auto project = std::make_unique<MenuProject>();
    LoggingProjectView view;
    try {
        LoadProject(*project, ini, view);
    } catch (const VyxError& e) {
        if (mustLoad)
            FuzzFiles::Fail("a saved project does not load again", e.Message().toUtf8(), FuzzFiles::Read(ini));
        loaded = false;
        return {};
    }
    loaded = true;
    QString name = ini;
    try {
        if (SaveProject(*project, name, view) != SaveResult::Saved)
            FuzzFiles::Fail("saving failed", name.toUtf8(), {});
    } catch (const VyxError& e) {
        FuzzFiles::Fail("saving failed", e.Message().toUtf8(), {});
    }
    return FuzzFiles::Read(name);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The pictures the seed projects name, beside every fuzzed INI file.
    const QDir pictures(QStringLiteral(VYX_FUZZ_PICTURES));
    for (const QString& name : pictures.entryList(QDir::Files))
        FuzzFiles::Write(name, FuzzFiles::Read(pictures.filePath(name)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const KeepCurrentFolder keep;
    const QString ini = FuzzFiles::Write(QStringLiteral("launcher.ini"), data, size);
    bool loaded = false;
    const QByteArray saved = LoadAndSave(ini, false, loaded);
    if (!loaded)
        return 0;
    const QByteArray savedAgain = LoadAndSave(ini, true, loaded);
    if (savedAgain != saved)
        FuzzFiles::Fail("saving the reloaded project changed the file", saved, savedAgain);
    return 0;
}
