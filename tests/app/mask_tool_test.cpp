// vyxtool mask and mask-info as scripts use them.
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// The 4 x 2 picture: columns 0-1 and 3 opaque (blue), column 2 the mask colour.
QString FourByTwo(const TempFolder& dir)
{
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(0xFF0000FF);
    picture.setPixel(2, 0, 0xFF102030);
    picture.setPixel(2, 1, 0xFF14222E);
    const QString path = dir.File("four.bmp");
    picture.save(path, "BMP");
    return path;
}

TEST(MaskTool, WritesTheMaskNamedByTheIniFile)
{
    TempFolder dir;
    const ToolRun run = Tool({"mask", FourByTwo(dir), "--color", "102030", "--tolerance", "4", "--ini", dir.File("menu.ini")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QByteArray mask = dir.Read("menu.msk");
    ASSERT_EQ(mask.size(), 64);

    const ToolRun info = Tool({"mask-info", dir.File("menu.msk")});
    ASSERT_EQ(info.exitCode, 0) << info.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(info.out).object();
    const QJsonObject header = json["Header"].toObject();
    EXPECT_EQ(header["Size"].toInt(), 32);
    EXPECT_EQ(header["Type"].toInt(), 1);
    EXPECT_EQ(header["Count"].toInt(), 2);
    EXPECT_EQ(header["RgnSize"].toInt(), 32);
    EXPECT_EQ(header["Bound"].toArray(), (QJsonArray{0, 0, 4, 2}));
    EXPECT_EQ(json["Rects"].toArray(), (QJsonArray{QJsonArray{0, 0, 2, 2}, QJsonArray{3, 0, 4, 2}}));
}

TEST(MaskTool, ATargetThatIsNotAMaskFileIsKeptUnlessForced)
{
    TempFolder dir;
    const QString picture = FourByTwo(dir);
    const QByteArray project = "[MAIN]\r\nProgram=Mine\r\n";
    dir.Write("launcher.ini", project);
    const QStringList mask = {"mask", picture, "--color", "102030"};
    const ToolRun refused = Tool(mask + QStringList{"-o", dir.File("launcher.ini")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, (dir.File("launcher.ini") + " exists and is not a mask file: not replaced\n").toUtf8());
    EXPECT_EQ(dir.Read("launcher.ini"), project);

    ASSERT_EQ(Tool(mask + QStringList{"-o", dir.File("old.msk")}).exitCode, 0);
    EXPECT_EQ(Tool(mask + QStringList{"-o", dir.File("old.msk")}).exitCode, 0) << "a mask file is replaced";
    EXPECT_EQ(Tool(mask + QStringList{"--force", "-o", dir.File("launcher.ini")}).exitCode, 0);
    EXPECT_EQ(dir.Read("launcher.ini"), dir.Read("old.msk"));
}

TEST(MaskTool, ToleranceBelowTheDifferenceKeepsThePixelOpaque)
{
    TempFolder dir;
    const ToolRun run = Tool({"mask", FourByTwo(dir), "--color", "102030", "--tolerance", "3", "-o", dir.File("out.msk")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(Tool({"mask-info", dir.File("out.msk")}).out).object();
    EXPECT_EQ(json["Rects"].toArray(), (QJsonArray{QJsonArray{0, 0, 2, 1}, QJsonArray{3, 0, 4, 1}, QJsonArray{0, 1, 4, 2}}));
}

// A PNG with transparency: its converted BMP keyed on white gives the same
// mask file as its alpha channel, and a second convert keeps the BMP.
TEST(MaskTool, AlphaMaskAndConvertedPictureAgree)
{
    TempFolder dir;
    QImage picture(5, 3, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 200, 255));
    picture.setPixel(1, 0, 0);
    picture.setPixel(4, 2, 0);
    const QString png = dir.File("logo.png");
    ASSERT_TRUE(picture.save(png));

    const ToolRun converted = Tool({"convert", png});
    ASSERT_EQ(converted.exitCode, 0) << converted.err.constData();
    EXPECT_EQ(converted.out, (dir.File("logo.bmp") + "\n").toUtf8()) << "two colours: BMP";
    ASSERT_EQ(Tool({"mask", png, "--alpha", "-o", dir.File("alpha.msk")}).exitCode, 0);
    ASSERT_EQ(Tool({"mask", dir.File("logo.bmp"), "--color", "FFFFFF", "--tolerance", "0", "-o", dir.File("colour.msk")}).exitCode, 0);
    EXPECT_EQ(dir.Read("alpha.msk"), dir.Read("colour.msk"));
    EXPECT_EQ(dir.Read("alpha.msk").size(), 32 + 4 * 16);

    EXPECT_EQ(Tool({"convert", png}).exitCode, 0) << "the same picture is there already";
    EXPECT_EQ(Tool({"convert", png, "-o", dir.File("alpha.msk")}).exitCode, 1) << "not JPEG or BMP";
    EXPECT_EQ(Tool({"convert", png, "--quality", "0"}).exitCode, 2);
    dir.Write("cut.png", dir.Read("logo.png").left(40));
    EXPECT_EQ(Tool({"convert", dir.File("cut.png")}).exitCode, 1);
    EXPECT_FALSE(dir.Exists("cut.bmp"));
}

TEST(MaskTool, ReadsJpegPictures)
{
    TempFolder dir;
    const ToolRun run = Tool({"mask", QStringLiteral(VYX_DEMO_DIR "/background.jpg"), "--color", "000000", "--tolerance",
                              "60", "-o", dir.File("demo.msk")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonObject header = QJsonDocument::fromJson(Tool({"mask-info", dir.File("demo.msk")}).out)["Header"].toObject();
    EXPECT_GT(header["Count"].toInt(), 1);
    EXPECT_EQ(dir.Read("demo.msk").size(), 32 + 16 * header["Count"].toInt());
    EXPECT_EQ(header["Bound"].toArray(), (QJsonArray{0, 0, 640, 460})) << "opaque pixels reach every edge";
}

TEST(MaskTool, NothingOpaqueWritesNoFile)
{
    TempFolder dir;
    QImage white(3, 3, QImage::Format_RGB32);
    white.fill(0xFFFFFFFF);
    white.save(dir.File("white.bmp"), "BMP");
    dir.Write("old.msk", "old");
    const ToolRun run = Tool({"mask", dir.File("white.bmp"), "--color", "FFFFFF", "-o", dir.File("old.msk")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("no mask file written")) << run.err.constData();
    EXPECT_EQ(dir.Read("old.msk"), QByteArray("old"));
}

TEST(MaskTool, ErrorsExitWithAMessage)
{
    TempFolder dir;
    const QString picture = FourByTwo(dir);
    dir.Write("menu.msk", "[MAIN]\r\n");
    const ToolRun overProject = Tool({"mask", picture, "--color", "102030", "--ini", dir.File("menu.msk")});
    EXPECT_EQ(overProject.exitCode, 1);
    EXPECT_TRUE(overProject.err.contains("itself ends in \".msk\""));
    EXPECT_EQ(dir.Read("menu.msk"), QByteArray("[MAIN]\r\n"));

    const ToolRun missing = Tool({"mask", dir.File("gone.bmp"), "--color", "102030", "-o", dir.File("a.msk")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    const ToolRun noFolder = Tool({"mask", picture, "--color", "102030", "-o", dir.File("none/a.msk")});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.contains("Cannot create file")) << noFolder.err.constData();

    EXPECT_EQ(Tool({"mask", picture, "--color", "10203", "-o", dir.File("a.msk")}).exitCode, 2);
    EXPECT_EQ(Tool({"mask", picture, "--color", "102030", "--tolerance", "101", "-o", dir.File("a.msk")}).exitCode, 2);
    EXPECT_EQ(Tool({"mask", picture, "--color", "102030"}).exitCode, 2) << "no target";
    EXPECT_FALSE(dir.Exists("a.msk"));
}

TEST(MaskTool, MaskInfoRefusesMalformedData)
{
    TempFolder dir;
    dir.Write("short.msk", QByteArray(20, 0));
    const ToolRun run = Tool({"mask-info", dir.File("short.msk")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Bad region data")) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(Tool({"mask-info", dir.File("missing.msk")}).exitCode, 1);
}

} // namespace
