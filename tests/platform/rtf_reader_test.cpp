#include "platform/rtf_document_builder.h"
#include "platform/rtf_reader.h"
#include "platform/vyx_error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>

namespace {

RtfDocument ReadRtf(const QByteArray& rtf, const QString& codePage = QStringLiteral("windows-1252"))
{
    return RtfReader::Read(rtf, codePage);
}

// The document's plain text as UTF-8, so that failures print readably.
std::string Plain(const RtfDocument& document)
{
    return RtfReader::PlainText(document).toStdString();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QStringList Words(const QString& text)
{
    QStringList words;
    QString word;
    for (QChar c : text) {
        if (c.isSpace()) {
            if (!word.isEmpty())
                words.append(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

// The run whose text holds the word; fails the test when there is none.
const RtfRun& RunWith(const RtfDocument& document, const QString& word)
{
    for (const RtfParagraph& paragraph : document.m_paragraphs)
        for (const RtfRun& run : paragraph.m_runs)
            if (run.m_text.contains(word))
                return run;
    ADD_FAILURE() << "no run holds " << word.toStdString();
    static const RtfRun none;
    return none;
}

const RtfParagraph& ParagraphWith(const RtfDocument& document, const QString& word)
{
    for (const RtfParagraph& paragraph : document.m_paragraphs)
        if (paragraph.Text().contains(word))
            return paragraph;
    ADD_FAILURE() << "no paragraph holds " << word.toStdString();
    static const RtfParagraph none;
    return none;
}

// Reference texts that render something differently from the text area, and
// how each is made comparable. Everything else must match word for word.
struct ReferenceException {
    QString m_file;
    std::function<QString(QString)> m_adjust;
};

const std::vector<ReferenceException>& Exceptions()
{
    static const std::vector<ReferenceException> exceptions = {
        // The reference prints each hyperlink's target in ("...") after its
        // text; the text area shows the link text only, as word processors do.
        {QStringLiteral("mac_textedit_hyperlink.rtf"),
         [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\(\"[^\"]*\"\\)"))); }},
        // The reference ends every table cell with '|'; the text area separates
        // cells with tabs.
        {QStringLiteral("simple_table.rtf"), [](QString text) { return text.replace(u'|', u' '); }},
        // The reference keeps \- as a soft hyphen (U+00AD); the text area drops
        // optional hyphens, which are invisible unless a line breaks there.
        {QStringLiteral("specialchars.rtf"), [](QString text) { return text.remove(QChar(0x00AD)); }},
        // A second document follows the first one's closing brace ("Text2:");
        // the reference prints it too, the text area shows the first only.
        {QStringLiteral("encoding.rtf"), [](QString text) { return text.left(text.indexOf(QLatin1String("Text2:*"))); }},
    };
    return exceptions;
}

void CompareWithReference(const QString& folder)
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << folder.toStdString();
    int compared = 0;
    for (const QString& name : files) {
        QString referencePath = folder + u'/' + QString(name).replace(QLatin1String(".rtf"), QLatin1String(".txt"));
        if (!QFile::exists(referencePath))
            continue;
        SCOPED_TRACE(name.toStdString());
        QString reference = QString::fromUtf8(ReadFile(referencePath));
        QStringList actual = Words(RtfReader::PlainText(ReadRtf(ReadFile(folder + u'/' + name))));
        auto exception = std::find_if(Exceptions().begin(), Exceptions().end(),
                                      [&](const ReferenceException& e) { return e.m_file == name; });
        if (exception != Exceptions().end())
            reference = exception->m_adjust(reference);
        QStringList expected = Words(reference);
        EXPECT_EQ(expected, actual);
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

} // namespace

TEST(RtfReaderFiles, TextOfIndependentFilesMatchesTheirReferenceWords)
{
    CompareWithReference(QStringLiteral(VYX_TESTDATA "/rtf"));
}

TEST(RtfReaderFiles, TextOfWordProcessorFilesMatchesHandWrittenText)
{
    CompareWithReference(QStringLiteral(VYX_OWN_TESTDATA "/rtf"));
}

TEST(RtfReaderFiles, WordProcessorFormattingReachesTheDocument)
{
    RtfDocument document = ReadRtf(ReadFile(QStringLiteral(VYX_OWN_TESTDATA "/rtf/formatting.rtf")));
    const RtfRun& warning = RunWith(document, QStringLiteral("warning"));
    EXPECT_TRUE(warning.m_format.m_bold);
    EXPECT_EQ(RtfColor({255, 0, 0}), warning.m_format.m_color);
    EXPECT_FALSE(RunWith(document, QStringLiteral(" in bold red")).m_format.m_bold);
    EXPECT_EQ(RtfColor({255, 255, 0}), RunWith(document, QStringLiteral("highlighted")).m_format.m_background);
    EXPECT_TRUE(RunWith(document, QStringLiteral("italic")).m_format.m_italic);
    EXPECT_TRUE(RunWith(document, QStringLiteral("underlined")).m_format.m_underline);
    EXPECT_TRUE(RunWith(document, QStringLiteral("struck")).m_format.m_strike);
    EXPECT_EQ(48, RunWith(document, QStringLiteral("large")).m_format.m_fontSize);
    EXPECT_EQ(QStringLiteral("Courier New"), RunWith(document, QStringLiteral("Courier line")).m_format.m_fontFace);
    EXPECT_EQ(RtfAlignment::Center, ParagraphWith(document, QStringLiteral("Welcome")).m_format.m_alignment);
    EXPECT_EQ(RtfAlignment::Right, ParagraphWith(document, QStringLiteral("Right aligned")).m_format.m_alignment);
    const RtfParagraph& justified = ParagraphWith(document, QStringLiteral("Justified"));
    EXPECT_EQ(RtfAlignment::Justify, justified.m_format.m_alignment);
    EXPECT_EQ(QStringLiteral("Justified paragraph with a line\nbreak inside it."), justified.Text());
    EXPECT_EQ(1440, ParagraphWith(document, QStringLiteral("one inch")).m_format.m_leftIndent);
}

TEST(RtfReaderFiles, WordProcessorListsAndTables)
{
    RtfDocument document = ReadRtf(ReadFile(QStringLiteral(VYX_OWN_TESTDATA "/rtf/lists_table.rtf")));
    const RtfParagraph& item = ParagraphWith(document, QStringLiteral("16 MB of memory"));
    EXPECT_TRUE(item.m_format.m_bullet);
    EXPECT_EQ(QStringLiteral("16 MB of memory"), item.Text());
    EXPECT_EQ(709, item.m_format.m_leftIndent);
    EXPECT_EQ(-283, item.m_format.m_firstLineIndent);
    const RtfParagraph& numbered = ParagraphWith(document, QStringLiteral("Insert the disc"));
    EXPECT_FALSE(numbered.m_format.m_bullet);
    EXPECT_EQ(QStringLiteral("1.\tInsert the disc"), numbered.Text());
    EXPECT_FALSE(ParagraphWith(document, QStringLiteral("Requirements")).m_format.m_bullet);
    EXPECT_EQ(QStringLiteral("Viewer\t2 MB\tVIEWER"), ParagraphWith(document, QStringLiteral("Viewer")).Text());

    RtfDocument minimal = ReadRtf(ReadFile(QStringLiteral(VYX_TESTDATA "/rtf/minimal_table.rtf")));
    EXPECT_EQ("cell 1\tcell 2\tcell 3", Plain(minimal));
}

TEST(RtfReaderFormat, CharacterFormatFollowsGroupsAndResets)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "plain {\\b\\cf1 bold red} {\\f1\\fs32\\ul under\\ulnone over} {\\i\\highlight2 it\\plain flat}"
        " {\\b\\i both\\b0 italic} {\\strike gone\\strike0 back}\\par}");
    EXPECT_EQ(RtfCharFormat({.m_fontFace = QStringLiteral("Times New Roman")}),
              RunWith(document, QStringLiteral("plain")).m_format);
    const RtfRun& boldRed = RunWith(document, QStringLiteral("bold red"));
    EXPECT_TRUE(boldRed.m_format.m_bold);
    EXPECT_EQ(RtfColor({255, 0, 0}), boldRed.m_format.m_color);
    const RtfRun& under = RunWith(document, QStringLiteral("under"));
    EXPECT_TRUE(under.m_format.m_underline);
    EXPECT_EQ(32, under.m_format.m_fontSize);
    EXPECT_EQ(QStringLiteral("Arial"), under.m_format.m_fontFace);
    EXPECT_FALSE(RunWith(document, QStringLiteral("over")).m_format.m_underline);
    EXPECT_EQ(RtfColor({0, 0, 255}), RunWith(document, QStringLiteral("it")).m_format.m_background);
    EXPECT_EQ(RunWith(document, QStringLiteral("plain")).m_format, RunWith(document, QStringLiteral("flat")).m_format);
    EXPECT_FALSE(RunWith(document, QStringLiteral("italic")).m_format.m_bold);
    EXPECT_TRUE(RunWith(document, QStringLiteral("italic")).m_format.m_italic);
    EXPECT_TRUE(RunWith(document, QStringLiteral("gone")).m_format.m_strike);
    EXPECT_FALSE(RunWith(document, QStringLiteral("back")).m_format.m_strike);
}

TEST(RtfReaderFormat, ParagraphFormatAppliesAtTheParagraphEnd)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1 \\qc\\sb120\\sa240 Title\\par"
        "\\pard\\li720\\fi-360\\ri100 Body\\line next\\par"
        "\\qr Right\\par\\pard\\qj Justified\\par\\pard Left}");
    ASSERT_EQ(5u, document.m_paragraphs.size());
    const RtfParagraphFormat& title = document.m_paragraphs[0].m_format;
    EXPECT_EQ(RtfAlignment::Center, title.m_alignment);
    EXPECT_EQ(120, title.m_spaceBefore);
    EXPECT_EQ(240, title.m_spaceAfter);
    const RtfParagraphFormat& body = document.m_paragraphs[1].m_format;
    EXPECT_EQ(RtfParagraphFormat({.m_leftIndent = 720, .m_firstLineIndent = -360, .m_rightIndent = 100}), body);
    EXPECT_EQ(RtfAlignment::Right, document.m_paragraphs[2].m_format.m_alignment);
    EXPECT_EQ(720, document.m_paragraphs[2].m_format.m_leftIndent);
    EXPECT_EQ(RtfAlignment::Justify, document.m_paragraphs[3].m_format.m_alignment);
    EXPECT_EQ(RtfParagraphFormat(), document.m_paragraphs[4].m_format);
    EXPECT_EQ("Title\nBody\nnext\nRight\nJustified\nLeft", Plain(document));
}

TEST(RtfReaderText, CodePagesOfDocumentAndFonts)
{
    // \'e8 is c-caron in windows-1250 and e-grave in windows-1252.
    RtfDocument czech = ReadRtf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial CE;}}"
                                "\\f1 \\'e8\\'e1st \\f0 \\'e8\\par}");
    EXPECT_EQ("část è", Plain(czech));
    RtfDocument cyrillic = ReadRtf("{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'e0}");
    EXPECT_EQ("Да", Plain(cyrillic));
    RtfDocument greek = ReadRtf("{\\rtf1{\\fonttbl{\\f0\\fcharset161 Arial Greek;}}\\f0 \\'e1}");
    EXPECT_EQ("α", Plain(greek));
    // Without \ansicpg the caller's code page decides.
    EXPECT_EQ("ě", Plain(ReadRtf("{\\rtf1\\ansi \\'ec}", "windows-1250")));
    EXPECT_EQ("•", Plain(ReadRtf("{\\rtf1{\\fonttbl{\\f3\\fcharset2 Symbol;}}\\f3 \\'b7}")));
}

TEST(RtfReaderText, UnicodeEscapesSkipTheirFallback)
{
    EXPECT_EQ("Ř, ž!", Plain(ReadRtf("{\\rtf1 \\u344R, \\u382\\'9e!}")));
    EXPECT_EQ("日本x", Plain(ReadRtf("{\\rtf1\\uc2 \\u26085\\'93\\'fa\\u26412 ??x}")));
    EXPECT_EQ("€x", Plain(ReadRtf("{\\rtf1\\uc0 \\u8364 x}")));
    // Negative values count from 65536; a group end stops the skipping.
    EXPECT_EQ("\uFF21a", Plain(ReadRtf("{\\rtf1 {\\u-223}a}")));
    EXPECT_EQ("😀", Plain(ReadRtf("{\\rtf1 \\u-10179?\\u-8704?}")));
}

TEST(RtfReaderText, SymbolsAndSpecialCharacters)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1 a\\~b\\_c\\-d \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet"
        " \\{\\}\\\\ x\\tab y}");
    EXPECT_EQ("a\u00A0b\u2011cd —–‘’“”•{}\\ x\ty", Plain(document));
}

TEST(RtfReaderText, DestinationsThatHoldNoBodyText)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 Normal;}}"
        "{\\info{\\title Secret}{\\author Me}}{\\*\\generator Writer;}{\\header head}{\\footer foot}"
        "{\\*\\unknownthing junk}{\\pict\\wmetafile8 0102ff}{\\*\\bkmkstart mark}"
        "Visible {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}} {\\v hidden}shown"
        " {\\footnote note}\\bin3 {x}end}");
    EXPECT_EQ("Visible link shown end", Plain(document));
}

TEST(RtfReaderText, HyperlinkFieldsMarkTheirResultWithTheTarget)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1 See {\\field{\\*\\fldinst{ HYPERLINK \"http://ex.com/a b\" \\\\o \"tip\"}}"
        "{\\fldrslt{\\ul\\plain site}}} and "
        "{\\field{\\*\\fldinst HYPERLINK \\\\l \"mark\"}{\\fldrslt here}}"
        "{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}} after}");
    EXPECT_EQ("See site and here3 after", Plain(document));
    std::vector<std::pair<QString, QString>> links;
    for (const RtfRun& run : document.m_paragraphs.at(0).m_runs)
        links.emplace_back(run.m_text, run.m_format.m_link);
    const std::vector<std::pair<QString, QString>> expected = {
        {QStringLiteral("See "), QString()},
        {QStringLiteral("site"), QStringLiteral("http://ex.com/a b")},
        {QStringLiteral(" and here3 after"), QString()}};
    EXPECT_EQ(expected, links) << "a bookmark jump and other fields link nowhere";
}

TEST(RtfReaderText, BulletsFromListMarkers)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}"
        "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\fi-360\\li720 One\\par"
        "{\\pntext\\f1\\'b7\\tab}Two\\par"
        "\\pard{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}Three\\par"
        "\\pard Plain\\par"
        "{\\pntext 1.\\tab}First\\par}");
    ASSERT_EQ(5u, document.m_paragraphs.size());
    EXPECT_TRUE(document.m_paragraphs[0].m_format.m_bullet);
    EXPECT_EQ(QStringLiteral("One"), document.m_paragraphs[0].Text());
    EXPECT_TRUE(document.m_paragraphs[1].m_format.m_bullet);
    EXPECT_TRUE(document.m_paragraphs[2].m_format.m_bullet);
    EXPECT_FALSE(document.m_paragraphs[3].m_format.m_bullet);
    EXPECT_FALSE(document.m_paragraphs[4].m_format.m_bullet);
    EXPECT_EQ(QStringLiteral("1.\tFirst"), document.m_paragraphs[4].Text());
}

TEST(RtfReaderDamage, InputThatIsNotRtfIsRefused)
{
    EXPECT_TRUE(RtfReader::IsRtf(" \r\n\t{\\rtf1}"));
    EXPECT_FALSE(RtfReader::IsRtf("Plain help text"));
    EXPECT_FALSE(RtfReader::IsRtf("{\\rt"));
    EXPECT_THROW(ReadRtf("Plain help text"), VyxError);
    EXPECT_THROW(ReadRtf(""), VyxError);
    EXPECT_THROW(ReadRtf(QByteArray(5 * 1024 * 1024, '{')), VyxError);
}

TEST(RtfReaderDamage, UnbalancedBracesAndCutOffInput)
{
    EXPECT_EQ("bold", Plain(ReadRtf("{\\rtf1 {\\b bold}} extra} text}}")));
    RtfDocument open = ReadRtf("{\\rtf1 {\\b bold {\\i more");
    EXPECT_EQ("bold more", Plain(open));
    EXPECT_TRUE(RunWith(open, QStringLiteral("more")).m_format.m_bold);
    EXPECT_TRUE(RunWith(open, QStringLiteral("more")).m_format.m_italic);
    for (const char* cut : {"{\\rtf1 abc\\", "{\\rtf1 abc\\'", "{\\rtf1 abc\\'4", "{\\rtf1 abc\\u", "{\\rtf1 abc\\u-",
                            "{\\rtf1 abc\\bin99", "{\\rtf1 abc{\\*"})
        EXPECT_EQ("abc", Plain(ReadRtf(cut))) << cut;
}

TEST(RtfReaderDamage, HugeNumbersAreClamped)
{
    RtfDocument document = ReadRtf(
        "{\\rtf1\\li99999999999999999999\\fi-99999999999999999999 {\\fs99999999999999999999 big}"
        " {\\f99999999999999999999\\cf99999999999999999999 odd}\\u99999999999999999999 ?\\par}");
    const RtfRun& big = RunWith(document, QStringLiteral("big"));
    EXPECT_GT(big.m_format.m_fontSize, 0);
    EXPECT_LE(big.m_format.m_fontSize, 3276);  // the largest size RichEdit shows: 1638 points
    EXPECT_EQ(RtfCharFormat(), RunWith(document, QStringLiteral("odd")).m_format);
    const RtfParagraphFormat& format = document.m_paragraphs.at(0).m_format;
    EXPECT_GT(format.m_leftIndent, 0);
    EXPECT_LT(format.m_firstLineIndent, 0);
    EXPECT_LE(format.m_leftIndent, 31680);
    EXPECT_GE(format.m_firstLineIndent, -31680);
    EXPECT_EQ("big odd\uFFFD", Plain(document));
}

TEST(RtfReaderDamage, DeepNestingKeepsOnlyTextWithinTheDepthLimit)
{
    QByteArray shallow = "{\\rtf1 " + QByteArray(RtfReader::MaxDepth - 1, '{') + "kept"
                         + QByteArray(RtfReader::MaxDepth - 1, '}') + "}";
    EXPECT_EQ("kept", Plain(ReadRtf(shallow)));
    QByteArray deep = "{\\rtf1 {\\b " + QByteArray(100000, '{') + "lost" + QByteArray(100000, '}') + "after}}";
    RtfDocument document = ReadRtf(deep);
    EXPECT_EQ("after", Plain(document));
    EXPECT_TRUE(RunWith(document, QStringLiteral("after")).m_format.m_bold);
    EXPECT_TRUE(ReadRtf("{\\rtf1 " + QByteArray(5 * 1024 * 1024, '{')).m_paragraphs.empty());
}

TEST(RtfReaderDamage, NothingAfterTheDocumentsGroupIsText)
{
    EXPECT_EQ("hello", Plain(ReadRtf("{\\rtf1 hello}}} after")));
    EXPECT_EQ("hello", Plain(ReadRtf("{\\rtf1 hello} {\\b after}")));
}

TEST(RtfReaderDamage, OutputStaysWithinItsBounds)
{
    RtfDocument long_ = ReadRtf("{\\rtf1 " + QByteArray(5 * 1024 * 1024, 'a') + "}");
    EXPECT_TRUE(long_.m_truncated);
    EXPECT_EQ(RtfDocumentBuilder::MaxTextLength, RtfReader::PlainText(long_).size());

    RtfDocument paragraphs = ReadRtf("{\\rtf1 " + QByteArray("x\\par ").repeated(300000) + "}");
    EXPECT_LE(paragraphs.m_paragraphs.size(), RtfDocumentBuilder::MaxParagraphs);
    EXPECT_EQ(300000, Words(RtfReader::PlainText(paragraphs)).size());

    RtfDocument runs = ReadRtf("{\\rtf1 " + QByteArray("{\\b a}{\\i b}").repeated(150000) + "}");
    ASSERT_EQ(1u, runs.m_paragraphs.size());
    EXPECT_LE(runs.m_paragraphs[0].m_runs.size(), RtfDocumentBuilder::MaxRuns);
    EXPECT_EQ(QByteArray("ab").repeated(150000).toStdString(), Plain(runs));
    EXPECT_FALSE(runs.m_truncated);
}
