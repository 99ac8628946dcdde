#include "platform/code_page.h"
#include "support/scoped_current_folder.h"
#include "support/temp_folder.h"
#include "ui/widgets/text_area.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class TextAreaTest : public ::testing::Test {
protected:
    void SetUp() override { QDir::setCurrent(m_dir.Path()); }
    void TearDown() override { CodePage::Select(QStringLiteral("windows-1252")); }

    // The character format at the first occurrence of a word.
    QTextCharFormat FormatOf(const QString& word)
    {
        QTextCursor found = m_area.document()->find(word);
        EXPECT_FALSE(found.isNull()) << word.toStdString();
        return found.charFormat();
    }

    ScopedCurrentFolder m_restore;
    TempFolder m_dir;
    TextArea m_area;
};

TEST_F(TextAreaTest, ShowsRichTextWithItsFormatting)
{
    m_dir.Write("help.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                            "\\f0\\fs20 Plain \\b\\cf1 alarm\\b0\\cf0  text.\\par\\qc Centred\\par}");
    m_area.ShowFile(QStringLiteral("help.rtf"));
    EXPECT_EQ(m_area.document()->blockCount(), 2);
    EXPECT_EQ(FormatOf(QStringLiteral("alarm")).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(QStringLiteral("alarm")).foreground().color(), QColor(255, 0, 0));
    EXPECT_NE(FormatOf(QStringLiteral("Plain")).fontWeight(), QFont::Bold);
    EXPECT_EQ(m_area.document()->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST_F(TextAreaTest, ShowsPlainTextInTheProjectsCodePage)
{
    ASSERT_TRUE(CodePage::Select(QStringLiteral("windows-1250")));
    m_dir.Write("napoveda.txt", "P\xF8" "e\x9A" "ern\xFD \xE8" "aj");
    m_area.ShowFile(QStringLiteral("napoveda.txt"));
    EXPECT_EQ(m_area.toPlainText(), QStringLiteral("Přešerný čaj"));
}

TEST_F(TextAreaTest, FindsWindowsNamesAndKeepsContentWhenAFileCannotBeRead)
{
    m_dir.Write("Help/Info.RTF", "{\\rtf1 Found\\par}");
    m_area.ShowFile(QStringLiteral("help\\info.rtf"));
    EXPECT_EQ(m_area.toPlainText(), QStringLiteral("Found"));
    m_area.ShowFile(QStringLiteral("missing.rtf"));
    EXPECT_EQ(m_area.toPlainText(), QStringLiteral("Found"));
}

TEST_F(TextAreaTest, APipeOrADeviceIsNamedInsteadOfRead)
{
    ASSERT_EQ(::mkfifo("pipe.rtf", 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("zero.txt")));
    for (const QString name : {QStringLiteral("pipe.rtf"), QStringLiteral("zero.txt")}) {
        m_area.ShowFile(name);
        EXPECT_EQ(m_area.toPlainText(), m_dir.File(name) + QStringLiteral(" is not a regular file"));
    }
}

TEST_F(TextAreaTest, DamagedRichTextNeverHangsOrCrashes)
{
    m_dir.Write("deep.rtf", "{\\rtf1 " + QByteArray(200000, '{') + "x\\fs99999999999999999999 y");
    m_area.ShowFile(QStringLiteral("deep.rtf"));
    EXPECT_LE(m_area.toPlainText().size(), 10);
}

// The editor's area and the preview's draw a file alike, whatever font their
// windows have: sizes are pixels at Windows's 96 per inch.
TEST_F(TextAreaTest, BothAreasDrawAFileAtTheSameSizeWhateverTheWindowsFont)
{
    m_dir.Write("sized.rtf", "{\\rtf1\\fs24 Twelve points\\par}");
    m_dir.Write("plain.txt", "Plain text");
    QWidget large, small;
    QFont font = large.font();
    font.setPointSize(22);
    large.setFont(font);
    font.setPointSize(6);
    small.setFont(font);
    TextArea inLarge(&large), inSmall(&small);
    for (const char* file : {"sized.rtf", "plain.txt"}) {
        for (TextArea* area : {&inLarge, &inSmall}) {
            area->setGeometry(0, 0, 200, 60);
            area->ShowFile(QString::fromLatin1(file));
        }
        EXPECT_EQ(inLarge.grab().toImage(), inSmall.grab().toImage()) << file;
    }
    inLarge.ShowFile(QStringLiteral("sized.rtf"));
    EXPECT_EQ(inLarge.document()->find(QStringLiteral("Twelve")).charFormat().property(QTextFormat::FontPixelSize).toInt(), 16);
}

} // namespace
