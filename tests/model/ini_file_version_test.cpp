// Whether the INI file on disk is still what a load read or a save wrote.
#include "model/ini_file_version.h"

#include "support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct OutsideChangeCase {
    const char* name;
    std::function<void(const TempFolder&)> change;
    bool seen;
};

void PrintTo(const OutsideChangeCase& c, std::ostream* os) { *os << c.name; }

class IniFileVersionTest : public ::testing::TestWithParam<OutsideChangeCase> {};

// The file's time put back to the nanosecond after a change, as a coarse file
// system or a writer that keeps times leaves it.
void KeepTime(const TempFolder& dir, const std::function<void()>& change)
{
    const QByteArray name = QFile::encodeName(dir.File("launcher.ini"));
    struct stat before {};
    ASSERT_EQ(::stat(name.constData(), &before), 0);
    change();
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);
}

TEST_P(IniFileVersionTest, SeesAChangeMadeByAnotherProgram)
{
    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Mine\r\n");
    const IniFileVersion read = IniFileVersion::OnDisk(dir.File("launcher.ini"));
    GetParam().change(dir);
    EXPECT_EQ(read.ChangedOnDisk(dir.File("launcher.ini")), GetParam().seen);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, IniFileVersionTest,
    ::testing::Values(
        OutsideChangeCase{"nothing", [](const TempFolder&) {}, false},
        OutsideChangeCase{"the same bytes written again at the same time",
                          [](const TempFolder& d) { KeepTime(d, [&] { d.Write("launcher.ini", "[MAIN]\r\nProgram=Mine\r\n"); }); },
                          false},
        OutsideChangeCase{"other bytes of the same size at the same time",
                          [](const TempFolder& d) { KeepTime(d, [&] { d.Write("launcher.ini", "[MAIN]\r\nProgram=Your\r\n"); }); },
                          true},
        OutsideChangeCase{"a longer file",
                          [](const TempFolder& d) { d.Write("launcher.ini", "[MAIN]\r\nProgram=Yours\r\n"); }, true},
        OutsideChangeCase{"the file removed",
                          [](const TempFolder& d) { QFile::remove(d.File("launcher.ini")); }, true}),
    [](const ::testing::TestParamInfo<OutsideChangeCase>& info) { return "Case" + std::to_string(info.index); });

TEST(IniFileVersion, AnotherNameOrNothingRecordedIsNeverSeenAsChanged)
{
    TempFolder dir;
    dir.Write("a.ini", "[MAIN]\r\n");
    const IniFileVersion a = IniFileVersion::OnDisk(dir.File("a.ini"));
    dir.Write("a.ini", "[MAIN]\r\nProgram=Changed\r\n");
    EXPECT_FALSE(a.ChangedOnDisk(dir.File("b.ini")));
    EXPECT_FALSE(IniFileVersion().ChangedOnDisk(dir.File("a.ini")));
}

} // namespace
