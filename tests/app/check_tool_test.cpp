// vyxtool check as a build script uses it: lines, JSON, exit codes.
#include "support/temp_folder.h"
#include "support/test_bmp.h"
#include "support/tool_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// A project whose background is missing (an error) and whose only button reaches
// outside the 100 x 80 menu (a warning).
QString BrokenProject(const TempFolder& dir)
{
    return dir.Write("launcher.ini", "[MAIN]\r\nSizeX=100\r\nSizeY=80\r\nbackground=gone.bmp\r\n"
                                     "[Button#0]\r\nAction=CLOSE\r\nLeft=90\r\ntop=0\r\nWidth=20\r\nHeight=10\r\n");
}

TEST(CheckTool, PrintsOneLinePerFindingAndFailsOnAnError)
{
    TempFolder dir;
    const ToolRun run = Tool({"check", BrokenProject(dir)});
    EXPECT_EQ(run.exitCode, 1) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.out), "error [MAIN] background: File not found: gone.bmp\n"
                                          "warning [Button#0] Left: The button reaches outside the 100 x 80 menu\n");
}

TEST(CheckTool, WarningsAloneExitWithZero)
{
    TempFolder dir;
    dir.Write("bg.bmp", BmpWithData(100, 80, 24, QByteArray(100 * 80 * 3, '\0')));
    dir.Write("launcher.ini", "[MAIN]\r\nSizeX=100\r\nSizeY=80\r\nbackground=bg.bmp\r\n"
                              "[Button#0]\r\nAction=CLOSE\r\nLeft=90\r\ntop=0\r\nWidth=20\r\nHeight=10\r\n"
                              "[Button#1]\r\nAction=CLOSE\r\nLeft=0\r\ntop=0\r\nWidth=0\r\nHeight=0\r\n");
    const ToolRun run = Tool({"check", dir.File("launcher.ini")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(run.out),
              "warning [Button#0] Left: The button reaches outside the 100 x 80 menu\n"
              "warning [Button#1] Width: [Button#1] is dropped when the project loads: width 0, height 0\n");
}

TEST(CheckTool, JsonListsEveryFindingWithItsLevelSectionAndKey)
{
    TempFolder dir;
    const ToolRun run = Tool({"check", "--json", BrokenProject(dir)});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["errors"].toInt(), 1);
    EXPECT_EQ(json["warnings"].toInt(), 1);
    const QJsonArray findings = json["findings"].toArray();
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[0].toObject(), (QJsonObject{{"severity", "error"},
                                                   {"section", "MAIN"},
                                                   {"key", "background"},
                                                   {"message", "File not found: gone.bmp"}}));
    EXPECT_EQ(findings[1].toObject()["severity"].toString(), "warning");
}

TEST(CheckTool, TheDemoPassesWithoutAFinding)
{
    const ToolRun run = Tool({"check", QStringLiteral(VYX_DEMO_DIR "/launcher.ini")});
    EXPECT_EQ(run.exitCode, 0) << run.out.constData();
    EXPECT_EQ(run.out, QByteArray());
}

TEST(CheckTool, TheCdRootAddsAutorunAndTheDiscBoundary)
{
    TempFolder dir;
    BrokenProject(dir);
    dir.Write("cd/autorun.inf", "[autorun]\r\nopen=launcher\\launcher.exe\r\n");
    const ToolRun run = Tool({"check", dir.File("launcher.ini"), "--cd-root", dir.File("cd")});
    EXPECT_EQ(run.exitCode, 1);
    const QString out = QString::fromUtf8(run.out);
    EXPECT_TRUE(out.contains("launcher.ini lies outside the CD root")) << run.out.constData();
    EXPECT_TRUE(out.contains("error [autorun] open: File not found: launcher\\launcher.exe")) << run.out.constData();
}

TEST(CheckTool, WrongCallsAndMissingProjects)
{
    TempFolder dir;
    EXPECT_EQ(Tool({"check"}).exitCode, 2);
    EXPECT_EQ(Tool({"check", "a.ini", "b.ini"}).exitCode, 2);
    EXPECT_EQ(Tool({"check", "a.ini", "--cd-root"}).exitCode, 2);
    EXPECT_EQ(Tool({"check", "a.ini", "--cd-root", dir.File("none")}).exitCode, 2);
    const ToolRun missing = Tool({"check", dir.File("none.ini")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("INI file not found: ")) << missing.err.constData();
}

} // namespace
