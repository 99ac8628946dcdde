// vyxtool html as a build script uses it: exit codes and what lands in the folder.
#include "support/temp_folder.h"
#include "support/tool_run.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

struct HtmlCase {
    const char* name;
    QStringList args;         // after "html"; OUT stands for the output folder
    const char* foreignPage;  // an index.html already in the folder, or null
    int exitCode;
    const char* err;          // the first line of the error stream
    QStringList written;      // the files in the folder afterwards
};

void PrintTo(const HtmlCase& c, std::ostream* os) { *os << c.name; }

class HtmlTool : public ::testing::TestWithParam<HtmlCase> {};

QStringList FilesUnder(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        names << (QFileInfo(dir.filePath(name)).isDir() ? name + u'/' : name);
    return names;
}

TEST_P(HtmlTool, ExitsAndWritesAsTheCallAsks)
{
    const HtmlCase& c = GetParam();
    TempFolder dir;
    const QString out = dir.File("web");
    QDir().mkpath(out);
    if (c.foreignPage)
        dir.Write("web/index.html", c.foreignPage);
    QStringList args{"html"};
    for (const QString& arg : c.args)
        args << (arg == u"OUT" ? out : arg);

    const ToolRun run = Tool(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.err).section(u'\n', 0, 0).replace(out, "OUT"), QString::fromLatin1(c.err));
    EXPECT_EQ(FilesUnder(out), c.written);
    if (c.foreignPage)
        EXPECT_EQ(dir.Read("web/index.html"), QByteArray(c.foreignPage)) << "the foreign page is kept";
    if (c.exitCode == 0) {
        // The demo's BMP over picture becomes a PNG with the very same pixels.
        const QImage png(out + QStringLiteral("/index_files/over.png"));
        const QImage bmp(QStringLiteral(VYX_DEMO_DIR "/over.bmp"));
        EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(FilesUnder(out + QStringLiteral("/index_files")),
                  (QStringList{"background.jpg", "bye.wav", "click.jpg", "click.wav", "over.png", "over.wav"}));
    }
}

const QString Demo = QStringLiteral(VYX_DEMO_DIR "/launcher.ini");

INSTANTIATE_TEST_SUITE_P(
    Calls, HtmlTool,
    ::testing::Values(
        HtmlCase{"TheDemo", {Demo, "-o", "OUT"}, nullptr, 0, "", {"index.html", "index_files/"}},
        HtmlCase{"NoOutputFolder", {Demo}, nullptr, 2, "-o FOLDER names the folder to write", {}},
        HtmlCase{"AForeignPage", {Demo, "-o", "OUT"}, "<html>mine</html>\n", 1,
                 "OUT/index.html was not written by the web page export and is not replaced", {"index.html"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
