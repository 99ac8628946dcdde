#pragma once
#include <string_view>

// What the RTF reader does with a control word; the table in the .cpp maps
// every word it knows (and the many synonyms writers use) onto these.
class RtfControlWord {
public:
    enum class Kind {
        Unknown,
        // groups whose first word names them
        FontTable, ColorTable, ListText, ListDefinition, FieldInstruction, SkippedDestination,
        // text
        Paragraph, Line, Tab, Cell, Row, Character, UnicodeCharacter, UnicodeSkip, Binary,
        // character format
        Plain, Bold, Italic, Underline, UnderlineNone, Strike, Hidden, FontSize, Font,
        ForeColor, BackColor,
        // paragraph format
        ParagraphDefault, AlignLeft, AlignCenter, AlignRight, AlignJustify,
        LeftIndent, FirstLineIndent, RightIndent, SpaceBefore, SpaceAfter, BulletLevel,
        // document, font table and colour table
        DefaultFont, AnsiCodePage, MacCodePage, PcCodePage, Pc850CodePage,
        FontCharset, FontCodePage, Red, Green, Blue,
    };

    Kind m_kind = Kind::Unknown;
    char16_t m_character = 0;  // for Kind::Character

    static RtfControlWord Find(std::string_view name);
};
