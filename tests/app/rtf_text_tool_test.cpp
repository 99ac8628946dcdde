#include "app/tool_rtf_text.h"
#include "platform/code_page.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int m_status = 0;
    QString m_out;
    QString m_err;
};

ToolRun RunTool(const QStringList& args)
{
    ToolRun run;
    QTextStream out(&run.m_out);
    QTextStream err(&run.m_err);
    run.m_status = RunRtfText(args, out, err);
    out.flush();
    err.flush();
    return run;
}

// The tool's code page option selects the run's code page; put the default back.
class RtfTextTool : public ::testing::Test {
protected:
    void TearDown() override { CodePage::Select(QStringLiteral("windows-1252")); }

    TempFolder m_folder;
};

} // namespace

TEST_F(RtfTextTool, PrintsOneLinePerParagraph)
{
    QString file = m_folder.Write(QStringLiteral("info.rtf"),
                                  "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}"
                                  "{\\b Instalace}\\par Spus\\'9dte setup.exe\\line ihned\\par "
                                  "a\\cell b\\cell\\row}");
    ToolRun run = RunTool({file});
    EXPECT_EQ(0, run.m_status);
    EXPECT_EQ("Instalace\nSpusťte setup.exe\nihned\na\tb\n", run.m_out.toStdString());
    EXPECT_TRUE(run.m_err.isEmpty());
}

TEST_F(RtfTextTool, PlainTextFileIsDecodedInTheChosenCodePage)
{
    QString file = m_folder.Write(QStringLiteral("info.txt"), "P\xF8\xEDli\x9A\r\nkr\xE1sn\xFD\r\n");
    ToolRun run = RunTool({QStringLiteral("--codepage"), QStringLiteral("windows-1250"), file});
    EXPECT_EQ(0, run.m_status);
    EXPECT_EQ("Příliš\nkrásný\n", run.m_out.toStdString());

    ToolRun western = RunTool({QStringLiteral("--codepage"), QStringLiteral("windows-1252"), file});
    EXPECT_EQ("Pøíliš\nkrásný\n", western.m_out.toStdString());
}

TEST_F(RtfTextTool, ErrorsGoToTheErrorStream)
{
    ToolRun missing = RunTool({m_folder.File(QStringLiteral("absent.rtf"))});
    EXPECT_EQ(1, missing.m_status);
    EXPECT_TRUE(missing.m_out.isEmpty());
    EXPECT_TRUE(missing.m_err.contains(QStringLiteral("absent.rtf"))) << missing.m_err.toStdString();

    QString file = m_folder.Write(QStringLiteral("info.rtf"), "{\\rtf1 x}");
    ToolRun badCodePage = RunTool({QStringLiteral("--codepage"), QStringLiteral("no-such-page"), file});
    EXPECT_NE(0, badCodePage.m_status);
    EXPECT_TRUE(badCodePage.m_out.isEmpty());
    EXPECT_FALSE(badCodePage.m_err.isEmpty());

    ToolRun noFile = RunTool({});
    EXPECT_NE(0, noFile.m_status);
    EXPECT_FALSE(noFile.m_err.isEmpty());
}
