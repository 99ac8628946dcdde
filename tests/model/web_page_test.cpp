#include "model/logging_project_view.h"
#include "model/menu_project.h"
#include "model/project_loader.h"
#include "model/web_page_document.h"
#include "model/web_page_export.h"
#include "model/web_page_help.h"
#include "model/web_page_link.h"
#include "platform/picture_loader.h"
#include "platform/png_encoder.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"
#include "support/failing_file_operations.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString HelpHtml(const QByteArray& rtf) { return WebPageHelp::FromRtf(RtfReader::Read(rtf, QStringLiteral("windows-1252"))); }

TEST(WebPageHelp, RtfFormattingBecomesMarkup)
{
    struct Case {
        const char* rtf;
        const char* html;
    };
    const Case cases[] = {
        {"{\\rtf1{\\fonttbl{\\f0 Courier New;}}\\f0\\fs24 a}", "<p><span style=\"font-family:'Courier New',sans-serif;font-size:16px\">a</span></p>"},
        {"{\\rtf1{\\colortbl;\\red255\\green0\\blue16;}\\cf1\\b\\i\\ul x\\strike y}",
         "<span style=\"color:#ff0010;font-weight:bold;font-style:italic;text-decoration:underline\">x</span>"
         "<span style=\"color:#ff0010;font-weight:bold;font-style:italic;text-decoration:underline line-through\">y</span>"},
        {"{\\rtf1\\qc\\li1440\\sa720 c\\par\\pard\\par\\qr r\\par}",
         "<p style=\"text-align:center;margin-left:96px;margin-bottom:48px\">c</p><p><br></p><p style=\"text-align:right\">r</p>"},
        {"{\\rtf1\\ansicpg1250 \\'9e<&\\line n}", "<p>\u017e&lt;&amp;<br>n</p>"},
        {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://a.b/?q=1&r=2\"}{\\fldrslt go}}}",
         "<p><a href=\"http://a.b/?q=1&amp;r=2\" target=\"_blank\" rel=\"noopener\">go</a></p>"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(HelpHtml(c.rtf).contains(QString::fromUtf8(c.html))) << c.rtf << "\n gave " << HelpHtml(c.rtf).toStdString();
    EXPECT_EQ(WebPageHelp::FromFile("one <b>\r\n\r\ntwo"), QStringLiteral("<p>one &lt;b&gt;</p><p><br></p><p>two</p>"));
    EXPECT_EQ(WebPageHelp::CssColor(0x00401A0A), QStringLiteral("#0a1a40"));
    EXPECT_EQ(WebPageHelp::CssColor(0x80000008), QStringLiteral("WindowText"));
}

class WebPageLinkTest : public ::testing::Test {
protected:
    WebPageLinkTest()
    {
        QDir().mkpath(m_dir.File("cd/menu/Tools"));
        m_dir.Write("cd/menu/Tools/Setup.EXE", "x");
        m_dir.Write("cd/menu/read me.txt", "x");
        m_dir.Write("cd/Extra.pdf", "x");
    }
    WebPageLink Link(const char* action, const char* params, bool cdRoot = true) const
    {
        MenuButton button;
        button.Action = action;
        button.Params = params;
        const WebPageNames names(m_dir.File("cd/menu"), cdRoot ? m_dir.File("cd") : QString(), m_dir.File("cd"));
        return WebPageLinkFor(button, names);
    }
    TempFolder m_dir;
};

TEST_F(WebPageLinkTest, ActionsLinkAsThePlayerWouldAct)
{
    using Kind = WebPageLink::Kind;
    struct Case {
        const char* action;
        const char* params;
        bool cdRoot;
        Kind kind;
        const char* href;
        bool problem;
    };
    const Case cases[] = {
        {"RUN", "tools\\setup.exe", true, Kind::File, "menu/Tools/Setup.EXE", false},
        {"RUN&CLOSE", "read me.txt", true, Kind::File, "menu/read%20me.txt", false},
        {"RUN&MINIMIZE", "\\EXTRA.PDF", true, Kind::File, "Extra.pdf", false},
        {"RUN", "\\extra.pdf", false, Kind::Nothing, "", true},
        {"RUN", "C:\\extra.pdf", true, Kind::Nothing, "", true},
        {"RUN", "missing.exe", true, Kind::Nothing, "", true},
        {"WINEXEC", "TOOLS\\SETUP.exe /quiet", true, Kind::File, "menu/Tools/Setup.EXE", false},
        {"WINEXEC", "https://example.com/x y", true, Kind::Address, "https://example.com/x y", false},
        {"RUN", "mailto:a@b.c", true, Kind::Address, "mailto:a@b.c", false},
        {"CLOSE", "", true, Kind::Close, "", false},
        {"NONE", "", true, Kind::Nothing, "", false},
        {"EJECT", "", true, Kind::Nothing, "", false},
        {"SHUTDOWN", "", true, Kind::Nothing, "", true},
    };
    for (const Case& c : cases) {
        const WebPageLink link = Link(c.action, c.params, c.cdRoot);
        SCOPED_TRACE(std::string(c.action) + " " + c.params);
        EXPECT_EQ(link.Type, c.kind);
        EXPECT_EQ(link.Href, QString::fromUtf8(c.href));
        EXPECT_EQ(!link.Problem.isEmpty(), c.problem) << link.Problem.toStdString();
        if (c.kind == Kind::Nothing)
            EXPECT_FALSE(link.Title.isEmpty()) << "the tooltip says that nothing happens";
    }
    EXPECT_TRUE(Link("MINIMIZE", "").Title.contains(QLatin1String("Minimize the menu")));
}

// The demo exported into a fresh folder.
class WebPageExportTest : public ::testing::Test {
protected:
    WebPageExportTest()
    {
        ScopedCurrentFolder keep;
        LoadProject(*m_project, m_ini, m_view);
    }
    CheckFindings Export() const { return WebPageExport::Write(*m_project, m_ini, m_out); }
    QString Page() const { return QString::fromUtf8(m_dir.Read("out/index.html")); }

    TempFolder m_dir;
    QString m_ini = QStringLiteral(VYX_DEMO_DIR "/launcher.ini");
    QString m_out = m_dir.File("out");
    std::unique_ptr<MenuProject> m_project = std::make_unique<MenuProject>();
    LoggingProjectView m_view;
};

TEST_F(WebPageExportTest, TheDemoBecomesOnePageWithItsPictures)
{
    const CheckFindings problems = Export();
    EXPECT_TRUE(problems.isEmpty()) << problems.value(0).Line().toStdString();
    EXPECT_EQ(QDir(m_out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"index.html", "index_files"}));
    QFile jpeg(QStringLiteral(VYX_DEMO_DIR "/background.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    EXPECT_EQ(m_dir.Read("out/index_files/background.jpg"), jpeg.readAll()) << "JPEG is copied as it is";
    const QImage png(m_dir.File("out/index_files/over.png"));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), PictureLoader::LoadPicture(QStringLiteral(VYX_DEMO_DIR "/over.bmp")))
        << "BMP becomes a PNG of the same pixels";

    const QString page = Page();
    EXPECT_TRUE(page.contains(QLatin1String("<title>Vyx Demo Disc</title>")));
    EXPECT_TRUE(page.contains(QLatin1String("width:640px;height:460px;background-image:url(&quot;index_files/background.jpg&quot;)")));
    EXPECT_TRUE(page.contains(QLatin1String("clip-path:polygon(evenodd,20px 0px,620px 0px,640px 20px,")));
    const QRegularExpression link(QStringLiteral("<a class=\"button\" id=\"button-(\\d+)\" href=\"([^\"]*)\" aria-label=\"([^\"]*)\""));
    QStringList buttons;
    for (const QRegularExpressionMatch& m : link.globalMatch(page))
        buttons << m.captured(1) + u' ' + m.captured(3) + u' ' + m.captured(2);
    const QString demo = QDir(m_out).relativeFilePath(QStringLiteral(VYX_DEMO_DIR));
    EXPECT_EQ(buttons, (QStringList{"0 Install " + demo + "/setup.bat", "1 Read me " + demo + "/readme.txt",
                                    "2 Web site http://www.example.com/", "3 E-mail mailto:info@example.com",
                                    "4 Eject #", "5 About #", "6 Minimize #", "7 Exit #"}));
    EXPECT_TRUE(page.contains(QLatin1String("font-size:12px;color:#80d0ff;font-weight:bold\">readme.txt</span>")))
        << "the help file's RTF is in the page";
    EXPECT_EQ(page.count(QLatin1String("<audio ")), 3) << "over, click and the exit button's own sound";
}

TEST_F(WebPageExportTest, ANewExportReplacesTheOldOneWholeAndNothingElse)
{
    Export();
    m_dir.Write("out/index_files/stale.png", "old");
    m_dir.Write("out/mine.txt", "kept");
    m_project->Main.BackOverFile.clear();
    EXPECT_TRUE(Export().isEmpty());
    EXPECT_FALSE(m_dir.Exists("out/index_files/stale.png"));
    EXPECT_FALSE(m_dir.Exists("out/index_files/over.png"));
    EXPECT_EQ(m_dir.Read("out/mine.txt"), "kept");
    EXPECT_EQ(QDir(m_dir.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"out"});
    EXPECT_EQ(QDir(m_out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"index.html", "index_files", "mine.txt"}))
        << "no temporary folder stays";

    m_dir.Write("out/index.html", "<html>someone's own page</html>");
    EXPECT_THROW(Export(), VyxError);
    EXPECT_EQ(m_dir.Read("out/index.html"), "<html>someone's own page</html>");
}

// The page is the last step of the swap: when it cannot move into place, the
// older export's pictures go back under the older page.
TEST_F(WebPageExportTest, APageThatCannotMoveIntoPlaceLeavesTheOlderExportWhole)
{
    Export();
    const QByteArray page = m_dir.Read("out/index.html");
    const QStringList assets = QDir(m_dir.File("out/index_files")).entryList(QDir::Files);
    m_project->Main.BackOverFile.clear();
    {
        const FailingFileOperations failing(FailingFileOperations::Step::Replace);
        EXPECT_THROW(Export(), VyxError);
    }
    EXPECT_EQ(m_dir.Read("out/index.html"), page);
    EXPECT_EQ(QDir(m_dir.File("out/index_files")).entryList(QDir::Files), assets);
    EXPECT_EQ(QDir(m_out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"index.html", "index_files"}));
}

// A picture unchanged since the export being replaced keeps that export's PNG;
// one written since is made anew.
TEST_F(WebPageExportTest, OnlyPicturesChangedSinceTheOlderExportAreEncodedAgain)
{
    const QString bmp = m_dir.File("mine.bmp");
    ASSERT_TRUE(NoisePicture(40, 30, 1).save(bmp, "BMP"));
    m_project->Main.BackOverFile = QDir(QStringLiteral(VYX_DEMO_DIR)).relativeFilePath(bmp).replace(u'/', u'\\').toUtf8();
    ASSERT_TRUE(Export().isEmpty());
    const QString png = m_dir.File("out/index_files/over.png");
    const QImage standIn = FilledPicture(40, 30, 0xFF102030);
    m_dir.Write("out/index_files/over.png", PngEncoder::Encode(standIn, PngEncoder::SourceOf(png)));
    Export();
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), standIn) << "taken from the older export";

    // The same size, a later time: only the stamp tells the new picture from the old.
    const QImage changed = NoisePicture(40, 30, 2);
    ASSERT_TRUE(changed.save(bmp, "BMP"));
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
    file.close();
    Export();
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), changed);
}

TEST_F(WebPageExportTest, NamesThatDoNotResolveAreReported)
{
    m_project->Buttons[1].Params = "READ\\missing.txt";
    m_project->Buttons[2].LoadInfo = "help\\gone.rtf";
    m_project->Main.BackClickFile = "nothere.jpg";
    QStringList lines;
    for (const CheckFinding& f : Export())
        lines << f.Line();
    EXPECT_EQ(lines, (QStringList{"warning [MAIN] backclick: File not found: nothere.jpg",
                                  "warning [Button#1] Params: File not found: READ\\missing.txt",
                                  "warning [Button#2] LoadInfo: File not found: help\\gone.rtf"}));
    EXPECT_TRUE(Page().contains(QLatin1String("id=\"button-1\" href=\"#\"")));
}

} // namespace
