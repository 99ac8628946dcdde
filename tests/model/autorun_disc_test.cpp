#include "model/autorun_disc.h"
#include "platform/file_operations.h"
#include "support/failing_file_operations.h"
#include "platform/vyx_error.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A disc folder with the player's folder in another case than the wizard types.
struct Disc {
    TempFolder temp;
    QString root = WithTrailingSlash(temp.Path());
    Disc()
    {
        QDir(temp.Path()).mkpath(QStringLiteral("Launcher/Data"));
        temp.Write(QStringLiteral("Launcher/LAUNCHER.EXE"), "MZ");
        temp.Write(QStringLiteral("Launcher/splash.bmp"), "BM");
        temp.Write(QStringLiteral("other/intro.bmp"), QByteArray());
    }
};

TEST(AutorunDisc, TrailingSlashIsAddedOnce)
{
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/media/disc")), QStringLiteral("/media/disc/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/media/disc/")), QStringLiteral("/media/disc/"));
    EXPECT_EQ(WithTrailingSlash(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(WithTrailingSlash(QString()), QString());
}

TEST(AutorunDisc, DiscNamesResolveIgnoringCaseAndBackslashes)
{
    Disc disc;
    EXPECT_TRUE(DiscFolderExists(disc.root + "launcher\\"));
    EXPECT_TRUE(DiscFolderExists(disc.root + "LAUNCHER\\data\\"));
    EXPECT_FALSE(DiscFolderExists(disc.root + "missing\\"));
    EXPECT_FALSE(DiscFolderExists(disc.root + "launcher\\launcher.exe"));
    EXPECT_FALSE(DiscFolderExists(QString()));
    EXPECT_EQ(DiscLocalPath(disc.root + "launcher\\Launcher.exe"), disc.temp.File("Launcher/LAUNCHER.EXE"));
    EXPECT_EQ(PlayerFilesPresent(disc.root + "launcher\\"), (QList<bool>{true, false, true, false}));
    EXPECT_EQ(PlayerFilesPresent(QString()), (QList<bool>{false, false, false, false}));
}

TEST(AutorunDisc, CreatingTheLauncherFolderMakesOneRealLevel)
{
    Disc disc;
    EXPECT_TRUE(CreateDiscFolder(disc.root + "player\\"));
    EXPECT_TRUE(QFileInfo(disc.temp.File("player")).isDir());
    EXPECT_FALSE(QFileInfo::exists(disc.temp.File("player\\"))); // never a folder named with a backslash
    // Inside an existing folder of another case, and not two levels at once.
    EXPECT_TRUE(CreateDiscFolder(disc.root + "LAUNCHER\\new\\"));
    EXPECT_TRUE(QFileInfo(disc.temp.File("Launcher/new")).isDir());
    EXPECT_FALSE(CreateDiscFolder(disc.root + "a\\b\\"));
    EXPECT_FALSE(CreateDiscFolder(QString()));
}

TEST(AutorunDisc, PickedFilesBecomeDiscNames)
{
    Disc disc;
    const QString launcher = disc.root + "launcher\\";
    EXPECT_EQ(DiscNameOf(disc.temp.File("Launcher/splash.bmp"), disc.root, launcher), QStringLiteral("splash.bmp"));
    EXPECT_EQ(DiscNameOf(disc.temp.File("Launcher/Data/x.ico"), disc.root, disc.root),
              QStringLiteral("Launcher\\Data\\x.ico"));
    // Outside the player's folder but on the disc: from the disc's root.
    EXPECT_EQ(DiscNameOf(disc.temp.File("other/intro.bmp"), disc.root, launcher), QStringLiteral("\\other\\intro.bmp"));
    // Outside the CD root there is no disc name.
    EXPECT_EQ(DiscNameOf(QStringLiteral("/etc/passwd"), disc.root, launcher), std::nullopt);
    EXPECT_EQ(DiscNameOf(disc.temp.Path() + "x/a.bmp", disc.root, launcher), std::nullopt);
    EXPECT_EQ(DiscNameOf(disc.temp.File("a.bmp"), QString(), QString()), std::nullopt);
}

TEST(AutorunDisc, WritesTheThreeLinesReplacingTheOldFile)
{
    Disc disc;
    disc.temp.Write(QStringLiteral("AUTORUN.INF"), "[autorun]\r\nopen=old.exe with a much longer line\r\n");
    WriteAutorunFile(disc.root, {"[autorun]", "open=launcher\\launcher.exe", "icon=launcher\\launcher.exe,0"});
    EXPECT_EQ(disc.temp.Read(QStringLiteral("AUTORUN.INF")),
              QByteArray("[autorun]\r\nopen=launcher\\launcher.exe\r\nicon=launcher\\launcher.exe,0\r\n"));
    EXPECT_FALSE(disc.temp.Exists(QStringLiteral("autorun.inf"))); // the existing name is kept
    EXPECT_EQ(AutorunFileName(disc.root), disc.root + "autorun.inf");
}

// A Linux folder may hold a backslash; only the name on the disc uses them.
TEST(AutorunDisc, ABackslashInTheLocalCdRootIsPartOfTheFolderName)
{
    TempFolder temp;
    QDir(temp.Path()).mkpath(QStringLiteral("disc\\one/Launcher"));
    const QString root = temp.File(QStringLiteral("disc\\one/"));
    WriteAutorunFile(root, {"[autorun]"});
    EXPECT_TRUE(temp.Exists(QStringLiteral("disc\\one/autorun.inf")));
    EXPECT_FALSE(QDir(temp.Path()).exists(QStringLiteral("disc")));
    EXPECT_TRUE(DiscFolderExists(root + "launcher\\"));
    EXPECT_EQ(DiscLocalPath(root + "\\launcher\\x.exe"), temp.File(QStringLiteral("disc\\one/Launcher/x.exe")));
}

TEST(AutorunDisc, AFailedWriteKeepsTheOldFileAndSaysCannotCreate)
{
    Disc disc;
    disc.temp.Write(QStringLiteral("autorun.inf"), "old");
    for (auto step : {FailingFileOperations::Step::Write, FailingFileOperations::Step::Replace}) {
        FailingFileOperations failing(step, ENOSPC);
        try {
            WriteAutorunFile(disc.root, {"[autorun]"});
            ADD_FAILURE() << "the write did not fail";
        } catch (const VyxError& e) {
            EXPECT_TRUE(e.Message().startsWith("Cannot create file " + disc.root + "autorun.inf\n"))
                << e.Message().toStdString();
            EXPECT_TRUE(e.Message().contains(FileErrorText(ENOSPC))) << e.Message().toStdString();
            EXPECT_FALSE(e.Message().contains(".tmp")) << "the user knows autorun.inf, not the temporary file";
        }
    }
    EXPECT_EQ(disc.temp.Read(QStringLiteral("autorun.inf")), QByteArray("old"));
    EXPECT_EQ(QDir(disc.temp.Path()).entryList(QDir::Files), QStringList{"autorun.inf"});
    EXPECT_THROW(WriteAutorunFile(disc.root + "missing/", {"[autorun]"}), VyxError);
}

TEST(AutorunDisc, AWriteThatFailsLeavesNoLauncherFolderBehind)
{
    Disc disc;
    const QStringList lines = {"[autorun]", "open=player\\launcher.exe"};
    {
        FailingFileOperations diskFull(FailingFileOperations::Step::Write, ENOSPC);
        EXPECT_THROW(WriteAutorunWithFolder(disc.root, lines, disc.root + "player\\"), VyxError);
    }
    EXPECT_FALSE(disc.temp.Exists("player"));
    QDir(disc.temp.Path()).mkdir("autorun.inf"); // checked before anything is made
    EXPECT_THROW(WriteAutorunWithFolder(disc.root, lines, disc.root + "player\\"), VyxError);
    EXPECT_FALSE(disc.temp.Exists("player"));
    QDir(disc.temp.Path()).rmdir("autorun.inf");

    EXPECT_FALSE(AutorunFileHolds(disc.root, lines));
    WriteAutorunWithFolder(disc.root, lines, disc.root + "player\\");
    EXPECT_TRUE(QFileInfo(disc.temp.File("player")).isDir());
    EXPECT_TRUE(AutorunFileHolds(disc.root, lines));
    EXPECT_FALSE(AutorunFileHolds(disc.root, {"[autorun]"}));
}

} // namespace
