#include "ui/widgets/rtf_text_document.h"

#include "platform/rtf_document.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

// Windows lays out text at 96 logical pixels per inch whatever the screen: so
// do both text areas (the editor's and the preview's), in pixels.
constexpr double PixelsPerTwip = 96.0 / 1440.0;
constexpr double PixelsPerHalfPoint = 96.0 / 144.0;

QColor ToQColor(const RtfColor& c) { return QColor(c.m_red, c.m_green, c.m_blue); }

QTextCharFormat CharFormat(const RtfCharFormat& f)
{
    QTextCharFormat format;
    format.setFontWeight(f.m_bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.m_italic);
    format.setFontUnderline(f.m_underline);
    format.setFontStrikeOut(f.m_strike);
    if (f.m_fontSize > 0)
        format.setProperty(QTextFormat::FontPixelSize, qMax(1, qRound(f.m_fontSize * PixelsPerHalfPoint)));
    if (!f.m_fontFace.isEmpty())
        format.setFontFamilies({f.m_fontFace});
    if (f.m_color)
        format.setForeground(ToQColor(*f.m_color));
    if (f.m_background)
        format.setBackground(ToQColor(*f.m_background));
    return format;
}

Qt::Alignment Alignment(RtfAlignment a)
{
    switch (a) {
    case RtfAlignment::Center:
        return Qt::AlignHCenter;
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Justify:
        return Qt::AlignJustify;
    case RtfAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat BlockFormat(const RtfParagraphFormat& f)
{
    QTextBlockFormat format;
    format.setAlignment(Alignment(f.m_alignment));
    format.setLeftMargin(f.m_leftIndent * PixelsPerTwip);
    format.setTextIndent(f.m_firstLineIndent * PixelsPerTwip);
    format.setRightMargin(f.m_rightIndent * PixelsPerTwip);
    format.setTopMargin(f.m_spaceBefore * PixelsPerTwip);
    format.setBottomMargin(f.m_spaceAfter * PixelsPerTwip);
    return format;
}

} // namespace

void FillTextDocument(QTextDocument& document, const RtfDocument& rtf)
{
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const RtfParagraph& paragraph : rtf.m_paragraphs) {
        if (!first)
            cursor.insertBlock();
        first = false;
        cursor.setBlockFormat(BlockFormat(paragraph.m_format));
        if (paragraph.m_format.m_bullet)
            cursor.insertText(QStringLiteral("\u2022 "));
        for (const RtfRun& run : paragraph.m_runs) {
            QString text = run.m_text;
            text.replace(u'\n', QChar::LineSeparator);
            cursor.insertText(text, CharFormat(run.m_format));
        }
    }
}
