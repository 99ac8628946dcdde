#include "model/autorun_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AutorunText, NoOptionsGiveThePlainLauncherAndItsOwnIcon)
{
    AutorunOptions options;
    options.IconFile = DefaultIconFile(options.LauncherFolder);
    EXPECT_EQ(LauncherParameters(options), QString());
    EXPECT_EQ(LauncherCommandLine(options), QStringLiteral("launcher\\launcher.exe"));
    EXPECT_EQ(AutorunLines(options), (QStringList{"[autorun]", "open=launcher\\launcher.exe",
                                                  "icon=launcher\\launcher.exe,0"}));
    EXPECT_EQ(AutorunFileBytes(AutorunLines(options)),
              QByteArray("[autorun]\r\nopen=launcher\\launcher.exe\r\nicon=launcher\\launcher.exe,0\r\n"));
}

TEST(AutorunText, ParametersComeInTheirFixedOrder)
{
    AutorunOptions options;
    options.HideSplash = true;
    options.RightColor = ColorText(0x00FF0000); // pure blue
    options.Delay = true;
    options.DelayMs = 400;
    EXPECT_EQ(LauncherCommandLine(options), QStringLiteral("launcher\\launcher.exe -X -R0000FF -P400"));

    options.HideBar = true;
    options.LeftColor = QStringLiteral("FFFF00");
    options.TextColor = QStringLiteral("000000");
    options.CustomSplash = true;
    options.SplashFile = QStringLiteral("intro.bmp");
    EXPECT_EQ(LauncherParameters(options), QStringLiteral(" -X -N -LFFFF00 -R0000FF -T000000 -Sintro.bmp -P400"));

    // An unticked splash does not pass its file; a cleared colour drops its letter.
    options.CustomSplash = false;
    options.LeftColor.clear();
    EXPECT_EQ(LauncherParameters(options), QStringLiteral(" -X -N -R0000FF -T000000 -P400"));
}

TEST(AutorunText, DelayBelowOneGivesTheLetterAlone)
{
    AutorunOptions options;
    options.Delay = true;
    options.DelayMs = 0;
    EXPECT_EQ(LauncherParameters(options), QStringLiteral(" -P"));
    options.DelayMs = -5;
    EXPECT_EQ(LauncherParameters(options), QStringLiteral(" -P"));
    options.DelayMs = 1;
    EXPECT_EQ(LauncherParameters(options), QStringLiteral(" -P1"));
}

TEST(AutorunText, IconLineTakesFileAndIndex)
{
    AutorunOptions options;
    options.LauncherFolder = QStringLiteral("bin\\vyx\\");
    options.IconFile = QStringLiteral("launcher\\menu.ico");
    options.IconIndex = -3;
    EXPECT_EQ(AutorunLines(options).at(1), QStringLiteral("open=bin\\vyx\\launcher.exe"));
    EXPECT_EQ(AutorunLines(options).at(2), QStringLiteral("icon=launcher\\menu.ico,-3"));
    EXPECT_EQ(DefaultIconFile(options.LauncherFolder), QStringLiteral("bin\\vyx\\launcher.exe"));
}

TEST(AutorunText, FileBytesAreInTheCodePageWithCrLfAfterEveryLine)
{
    EXPECT_EQ(AutorunFileBytes({QStringLiteral("open=m\u00e9nu\\launcher.exe")}),
              QByteArray("open=m\xe9nu\\launcher.exe\r\n"));
    EXPECT_EQ(AutorunFileBytes({}), QByteArray());
}

TEST(AutorunText, TheLauncherFolderEndsWithOneBackslash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"player two", "player two\\"}, {"player\\", "player\\"}, {"a\\\\", "a\\"}, {"bin/vyx/", "bin\\vyx\\"}, {"", ""}};
    for (const auto& [typed, folder] : cases)
        EXPECT_EQ(LauncherFolderName(typed), QString::fromLatin1(folder)) << typed;
}

TEST(AutorunText, ColorTextIsRedGreenBlue)
{
    EXPECT_EQ(ColorText(0x000000FF), QStringLiteral("FF0000"));
    EXPECT_EQ(ColorText(0x00FF0000), QStringLiteral("0000FF"));
    EXPECT_EQ(ColorText(0x0000FFFF), QStringLiteral("FFFF00"));
    EXPECT_EQ(ColorText(0x00123456), QStringLiteral("563412"));
    // Only the low 24 bits count.
    EXPECT_EQ(ColorText(0x80abcdef), QStringLiteral("EFCDAB"));
    // And back.
    EXPECT_EQ(ColorOfText(QStringLiteral("563412")), 0x00123456u);
    EXPECT_EQ(ColorOfText(QStringLiteral("efcdab")), 0x00abcdefu);
    for (const char* text : {"", "12345", "1234567", "0x1234", "+12345", " 12345", "GGGGGG"})
        EXPECT_EQ(ColorOfText(QString::fromLatin1(text)), std::nullopt) << text;
}

} // namespace
