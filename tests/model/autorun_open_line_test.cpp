// The open= and icon= lines as the wizard writes them, read back by the one
// reader the check, the disc image and the wizard's second visit rely on.
#include "model/autorun_disc.h"
#include "model/autorun_open_line.h"
#include "model/autorun_read_back.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

struct RoundTrip {
    const char* name;
    AutorunOptions options;
    const char* openLine;   // as written
    const char* program;    // as AutorunOpenTarget reads it
};

AutorunOptions With(void (*set)(AutorunOptions&))
{
    AutorunOptions options;
    set(options);
    options.IconFile = DefaultIconFile(options.LauncherFolder);
    return options;
}

const RoundTrip RoundTrips[] = {
    {"defaults", With([](AutorunOptions&) {}), "launcher\\launcher.exe", "launcher\\launcher.exe"},
    {"blanks", With([](AutorunOptions& o) {
         o.LauncherFolder = "my player\\";
         o.CustomSplash = true;
         o.SplashFile = "my splash.bmp";
     }),
     "\"my player\\launcher.exe\" -S\"my splash.bmp\"", "my player\\launcher.exe"},
    {"every option", With([](AutorunOptions& o) {
         o.LauncherFolder = "bin\\vyx\\";
         o.HideSplash = o.HideBar = o.CustomSplash = o.Delay = true;
         o.LeftColor = "FFFF00";
         o.RightColor = "0000FF";
         o.TextColor = "000000";
         o.SplashFile = "\\pics\\intro.jpg";
         o.DelayMs = 10000;
     }),
     "bin\\vyx\\launcher.exe -X -N -LFFFF00 -R0000FF -T000000 -S\\pics\\intro.jpg -P10000", "bin\\vyx\\launcher.exe"},
    {"delay alone", With([](AutorunOptions& o) { o.Delay = true; }), "launcher\\launcher.exe -P",
     "launcher\\launcher.exe"},
    {"the CD root itself", With([](AutorunOptions& o) { o.LauncherFolder.clear(); }), "launcher.exe", "launcher.exe"},
};

TEST(AutorunOpenLine, TheWizardsLinesReadBackAsTheyWereMade)
{
    for (const RoundTrip& trip : RoundTrips) {
        SCOPED_TRACE(trip.name);
        TempFolder cd;
        const QString root = WithTrailingSlash(cd.Path());
        WriteAutorunFile(root, AutorunLines(trip.options));
        EXPECT_EQ(LauncherCommandLine(trip.options), QString::fromLatin1(trip.openLine));
        EXPECT_EQ(AutorunOpenTarget(root), QString::fromLatin1(trip.program));
        const std::optional<AutorunReadBack> back = ReadBackAutorun(root, AutorunOptions());
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->Options, trip.options);
        EXPECT_FALSE(back->KeptOpen || back->KeptIcon);
    }
}

TEST(AutorunOpenLine, TypedQuotesAreDroppedAndBlanksQuotedOnce)
{
    AutorunOptions options;
    options.CustomSplash = true;
    options.SplashFile = "\"my splash.bmp\"";
    EXPECT_EQ(LauncherParameters(options), " -S\"my splash.bmp\"");
    const std::optional<AutorunOptions> back = ReadLauncherCommandLine(LauncherCommandLine(options));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->SplashFile, "my splash.bmp");
    EXPECT_EQ(CommandLineArguments("a\"b c\"d  \"\"\te"), (QStringList{"ab cd", "", "e"}));
}

TEST(AutorunOpenLine, LinesTheWizardDoesNotWriteAreNotReadAsItsOwn)
{
    for (const char* line : {"setup.exe /auto", "mylauncher.exe", "launcher\\launcher.exe -Q",
                             "launcher\\launcher.exe -Lred", "launcher\\launcher.exe -S", "launcher\\launcher.exe -P12x",
                             "launcher\\launcher.exe -P99999999999", "launcher//launcher.exe", ""})
        EXPECT_EQ(ReadLauncherCommandLine(line), std::nullopt) << line;
}

TEST(AutorunOpenLine, IconValuesWithAndWithoutIndex)
{
    AutorunOptions options;
    EXPECT_TRUE(ReadIconValue("my player\\menu.ico,-3", options));
    EXPECT_EQ(options.IconFile, "my player\\menu.ico");
    EXPECT_EQ(options.IconIndex, -3);
    EXPECT_TRUE(ReadIconValue("disc.ico", options));
    EXPECT_EQ(options.IconFile, "disc.ico");
    EXPECT_EQ(options.IconIndex, 0);
    for (const char* value : {"disc.ico,first", ",1", ""})
        EXPECT_FALSE(ReadIconValue(value, options)) << value;
}

TEST(AutorunOpenLine, AnUnreadableLineIsKeptUntilItsValuesChange)
{
    TempFolder cd;
    const QString root = WithTrailingSlash(cd.Path());
    EXPECT_FALSE(ReadBackAutorun(root, AutorunOptions()).has_value());
    cd.Write("autorun.inf", "[other]\r\nopen=no.exe\r\n[AutoRun]\r\nOPEN = \"my setup.exe\" /auto\r\nicon=a.ico,x\r\n");
    EXPECT_EQ(AutorunOpenTarget(root), "my setup.exe");
    AutorunOptions current;
    current.IconFile = "launcher\\launcher.exe";
    const std::optional<AutorunReadBack> back = ReadBackAutorun(root, current);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->Options, current);
    EXPECT_EQ(back->Lines(current), (QStringList{"[autorun]", "open=\"my setup.exe\" /auto", "icon=a.ico,x"}));
    AutorunOptions changed = current;
    changed.HideBar = true;
    EXPECT_EQ(back->Lines(changed), (QStringList{"[autorun]", "open=launcher\\launcher.exe -N", "icon=a.ico,x"}));
    changed.IconIndex = 1;
    EXPECT_EQ(back->Lines(changed).at(2), "icon=launcher\\launcher.exe,1");
}

} // namespace
