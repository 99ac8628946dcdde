// The vyxtool program as scripts use it: exit codes, JSON and files.
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(VyxtoolProcess, DumpsTheDemoProject)
{
    const ToolRun run = Tool({"dump", QStringLiteral(VYX_DEMO_DIR "/launcher.ini")});
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
    const ToolRun run = Tool({"dump", "--codepage", "windows-1250", dir.File("bad.ini")});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["Error"].toString(), QStringLiteral("'red' is not a valid integer value"));
}

TEST(VyxtoolProcess, ResaveWritesThroughTheEditorsSave)
{
    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Resaved\r\n[Button#9]\r\nAction=run\r\nLeft=1\r\ntop=1\r\nWidth=2\r\nHeight=2\r\n");
    const ToolRun run = Tool({"resave", dir.File("launcher.ini")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("Buttons sorted."));
    EXPECT_TRUE(dir.Read("launcher.ini").contains("[Button#0]\r\nName=\r\nAction=RUN\r\n"));
    EXPECT_TRUE(dir.Exists("launcher.bak"));
}

TEST(VyxtoolProcess, ResaveReportsAFailedWrite)
{
    TempFolder dir;
    dir.Write("launcher.ini", "[MAIN]\r\nProgram=Kept\r\n");
    QDir(dir.Path()).mkdir("launcher.tmp");
    const ToolRun run = Tool({"resave", dir.File("launcher.ini")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Unable to write to "));
    EXPECT_EQ(dir.Read("launcher.ini"), "[MAIN]\r\nProgram=Kept\r\n");
}

TEST(VyxtoolProcess, PrintsAHelpFilesText)
{
    TempFolder dir;
    dir.Write("help.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello \\b bold\\b0\\par Second line\\par}");
    const ToolRun run = Tool({"rtf-text", dir.File("help.rtf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out.trimmed(), QByteArray("Hello bold\nSecond line"));
}

TEST(VyxtoolProcess, RefusesAnUnknownCommand) { EXPECT_EQ(Tool({"frobnicate"}).exitCode, 2); }

} // namespace
