// The vyxtool program as scripts use it: exit codes, JSON and files.
#include "support/sanitizer_build.h"
#include "support/temp_folder.h"
#include "support/test_bmp.h"
#include "support/tool_run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace {

TEST(VyxtoolProcess, DumpsTheDemoProject)
{
    const ProgramRun run = Tool({"dump", QStringLiteral(VYX_DEMO_DIR "/launcher.ini")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["Main"].toObject()["SizeX"].toInt(), 640);
    EXPECT_GE(json["Buttons"].toArray().size(), 6);
    EXPECT_EQ(json["Pictures"].toObject()["Normal"].toArray(), (QJsonArray{640, 460}));
    EXPECT_TRUE(json["Error"].isNull());
    EXPECT_GE(json["CustomShape"].toObject()["PointCount"].toInt(), 3);
}

TEST(VyxtoolProcess, DumpExitsWithOneWhenLoadingStops)
{
    TempFolder dir;
    dir.Write("bad.ini", "[MAIN]\r\nProgram=Ž\r\n[TextInfo]\r\nFontColor=red\r\n");
    const ProgramRun run = Tool({"dump", "--codepage", "windows-1250", dir.File("bad.ini")});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["Error"].toString(), QStringLiteral("'red' is not a valid integer value"));
    EXPECT_EQ(run.err, "'red' is not a valid integer value\n");
}

TEST(VyxtoolProcess, DumpRefusesADevice)
{
    const ProgramRun run = Tool({"dump", "/dev/zero"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["Error"].toString(), QStringLiteral("/dev/zero is not a regular file"));
}

// A hostile project whose three tiny pictures declare huge sizes loads, or
// stops with a clear message, within 1 GiB of address space.
TEST(VyxtoolProcess, AProjectOfHugeDeclaredPicturesStopsClearlyWithinOneGibibyte)
{
    if (BuiltWithAddressSanitizer())
        GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space: no program starts under ulimit -v";
    TempFolder dir;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"})
        dir.Write(name, BmpWithData(5600, 5600, 16, QByteArray(76, '\x55')));
    dir.Write("launcher.ini", "[MAIN]\r\nbackground=a.bmp\r\nbackover=b.bmp\r\nbackclick=c.bmp\r\n");
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {"-c", "ulimit -v 1048576; exec \"$0\" dump \"$1\"", QStringLiteral(VYXTOOL_PATH), dir.File("launcher.ini")});
    process.waitForFinished(120000);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QJsonObject json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    EXPECT_TRUE(json["Error"].toString().startsWith(
        QStringLiteral("Picture too large: 5600 x 5600 pixels; the three pictures together may have at most")))
        << json["Error"].toString().toStdString();
    EXPECT_EQ(json["Pictures"].toObject()["Normal"].toArray(), (QJsonArray{5600, 5600}));
}

TEST(VyxtoolProcess, ResaveWritesThroughTheEditorsSave)
{
    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Resaved\r\n[Button#9]\r\nAction=run\r\nLeft=1\r\ntop=1\r\nWidth=2\r\nHeight=2\r\n");
    const ProgramRun run = Tool({"resave", dir.File("launcher.ini")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("Buttons sorted."));
    EXPECT_TRUE(dir.Read("launcher.ini").contains("[Button#0]\r\nName=\r\nAction=RUN\r\n"));
    EXPECT_TRUE(dir.Exists("launcher.bak"));
}

TEST(VyxtoolProcess, ResaveWithARelativeNameWritesTheFileItLoaded)
{
    TempFolder dir;
    QDir(dir.Path()).mkpath("sub/sub");
    dir.Write("sub/launcher.ini", "[MAIN]\r\nProgram=Relative\r\n");
    const ProgramRun run = Tool({"resave", "sub/launcher.ini"}, dir.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains(("INI File: " + dir.File("sub/launcher.ini")).toUtf8())) << run.out.constData();
    EXPECT_TRUE(dir.Read("sub/launcher.ini").contains("ReSort=1\r\n"));
    EXPECT_TRUE(dir.Exists("sub/launcher.bak"));
    EXPECT_FALSE(dir.Exists("sub/sub/launcher.ini"));
}

TEST(VyxtoolProcess, ResaveReportsAFailedWrite)
{
    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    QDir(dir.Path()).mkdir("launcher.tmp");
    const ProgramRun run = Tool({"resave", dir.File("launcher.ini")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Unable to write to "));
    EXPECT_EQ(dir.Read("launcher.ini"), "[MAIN]\r\nProgram=Kept\r\n");
}

TEST(VyxtoolProcess, AMissingIniFileIsAnErrorForTheTool)
{
    TempFolder dir;
    for (const char* command : {"dump", "resave"}) {
        const ProgramRun run = Tool({command, dir.File("typo.ini")});
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err, ("INI not found: " + dir.File("typo.ini") + "\n").toUtf8()) << command;
        EXPECT_FALSE(dir.Exists("typo.ini")) << command;
    }
}

TEST(VyxtoolProcess, ResaveStopsWhenThePreviousVersionCannotBeKept)
{
    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    dir.Write("launcher.bak/in-the-way", "a folder where the backup goes");
    const ProgramRun run = Tool({"resave", dir.File("launcher.ini")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ("Cannot keep the previous file as " + dir.File("launcher.bak") + ": a folder is in the way\n").toUtf8());
    EXPECT_EQ(dir.Read("launcher.ini"), "[MAIN]\r\nProgram=Kept\r\n");

    const ProgramRun forced = Tool({"resave", "--no-backup", dir.File("launcher.ini")});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.constData();
    EXPECT_TRUE(dir.Read("launcher.ini").contains("ReSort=1\r\n"));
}

// A read-only file is its owner's "do not change": each writer refuses it and
// names it, and --force replaces it keeping the mode.
TEST(VyxtoolProcess, AReadOnlyTargetIsReplacedOnlyWithForce)
{
    TempFolder dir;
    QDir(dir.Path()).mkpath("Launcher");
    dir.Write("Launcher/launcher.exe", "MZ");
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    dir.Write("autorun.inf", "[autorun]\r\nopen=old.exe\r\n");
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(0xFF0000FF);
    picture.save(dir.File("menu.bmp"), "BMP");
    ASSERT_EQ(Tool({"mask", dir.File("menu.bmp"), "--color", "FFFFFF", "--ini", dir.File("launcher.ini")}).exitCode, 0);
    picture.setPixel(0, 0, 0xFFFFFFFF); // the next mask differs
    picture.save(dir.File("menu.bmp"), "BMP");
    const struct {
        const char* file;
        QStringList args;
    } writers[] = {
        {"launcher.ini", {"resave", "--no-backup", dir.File("launcher.ini")}},
        {"autorun.inf", {"autorun", dir.Path()}},
        {"launcher.msk", {"mask", dir.File("menu.bmp"), "--color", "FFFFFF", "--ini", dir.File("launcher.ini")}},
    };
    for (const auto& writer : writers) {
        const QString path = dir.File(writer.file);
        const QByteArray before = dir.Read(writer.file);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
        const ProgramRun refused = Tool(writer.args);
        EXPECT_EQ(refused.exitCode, 1) << writer.file;
        EXPECT_TRUE(refused.err.contains((path + " is read-only").toUtf8())) << refused.err.constData();
        EXPECT_EQ(dir.Read(writer.file), before) << writer.file;

        const ProgramRun forced = Tool(writer.args + QStringList{"--force"});
        EXPECT_EQ(forced.exitCode, 0) << writer.file << forced.err.constData();
        EXPECT_NE(dir.Read(writer.file), before) << writer.file;
        EXPECT_EQ(QFile(path).permissions() & QFileDevice::WriteOwner, 0) << writer.file << " stays read-only";
    }
}

TEST(VyxtoolProcess, DumpSaysWhenTheIniFileIsNotText)
{
    TempFolder dir;
    dir.Write("launcher.ini", QByteArray("\x20\0\0\0\x01\0\0\0", 8) + QByteArray(40, '\0'));
    const ProgramRun run = Tool({"dump", dir.File("launcher.ini")});
    const QJsonArray log = QJsonDocument::fromJson(run.out).object()["Log"].toArray();
    EXPECT_TRUE(log.contains(QStringLiteral("! launcher.ini is not a text file: it holds NUL bytes"))) << run.out.constData();
}

TEST(VyxtoolProcess, DoubleDashEndsTheOptions)
{
    TempFolder dir;
    dir.Write("-menu.ini", "[MAIN]\r\nProgram=Dashed\r\n");
    const ProgramRun run = Tool({"dump", "--", "-menu.ini"}, dir.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()["Main"].toObject()["Title"].toString(), QStringLiteral("Dashed"));
    dir.Write("-h", "not the usage");
    EXPECT_EQ(Tool({"rtf-text", "--", "-h"}, dir.Path()).out, "not the usage\n");
}

// Bytes written under a name the toolkit cannot spell.
void WriteNative(const QByteArray& path, const QByteArray& bytes)
{
    std::FILE* file = std::fopen(path.constData(), "wb");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file), size_t(bytes.size()));
    std::fclose(file);
}

QByteArray ReadNative(const QByteArray& path)
{
    std::FILE* file = std::fopen(path.constData(), "rb");
    if (!file)
        return {};
    QByteArray bytes(64 * 1024, '\0');
    bytes.resize(qsizetype(std::fread(bytes.data(), 1, size_t(bytes.size()), file)));
    std::fclose(file);
    return bytes;
}

TEST(VyxtoolProcess, AFolderWhoseNameIsNotUtf8IsReadAndWritten)
{
    TempFolder dir;
    const QByteArray folder = QFile::encodeName(dir.Path()) + "/caf\xE9";
    ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    WriteNative(folder + "/launcher.ini", "[MAIN]\r\nbackground=pic.bmp\r\n");
    WriteNative(folder + "/pic.bmp", BmpWithData(4, 2, 24, QByteArray(24, '\x7F')));
    // The shell spells the folder's byte itself: a QString argument would arrive as UTF-8.
    const QStringList scripts = {"exec \"$0\" dump \"$(printf 'caf\\351')/launcher.ini\"",
                                 "cd \"$(printf 'caf\\351')\" && exec \"$0\" resave launcher.ini"};
    for (const QString& script : scripts) {
        QProcess process;
        process.setWorkingDirectory(dir.Path());
        process.start(QStringLiteral("/bin/sh"), {"-c", script, QStringLiteral(VYXTOOL_PATH)});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << script.toStdString() << process.readAllStandardError().constData();
        const QByteArray out = process.readAllStandardOutput();
        if (script.contains("dump"))
            EXPECT_EQ(QJsonDocument::fromJson(out)["Pictures"]["Normal"].toArray(), (QJsonArray{4, 2})) << out.constData();
    }
    EXPECT_TRUE(ReadNative(folder + "/launcher.ini").contains("ReSort=1\r\n"));
    // The temporary folder cannot spell the name to remove it.
    QProcess::execute(QStringLiteral("/bin/sh"), {"-c", "cd \"$0\" && rm -rf \"$(printf 'caf\\351')\"", dir.Path()});
}

TEST(VyxtoolProcess, PrintsAHelpFilesText)
{
    TempFolder dir;
    dir.Write("help.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello \\b bold\\b0\\par Second line\\par}");
    const ProgramRun run = Tool({"rtf-text", dir.File("help.rtf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out.trimmed(), QByteArray("Hello bold\nSecond line"));
}

TEST(VyxtoolProcess, RefusesAnUnknownCommand) { EXPECT_EQ(Tool({"frobnicate"}).exitCode, 2); }

} // namespace

namespace {

// A disc folder whose player folder is spelled in another case than its disc path.
struct AutorunDisc {
    TempFolder dir;
    AutorunDisc()
    {
        QDir(dir.Path()).mkpath("Launcher");
        dir.Write("Launcher/launcher.exe", "MZ");
    }
};

TEST(VyxtoolProcess, AutorunWritesTheWizardsThreeLines)
{
    AutorunDisc disc;
    const ProgramRun run = Tool({"autorun", disc.dir.Path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(disc.dir.Read("autorun.inf"),
              QByteArray("[autorun]\r\nopen=launcher\\launcher.exe\r\nicon=launcher\\launcher.exe,0\r\n"));
    EXPECT_TRUE(run.err.contains("launcher.exe")) << "the presence report goes to stderr";
    EXPECT_TRUE(run.err.contains("missing: "));
}

// A name the code page cannot hold is refused, the character named; --codepage
// is taken anywhere, by every command.
TEST(VyxtoolProcess, TextTheCodePageCannotHoldIsRefusedAndCodepageIsTakenAnywhere)
{
    AutorunDisc disc;
    const ProgramRun refused = Tool({"autorun", disc.dir.Path(), "--splash", QStringLiteral("ř.bmp")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("\"ř\"").toUtf8())) << refused.err.constData();
    EXPECT_FALSE(disc.dir.Exists("autorun.inf"));
    const ProgramRun czech =
        Tool({"autorun", disc.dir.Path(), "--splash", QStringLiteral("ř.bmp"), "--codepage", "windows-1250"});
    ASSERT_EQ(czech.exitCode, 0) << czech.err.constData();
    EXPECT_TRUE(disc.dir.Read("autorun.inf").contains("-S\xF8.bmp"));

    disc.dir.Write("Launcher/launcher.ini", "[MAIN]\r\nProgram=x\r\nbackground=\xF8.bmp\r\n");
    disc.dir.Write(QStringLiteral("Launcher/ř.bmp"), "BM");
    for (const char* command : {"check", "dump"}) {
        const ProgramRun run = Tool({command, disc.dir.File("Launcher/launcher.ini"), "--codepage", "windows-1250"});
        EXPECT_FALSE(run.out.contains("File not found")) << command << run.out.constData();
        EXPECT_NE(run.exitCode, 2) << command << run.err.constData();
    }
    EXPECT_EQ(Tool({"iso", disc.dir.Path(), "--codepage"}).exitCode, 2);
}

TEST(VyxtoolProcess, AutorunOptionsMakeTheWizardsCommandLine)
{
    AutorunDisc disc;
    const ProgramRun run = Tool({"autorun", disc.dir.Path(), "--hide-splash", "--right", "0000ff", "--delay", "400",
                              "--icon", disc.dir.File("Launcher/menu.ico"), "--icon-index", "3", "--print"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("[autorun]\r\nopen=launcher\\launcher.exe -X -R0000FF -P400\r\n"
                                  "icon=Launcher\\menu.ico,3\r\n"));
    EXPECT_FALSE(disc.dir.Exists("autorun.inf")) << "--print writes nothing";

    const ProgramRun all = Tool({"autorun", disc.dir.Path(), "--launcher-dir", "bin\\vyx", "--hide-bar", "--left",
                              "FFFF00", "--text", "000000", "--splash", "intro.jpg", "--delay", "0", "--icon",
                              "bin\\vyx\\disc.ico", "--print"});
    ASSERT_EQ(all.exitCode, 0) << all.err.constData();
    EXPECT_EQ(all.out, QByteArray("[autorun]\r\nopen=bin\\vyx\\launcher.exe -N -LFFFF00 -T000000 -Sintro.jpg -P\r\n"
                                  "icon=bin\\vyx\\disc.ico,0\r\n"));
}

TEST(VyxtoolProcess, AutorunPrintsTheBytesItWrites)
{
    AutorunDisc disc;
    const QStringList args = {"autorun", disc.dir.Path(), "--launcher-dir", "my player", "--splash",
                              QStringLiteral("\u0159 splash.bmp"), "--codepage", "windows-1250"};
    const ProgramRun printed = Tool(args + QStringList{"--print"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.constData();
    EXPECT_EQ(printed.out, QByteArray("[autorun]\r\nopen=\"my player\\launcher.exe\" -S\"\xf8 splash.bmp\"\r\n"
                                      "icon=my player\\launcher.exe,0\r\n"));
    const ProgramRun written = Tool(args);
    ASSERT_EQ(written.exitCode, 0) << written.err.constData();
    EXPECT_EQ(disc.dir.Read("autorun.inf"), printed.out);
}

TEST(VyxtoolProcess, AutorunCreatesTheLauncherFolderAndRefusesBadInput)
{
    AutorunDisc disc;
    const ProgramRun created = Tool({"autorun", disc.dir.Path(), "--launcher-dir", "player\\", "--create-launcher-dir",
                                  "--splash", disc.dir.File("player/intro.bmp")});
    ASSERT_EQ(created.exitCode, 0) << created.err.constData();
    EXPECT_TRUE(QFileInfo(disc.dir.File("player")).isDir());
    EXPECT_TRUE(disc.dir.Read("autorun.inf").contains("open=player\\launcher.exe -Sintro.bmp\r\n"));

    AutorunDisc blocked; // a file where the folder should go
    blocked.dir.Write("player", "not a folder");
    const ProgramRun refused = Tool({"autorun", blocked.dir.Path(), "--launcher-dir", "player", "--create-launcher-dir"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Cannot create folder ")) << refused.err.constData();
    EXPECT_FALSE(blocked.dir.Exists("autorun.inf")) << "nothing is written when the folder cannot be made";
    AutorunDisc unwritable; // a folder where autorun.inf should go
    QDir(unwritable.dir.Path()).mkdir("autorun.inf");
    EXPECT_EQ(Tool({"autorun", unwritable.dir.Path(), "--launcher-dir", "player", "--create-launcher-dir"}).exitCode, 1);
    EXPECT_FALSE(unwritable.dir.Exists("player")) << "nothing is created when the write cannot be made";

    for (const QStringList& args : {QStringList{"autorun", disc.dir.File("none")},
                                    QStringList{"autorun", disc.dir.Path(), "--left", "red"},
                                    QStringList{"autorun", disc.dir.Path(), "--delay", "20000"},
                                    QStringList{"autorun", disc.dir.Path(), "--icon", "/etc/hostname"},
                                    QStringList{"autorun", disc.dir.Path(), "--bogus"},
                                    QStringList{"autorun", disc.dir.File("missing") + "/sub"}}) {
        const ProgramRun run = Tool(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
}

} // namespace
