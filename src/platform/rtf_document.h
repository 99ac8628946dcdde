#pragma once
#include <QString>
#include <optional>
#include <vector>

// A rich-text help file as plain data, ready for any text view to show.
// A line break inside a paragraph (RTF \line) is a '\n' inside a run's text
// (a QTextDocument wants it as U+2028 when the run is inserted); table cells are
// separated by '\t' and each table row is one paragraph.

struct RtfColor {
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;

    bool operator==(const RtfColor&) const = default;
};

struct RtfCharFormat {
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strike = false;
    int m_fontSize = 0;                    // half-points; 0 = the view's default
    QString m_fontFace;                    // empty = the view's default
    std::optional<RtfColor> m_color;       // none = the view's text colour
    std::optional<RtfColor> m_background;  // none = no highlight
    QString m_link;                        // a HYPERLINK field's target; empty = none

    bool operator==(const RtfCharFormat&) const = default;
};

enum class RtfAlignment { Left, Center, Right, Justify };

// Measures are twips; the first-line indent is relative to the left indent.
struct RtfParagraphFormat {
    RtfAlignment m_alignment = RtfAlignment::Left;
    int m_leftIndent = 0;
    int m_firstLineIndent = 0;
    int m_rightIndent = 0;
    int m_spaceBefore = 0;
    int m_spaceAfter = 0;
    bool m_bullet = false;

    bool operator==(const RtfParagraphFormat&) const = default;
};

struct RtfRun {
    QString m_text;
    RtfCharFormat m_format;
};

struct RtfParagraph {
    RtfParagraphFormat m_format;
    std::vector<RtfRun> m_runs;

    QString Text() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> m_paragraphs;
    bool m_truncated = false;  // the input held more text than the reader keeps
};
