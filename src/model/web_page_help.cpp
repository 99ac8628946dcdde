#include "model/web_page_help.h"

#include "platform/code_page.h"
#include "platform/rtf_document.h"
#include "platform/rtf_reader.h"

#include <QStringList>
#include <array>

namespace {

// Windows lays out text at 96 logical pixels per inch, as the editor's text area does.
constexpr double PixelsPerTwip = 96.0 / 1440.0;
constexpr double PixelsPerHalfPoint = 96.0 / 144.0;

QString Px(double pixels) { return QString::number(pixels, 'g', 6) + QStringLiteral("px"); }

QString Rgb(const RtfColor& c) { return QStringLiteral("#%1%2%3").arg(c.m_red, 2, 16, QChar(u'0')).arg(c.m_green, 2, 16, QChar(u'0')).arg(c.m_blue, 2, 16, QChar(u'0')); }

// CSS quotes a font name; the markup quotes the style attribute.
QString FontFamily(const QString& face)
{
    QString quoted = face;
    quoted.remove(u'"').remove(u'\\').remove(u';');
    return u'\'' + quoted.replace(u'\'', QStringLiteral("\\'")) + QStringLiteral("',sans-serif");
}

QString RunStyle(const RtfCharFormat& f)
{
    QStringList style;
    if (!f.m_fontFace.isEmpty())
        style << QStringLiteral("font-family:") + FontFamily(f.m_fontFace);
    if (f.m_fontSize > 0)
        style << QStringLiteral("font-size:") + Px(qMax(1, qRound(f.m_fontSize * PixelsPerHalfPoint)));
    if (f.m_color)
        style << QStringLiteral("color:") + Rgb(*f.m_color);
    if (f.m_background)
        style << QStringLiteral("background-color:") + Rgb(*f.m_background);
    if (f.m_bold)
        style << QStringLiteral("font-weight:bold");
    if (f.m_italic)
        style << QStringLiteral("font-style:italic");
    if (f.m_underline || f.m_strike)
        style << QStringLiteral("text-decoration:") + QStringList{f.m_underline ? QStringLiteral("underline") : QString(),
                                                                  f.m_strike ? QStringLiteral("line-through") : QString()}
                                                          .join(u' ')
                                                          .trimmed();
    return style.join(u';');
}

QString Alignment(RtfAlignment a)
{
    switch (a) {
    case RtfAlignment::Center: return QStringLiteral("center");
    case RtfAlignment::Right: return QStringLiteral("right");
    case RtfAlignment::Justify: return QStringLiteral("justify");
    case RtfAlignment::Left: break;
    }
    return QStringLiteral("left");
}

QString ParagraphStyle(const RtfParagraphFormat& f)
{
    QStringList style;
    if (f.m_alignment != RtfAlignment::Left)
        style << QStringLiteral("text-align:") + Alignment(f.m_alignment);
    const std::array<std::pair<const char*, int>, 5> measures = {{{"margin-left", f.m_leftIndent},
                                                                  {"text-indent", f.m_firstLineIndent},
                                                                  {"margin-right", f.m_rightIndent},
                                                                  {"margin-top", f.m_spaceBefore},
                                                                  {"margin-bottom", f.m_spaceAfter}}};
    for (const auto& [property, twips] : measures)
        if (twips != 0)
            style << QString::fromLatin1(property) + u':' + Px(twips * PixelsPerTwip);
    return style.join(u';');
}

// Text with line breaks as <br>; tabs and runs of blanks stay (the paragraphs
// keep white space as the editor's view does).
QString TextHtml(const QString& text)
{
    return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

QString Attribute(const char* name, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" %1=\"%2\"").arg(QLatin1String(name), value.toHtmlEscaped());
}

QString RunHtml(const RtfRun& run)
{
    const QString style = RunStyle(run.m_format);
    QString html = style.isEmpty() ? TextHtml(run.m_text)
                                   : QStringLiteral("<span%1>%2</span>").arg(Attribute("style", style), TextHtml(run.m_text));
    if (!run.m_format.m_link.isEmpty())
        html = QStringLiteral("<a%1 target=\"_blank\" rel=\"noopener\">%2</a>").arg(Attribute("href", run.m_format.m_link), html);
    return html;
}

QString Paragraph(const QString& style, const QString& content)
{
    // An empty paragraph still takes a line, as in the editor's view.
    return QStringLiteral("<p%1>%2</p>").arg(Attribute("style", style), content.isEmpty() ? QStringLiteral("<br>") : content);
}

} // namespace

QString WebPageHelp::FromRtf(const RtfDocument& document)
{
    QString html;
    for (const RtfParagraph& paragraph : document.m_paragraphs) {
        QString content = paragraph.m_format.m_bullet ? QStringLiteral("\u2022 ") : QString();
        for (const RtfRun& run : paragraph.m_runs)
            content += RunHtml(run);
        html += Paragraph(ParagraphStyle(paragraph.m_format), content);
    }
    return html;
}

QString WebPageHelp::FromPlainText(const QString& text)
{
    QString html;
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString& line : lines.split(u'\n'))
        html += Paragraph(QString(), line.toHtmlEscaped());
    return html;
}

QString WebPageHelp::FromFile(const QByteArray& bytes)
{
    if (RtfReader::IsRtf(bytes))
        return FromRtf(RtfReader::Read(bytes, CodePage::Name()));
    return FromPlainText(CodePage::ToUnicode(bytes));
}

QString WebPageHelp::CssColor(uint32_t color)
{
    // CSS keeps the Windows system colours under these names, in index order.
    static const std::array<const char*, 25> system = {
        "Scrollbar",   "Background",  "ActiveCaption",  "InactiveCaption",     "Menu",
        "Window",      "WindowFrame", "MenuText",       "WindowText",          "CaptionText",
        "ActiveBorder", "InactiveBorder", "AppWorkspace", "Highlight",         "HighlightText",
        "ButtonFace",  "ButtonShadow", "GrayText",      "ButtonText",          "InactiveCaptionText",
        "ButtonHighlight", "ThreeDDarkShadow", "ThreeDLightShadow", "InfoText", "InfoBackground"};
    if (color & 0x80000000u) {
        const uint32_t index = color & 0xFFu;
        return index < system.size() ? QString::fromLatin1(system[index]) : QStringLiteral("black");
    }
    return Rgb({int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)});
}
