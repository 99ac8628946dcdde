// The profile-file reader and writer: whatever the file holds, saving it, loading
// what was saved and saving again gives the same bytes, and the values written
// read back.
#include "fuzz_files.h"
#include "platform/profile_file.h"

#include <cstddef>
#include <cstdint>

namespace {

struct Entry {
    const char* section;
    const char* key;
    const char* value;
};

// What saving a project does to any file: a key changed in place, one added to a
// section that may exist, and a section that is new.
constexpr Entry Written[] = {
    {"MAIN", "Program", "fuzzed title"},
    {"Button#0", "Left", "12"},
    {"Fuzz Section", "Added", "x=y"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ProfileFile loaded;
    loaded.Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const Entry& entry : Written)
        loaded.WriteString(entry.section, entry.key, entry.value);
    const QByteArray saved = loaded.ToBytes();

    ProfileFile reloaded;
    reloaded.Parse(saved);
    for (const Entry& entry : Written) {
        if (reloaded.ReadString(entry.section, entry.key) != QByteArray(entry.value))
            FuzzFiles::Fail("a written value does not read back", saved, reloaded.ReadString(entry.section, entry.key).value_or("(absent)"));
    }
    const QByteArray savedAgain = reloaded.ToBytes();
    if (savedAgain != saved)
        FuzzFiles::Fail("saving what was loaded changed the file", saved, savedAgain);
    return 0;
}
