#pragma once
#include "platform/rtf_code_pages.h"
#include "platform/rtf_control_word.h"
#include "platform/rtf_document.h"
#include "platform/rtf_document_builder.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <vector>

// Reads rich-text help files into an RtfDocument in one linear pass. Damaged
// input never stops it: extra '}' are ignored, missing ones close at the end,
// groups nested deeper than MaxDepth are dropped, numbers are clamped and the
// output is bounded (RtfDocumentBuilder). Text after the outermost group ends is
// read on, so a stray '}' loses nothing.
class RtfReader {
public:
    static constexpr int MaxDepth = 256;

    // True when the bytes start with "{\rtf" after optional blanks.
    static bool IsRtf(const QByteArray& bytes);
    // defaultCodePage decodes 8-bit text when the document names no code page
    // (\ansicpg) and its font no character set. Throws VyxError when the
    // bytes are not RTF at all.
    static RtfDocument Read(const QByteArray& bytes, const QString& defaultCodePage);
    // One line per paragraph, joined by '\n'.
    static QString PlainText(const RtfDocument& document);

private:
    enum class Destination { Body, ListText, ListDefinition, FieldInstruction, FontTable, ColorTable, Skipped };

    // What a group carries and restores when it ends.
    struct GroupState {
        Destination m_destination = Destination::Body;
        bool m_bold = false;
        bool m_italic = false;
        bool m_underline = false;
        bool m_strike = false;
        bool m_hidden = false;
        int m_fontSize = 0;
        int m_font = -1;  // -1: the document's default font
        int m_color = -1;
        int m_background = -1;
        int m_unicodeSkip = 1;
        QString m_link;  // set by a HYPERLINK field's instruction for its result
        RtfParagraphFormat m_paragraph;
    };

    struct FontEntry {
        QString m_face;
        QString m_charsetCodePage;
        QString m_ownCodePage;  // \cpg, which wins over the character set
        bool m_named = false;
    };

    struct ControlToken {
        std::string_view m_name;
        bool m_hasParameter = false;
        int m_parameter = 0;
    };

    RtfReader(const QByteArray& bytes, const QString& defaultCodePage);
    RtfDocument Run();

    void OpenGroup();
    void CloseGroup();
    void ReadBackslash();
    ControlToken ReadControlWord();
    void ReadHexByte();
    void ControlSymbol(char symbol);
    void ControlWord(const ControlToken& token);
    bool EnterDestination(RtfControlWord::Kind kind);
    void BodyWord(RtfControlWord::Kind kind, const ControlToken& token);
    void DocumentWord(RtfControlWord::Kind kind, const ControlToken& token);
    bool CharacterFormatWord(RtfControlWord::Kind kind, const ControlToken& token);
    bool ParagraphFormatWord(RtfControlWord::Kind kind, const ControlToken& token);
    void FontTableWord(RtfControlWord::Kind kind, const ControlToken& token);
    void ColorTableWord(RtfControlWord::Kind kind, const ControlToken& token);

    void TextSpan(qsizetype start, qsizetype end);
    void TextByte(char byte, bool escaped);
    void AppendCharacters(const QString& text);
    void Flush();
    void Deliver(const QString& text);
    bool ConsumesFallback();
    void FinishListText();
    void FinishFont();
    void FinishFieldInstruction();

    GroupState& State() { return m_states.back(); }
    QString CodePageOfFont(int font) const;
    RtfCharFormat CurrentFormat() const;
    std::optional<RtfColor> ColorAt(int index) const;

    const QByteArray m_bytes;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_states;
    int m_ignoredDepth = 0;      // groups nested past MaxDepth
    bool m_groupStart = false;   // nothing but \* read since the last '{'
    bool m_starred = false;      // "\*" opened the current group
    int m_fallbackLeft = 0;      // characters still to skip after \uN

    RtfCodePages m_codePages;
    QByteArray m_pending;        // 8-bit text not yet decoded
    QString m_pendingCodePage;

    std::map<int, FontEntry> m_fonts;
    int m_fontBeingDefined = -1;
    int m_defaultFont = -1;
    std::vector<std::optional<RtfColor>> m_colors;
    RtfColor m_colorBeingDefined;
    bool m_colorHasValue = false;

    QString m_listText;
    QString m_fieldInstruction;
    RtfDocumentBuilder m_builder;
};
