// vyxtool iso: the disc image of a checked project, through xorriso.
#include "platform/iso_image_writer.h"
#include "support/iso_listing.h"
#include "support/program_run.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class IsoTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!IsoImageWriter::XorrisoAvailable())
            GTEST_SKIP() << "xorriso is not installed (scripts/install-deps.sh installs it)";
    }

    // A disc of the demo: the player's folder "Launcher" with the demo inside,
    // and an autorun.inf that names the player in lower case.
    QString DemoDisc()
    {
        const QString root = dir.File("cd");
        QDir().mkpath(root + "/Launcher");
        QDirIterator it(QStringLiteral(VYX_DEMO_DIR), QDir::Files, QDirIterator::Subdirectories);
        const QDir demo(QStringLiteral(VYX_DEMO_DIR));
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = root + "/Launcher/" + demo.relativeFilePath(file);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(file, target);
        }
        dir.Write("cd/Launcher/launcher.exe", "MZ");
        dir.Write("cd/autorun.inf", "[autorun]\r\nopen=launcher\\launcher.exe -X\r\nicon=launcher\\launcher.exe,0\r\n");
        return root;
    }

    TempFolder dir;
};

TEST_F(IsoTool, TheDemoDiscHoldsEveryFileUnderItsJolietName)
{
    const QString root = DemoDisc();
    const ToolRun run = Tool({"iso", root, "-o", dir.File("demo.iso"), "--volume", "VYX_DEMO"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.contains("progress: 100%")) << run.err.constData();
    EXPECT_FALSE(dir.Exists("demo.iso.part"));
    const QStringList listing = JolietListing(dir.File("demo.iso"));
    EXPECT_GE(listing.size(), 20);
    EXPECT_EQ(listing, FolderListing(root));
    EXPECT_TRUE(listing.contains("Launcher/help/welcome.rtf"));
    const ProgramRun info = RunProgram("xorriso", {"-indev", dir.File("demo.iso"), "-pvd_info"});
    EXPECT_TRUE(info.out.contains("VYX_DEMO")) << info.out.constData();
}

TEST_F(IsoTool, AnExistingImageIsReplacedNotAppendedTo)
{
    const QString root = DemoDisc();
    dir.Write("demo.iso", QByteArray(4096, 'x'));
    ASSERT_EQ(Tool({"iso", root, "-o", dir.File("demo.iso")}).exitCode, 0);
    EXPECT_TRUE(JolietListing(dir.File("demo.iso")).contains("autorun.inf"));
    EXPECT_EQ(dir.Read("demo.iso").left(16), QByteArray(16, '\0')); // the system area of a fresh image
}

TEST_F(IsoTool, AProjectWithErrorsIsRefusedUnlessForced)
{
    const QString root = DemoDisc();
    dir.Write("cd/Launcher/launcher.ini", "[MAIN]\r\nbackground=gone.jpg\r\n");
    const ToolRun refused = Tool({"iso", root, "-o", dir.File("bad.iso")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("error [MAIN] background: File not found: gone.jpg")) << refused.err.constData();
    EXPECT_TRUE(refused.err.contains("has errors; no image written")) << refused.err.constData();
    EXPECT_FALSE(dir.Exists("bad.iso"));
    const ToolRun forced = Tool({"iso", root, "-o", dir.File("bad.iso"), "--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.constData();
    EXPECT_TRUE(dir.Exists("bad.iso"));
}

TEST_F(IsoTool, WrongPlacesAreRefusedBeforeAnythingIsWritten)
{
    const QString root = DemoDisc();
    EXPECT_EQ(Tool({"iso", root}).exitCode, 2);
    EXPECT_EQ(Tool({"iso", root, "-o", dir.File("x.iso"), "--volume", QString(33, u'V')}).exitCode, 2);
    const ToolRun inside = Tool({"iso", root, "-o", root + "/disc.iso"});
    EXPECT_EQ(inside.exitCode, 1);
    EXPECT_TRUE(inside.err.contains("must not lie inside the CD root"));
    QFile::remove(root + "/autorun.inf");
    const ToolRun noAutorun = Tool({"iso", root, "-o", dir.File("x.iso")});
    EXPECT_EQ(noAutorun.exitCode, 1);
    EXPECT_TRUE(noAutorun.err.contains("--ini")) << noAutorun.err.constData();
    EXPECT_EQ(Tool({"iso", root, "-o", dir.File("x.iso"), "--ini", root + "/Launcher/launcher.ini"}).exitCode, 0);
}

TEST_F(IsoTool, AStoppedWriteKeepsTheOlderImageAndLeavesNoPart)
{
    const QString root = DemoDisc();
    dir.Write("demo.iso", "older");
    QList<int> told;
    EXPECT_FALSE(IsoImageWriter::Write(root, dir.File("demo.iso"), "DEMO", [&told](int percent) {
        told << percent;
        return false;
    }));
    EXPECT_EQ(told, QList<int>({0})); // told once at the start, before xorriso reports
    EXPECT_EQ(dir.Read("demo.iso"), QByteArray("older"));
    EXPECT_FALSE(dir.Exists("demo.iso.part"));
}

TEST_F(IsoTool, AnImageThatCannotBePutInPlaceLeavesNoPart)
{
    const QString root = DemoDisc();
    dir.Write("demo.iso/keep.txt", "a folder in the way");
    const ToolRun run = Tool({"iso", root, "-o", dir.File("demo.iso")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Cannot create file " + dir.File("demo.iso").toUtf8())) << run.err.constData();
    EXPECT_FALSE(dir.Exists("demo.iso.part"));
    EXPECT_EQ(dir.Read("demo.iso/keep.txt"), QByteArray("a folder in the way"));
}

// What a killed writer left stays off the disc; a link is stored as the file it
// leads to, since the disc cannot hold a link into the build machine.
TEST_F(IsoTool, StrayTemporaryFilesAreLeftOutAndLinksStoredAsTheirFiles)
{
    const QString root = DemoDisc();
    dir.Write("cd/Launcher/.vyx0a1b2c3d.tmp", "half a file");
    dir.Write("cd/.autorun.inf.0a1b2c3d.tmp", "half a file");
    dir.Write("cd/Launcher/launcher.bak", "the editor's backup");
    dir.Write("cd/Launcher/launcher.tmp", "the editor's temporary file");
    ASSERT_TRUE(QFile::link(dir.Write("outside.txt", "from elsewhere"), root + "/Launcher/notes.txt"));
    const ToolRun run = Tool({"iso", root, "-o", dir.File("demo.iso")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QStringList listing = JolietListing(dir.File("demo.iso"));
    EXPECT_FALSE(listing.contains("Launcher/.vyx0a1b2c3d.tmp"));
    EXPECT_FALSE(listing.contains(".autorun.inf.0a1b2c3d.tmp"));
    EXPECT_FALSE(listing.contains("Launcher/launcher.bak"));
    EXPECT_FALSE(listing.contains("Launcher/launcher.tmp"));
    EXPECT_TRUE(listing.contains("Launcher/launcher.ini"));
    RunProgram("xorriso", {"-osirrox", "on", "-indev", dir.File("demo.iso"), "-extract", "/Launcher/notes.txt",
                           dir.File("extracted.txt")});
    EXPECT_EQ(dir.Read("extracted.txt"), QByteArray("from elsewhere"));
    EXPECT_FALSE(QFileInfo(dir.File("extracted.txt")).isSymLink());

    ASSERT_EQ(Tool({"iso", root, "-o", dir.File("kept.iso"), "--keep-backups"}).exitCode, 0);
    EXPECT_TRUE(JolietListing(dir.File("kept.iso")).contains("Launcher/launcher.bak"));
}

TEST(IsoImageWriter, TheDefaultLabelIsTheFolderNameInIsoCharacters)
{
    EXPECT_EQ(IsoImageWriter::DefaultVolumeLabel("/tmp/my disc-1/"), "MY_DISC_1");
    EXPECT_EQ(IsoImageWriter::DefaultVolumeLabel("/"), "CDROM");
    EXPECT_EQ(IsoImageWriter::DefaultVolumeLabel("/x/" + QString(40, u'a')).size(), 32);
}

} // namespace
