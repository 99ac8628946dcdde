#include "platform/rtf_reader.h"

#include "platform/hex_digit.h"

#include "platform/vyx_error.h"

#include <QStringList>
#include <algorithm>

namespace {

using Kind = RtfControlWord::Kind;

constexpr int MaxParameter = 1'000'000'000;
constexpr qsizetype MaxWordLength = 32;
constexpr int MaxTwips = 31680;  // 22 inches, the widest page RTF knows
constexpr int MaxFontSize = 3276;
constexpr int MaxFallback = 64;
constexpr size_t MaxTableEntries = 4096;
constexpr qsizetype MaxFaceLength = 256;
constexpr qsizetype MaxInstructionLength = 4096;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Bytes read as text as they stand; line ends and other controls are not.
bool IsText(char c)
{
    return c != '{' && c != '}' && c != '\\' && static_cast<unsigned char>(c) >= 0x20;
}

int Twips(int value)
{
    return std::clamp(value, -MaxTwips, MaxTwips);
}

// The words of a field instruction; a quoted word keeps its blanks.
QStringList InstructionWords(const QString& instruction)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool any = false;
    for (QChar c : instruction) {
        if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && c.isSpace()) {
            if (any)
                words << word;
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words << word;
    return words;
}

// The target of "HYPERLINK "url" [\o "tip"] [\t "frame"]"; a jump to a
// bookmark inside the document (\l) or any other field gives none.
QString HyperlinkTarget(const QString& instruction)
{
    const QStringList words = InstructionWords(instruction);
    if (words.isEmpty() || words.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == u"\\l")
            return {};
        if (word == u"\\o" || word == u"\\t" || word == u"\\m")
            ++i; // the switch's argument
        else if (!word.startsWith(u'\\'))
            return word;
    }
    return {};
}

} // namespace

bool RtfReader::IsRtf(const QByteArray& bytes)
{
    qsizetype start = 0;
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t'
                                    || bytes[start] == '\r' || bytes[start] == '\n'))
        ++start;
    return bytes.mid(start, 5) == "{\\rtf";
}

RtfDocument RtfReader::Read(const QByteArray& bytes, const QString& defaultCodePage)
{
    if (!IsRtf(bytes))
        throw VyxError(QStringLiteral("Not an RTF document: it does not begin with {\\rtf"));
    return RtfReader(bytes, defaultCodePage).Run();
}

QString RtfReader::PlainText(const RtfDocument& document)
{
    QStringList lines;
    for (const RtfParagraph& paragraph : document.m_paragraphs)
        lines.append(paragraph.Text());
    return lines.join(u'\n');
}

RtfReader::RtfReader(const QByteArray& bytes, const QString& defaultCodePage)
    : m_bytes(bytes), m_states(1), m_codePages(defaultCodePage)
{
}

RtfDocument RtfReader::Run()
{
    while (m_pos < m_bytes.size()) {
        char c = m_bytes[m_pos];
        if (c == '{') {
            ++m_pos;
            OpenGroup();
        } else if (c == '}') {
            ++m_pos;
            CloseGroup();
            if (m_states.size() == 1 && m_ignoredDepth == 0)
                break; // the document's group has ended: what follows is not part of it
        } else if (c == '\\') {
            ReadBackslash();
        } else if (IsText(c)) {
            qsizetype end = m_pos + 1;
            while (end < m_bytes.size() && IsText(m_bytes[end]))
                ++end;
            TextSpan(m_pos, end);
            m_pos = end;
        } else {
            ++m_pos;
            if (c == '\t')
                ControlWord({"tab"});
        }
    }
    while (m_states.size() > 1)
        CloseGroup();
    Flush();
    return m_builder.Finish(State().m_paragraph);
}

void RtfReader::OpenGroup()
{
    Flush();
    m_fallbackLeft = 0;
    if (m_ignoredDepth > 0 || m_states.size() > MaxDepth) {
        ++m_ignoredDepth;
        return;
    }
    m_states.push_back(State());
    m_groupStart = true;
    m_starred = false;
}

void RtfReader::CloseGroup()
{
    Flush();
    m_fallbackLeft = 0;
    m_groupStart = false;
    if (m_ignoredDepth > 0) {
        --m_ignoredDepth;
        return;
    }
    if (m_states.size() <= 1)
        return;  // a '}' without its '{'
    Destination closing = State().m_destination;
    Destination parent = m_states[m_states.size() - 2].m_destination;
    if (closing == Destination::ListText && parent != Destination::ListText)
        FinishListText();
    if (closing == Destination::FontTable)
        FinishFont();
    if (closing == Destination::FieldInstruction && parent != Destination::FieldInstruction)
        FinishFieldInstruction();
    m_states.pop_back();
}

void RtfReader::ReadBackslash()
{
    ++m_pos;
    if (m_pos >= m_bytes.size())
        return;
    char c = m_bytes[m_pos];
    if (IsLetter(c)) {
        ControlToken token = ReadControlWord();
        ControlWord(token);
        if (token.m_name == "bin" && token.m_parameter > 0)
            m_pos += std::min<qsizetype>(token.m_parameter, m_bytes.size() - m_pos);
    } else if (c == '\'') {
        ++m_pos;
        ReadHexByte();
    } else {
        ++m_pos;
        ControlSymbol(c);
    }
}

// Letters, an optional signed number and one optional delimiting space; an
// over-long word comes back with an empty name (unknown), a huge number clamped.
RtfReader::ControlToken RtfReader::ReadControlWord()
{
    ControlToken token;
    qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && IsLetter(m_bytes[m_pos]))
        ++m_pos;
    if (m_pos - start <= MaxWordLength)
        token.m_name = std::string_view(m_bytes.constData() + start, m_pos - start);
    bool negative = m_pos + 1 < m_bytes.size() && m_bytes[m_pos] == '-'
                    && IsDigit(m_bytes[m_pos + 1]);
    if (negative)
        ++m_pos;
    long long value = 0;
    while (m_pos < m_bytes.size() && IsDigit(m_bytes[m_pos])) {
        token.m_hasParameter = true;
        value = std::min<long long>(value * 10 + (m_bytes[m_pos] - '0'), MaxParameter);
        ++m_pos;
    }
    token.m_parameter = static_cast<int>(negative ? -value : value);
    if (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
        ++m_pos;
    return token;
}

void RtfReader::ReadHexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_bytes.size() && HexDigitValue(m_bytes[m_pos]) >= 0) {
        value = value * 16 + HexDigitValue(m_bytes[m_pos]);
        ++m_pos;
        ++digits;
    }
    m_groupStart = false;
    if (digits == 2)
        TextByte(static_cast<char>(value), true);
}

void RtfReader::ControlSymbol(char symbol)
{
    if (symbol == '*') {
        if (m_groupStart)
            m_starred = true;
        return;
    }
    m_groupStart = false;
    switch (symbol) {
    case '{':
    case '}':
    case '\\':
        TextByte(symbol, true);
        return;
    case '\r':
    case '\n':
        ControlWord({"par"});
        return;
    default:
        break;
    }
    if (ConsumesFallback())
        return;
    if (symbol == '~')
        AppendCharacters(QString(QChar(0x00A0)));
    else if (symbol == '_')
        AppendCharacters(QString(QChar(0x2011)));
}

void RtfReader::ControlWord(const ControlToken& token)
{
    if (ConsumesFallback())
        return;
    Flush();
    if (m_ignoredDepth > 0)
        return;
    RtfControlWord word = RtfControlWord::Find(token.m_name);
    bool groupStart = m_groupStart;
    bool starred = m_starred;
    m_groupStart = false;
    m_starred = false;
    GroupState& state = State();
    // A destination word belongs at the start of its group; inside a nested
    // group it is honoured anywhere, as damaged files put text before it.
    bool nested = m_states.size() > 2;
    if ((groupStart || nested) && state.m_destination != Destination::Skipped
        && EnterDestination(word.m_kind))
        return;
    if (groupStart && starred) {
        state.m_destination = Destination::Skipped;
        return;
    }
    if (word.m_kind == Kind::UnicodeSkip) {
        state.m_unicodeSkip = std::clamp(token.m_parameter, 0, MaxFallback);
        return;
    }
    switch (state.m_destination) {
    case Destination::Body:
    case Destination::ListText:
        if (word.m_kind == Kind::Character)
            AppendCharacters(QString(QChar(word.m_character)));
        else
            BodyWord(word.m_kind, token);
        break;
    case Destination::ListDefinition:
        if (word.m_kind == Kind::BulletLevel)
            m_builder.SetBullet();
        break;
    case Destination::FontTable:
        FontTableWord(word.m_kind, token);
        break;
    case Destination::ColorTable:
        ColorTableWord(word.m_kind, token);
        break;
    case Destination::FieldInstruction:
    case Destination::Skipped:
        break;
    }
}

// A destination word at the start of a group decides what the group holds.
bool RtfReader::EnterDestination(RtfControlWord::Kind kind)
{
    GroupState& state = State();
    switch (kind) {
    case Kind::FontTable:
        state.m_destination = Destination::FontTable;
        return true;
    case Kind::ColorTable:
        state.m_destination = Destination::ColorTable;
        m_colors.clear();
        m_colorBeingDefined = RtfColor();
        m_colorHasValue = false;
        return true;
    case Kind::ListText:
        if (state.m_destination == Destination::Body) {
            state.m_destination = Destination::ListText;
            m_listText.clear();
        }
        return true;
    case Kind::ListDefinition:
        state.m_destination = Destination::ListDefinition;
        return true;
    case Kind::FieldInstruction:
        state.m_destination = Destination::FieldInstruction;
        m_fieldInstruction.clear();
        return true;
    case Kind::SkippedDestination:
        state.m_destination = Destination::Skipped;
        return true;
    default:
        return false;
    }
}

void RtfReader::BodyWord(RtfControlWord::Kind kind, const ControlToken& token)
{
    if (CharacterFormatWord(kind, token) || ParagraphFormatWord(kind, token))
        return;
    bool body = State().m_destination == Destination::Body;
    switch (kind) {
    case Kind::Tab:
        AppendCharacters(QStringLiteral("\t"));
        break;
    case Kind::Line:
        AppendCharacters(QStringLiteral("\n"));
        break;
    case Kind::Paragraph:
    case Kind::Row:
        if (body)
            m_builder.EndParagraph(State().m_paragraph);
        break;
    case Kind::Cell:
        if (body)
            m_builder.EndCell();
        break;
    case Kind::UnicodeCharacter: {
        int code = token.m_parameter < 0 ? token.m_parameter + 65536 : token.m_parameter;
        if (code > 0xFFFF || code < 0)
            code = 0xFFFD;
        if (code != 0)
            AppendCharacters(QString(QChar(static_cast<char16_t>(code))));
        m_fallbackLeft = State().m_unicodeSkip;
        break;
    }
    default:
        DocumentWord(kind, token);
        break;
    }
}

void RtfReader::DocumentWord(RtfControlWord::Kind kind, const ControlToken& token)
{
    switch (kind) {
    case Kind::DefaultFont:
        m_defaultFont = token.m_parameter;
        break;
    case Kind::AnsiCodePage:
        m_codePages.SetDocumentCodePage(RtfCodePages::NameOfNumber(token.m_parameter));
        break;
    case Kind::MacCodePage:
        m_codePages.SetDocumentCodePage(QStringLiteral("macintosh"));
        break;
    case Kind::PcCodePage:
        m_codePages.SetDocumentCodePage(QStringLiteral("IBM437"));
        break;
    case Kind::Pc850CodePage:
        m_codePages.SetDocumentCodePage(QStringLiteral("IBM850"));
        break;
    default:
        break;
    }
}

bool RtfReader::CharacterFormatWord(RtfControlWord::Kind kind, const ControlToken& token)
{
    GroupState& state = State();
    bool on = !token.m_hasParameter || token.m_parameter != 0;
    switch (kind) {
    case Kind::Plain: {
        GroupState plain;
        plain.m_destination = state.m_destination;
        plain.m_unicodeSkip = state.m_unicodeSkip;
        plain.m_paragraph = state.m_paragraph;
        plain.m_link = state.m_link; // \plain inside a link's text keeps the link
        state = plain;
        return true;
    }
    case Kind::Bold: state.m_bold = on; return true;
    case Kind::Italic: state.m_italic = on; return true;
    case Kind::Underline: state.m_underline = on; return true;
    case Kind::UnderlineNone: state.m_underline = false; return true;
    case Kind::Strike: state.m_strike = on; return true;
    case Kind::Hidden: state.m_hidden = on; return true;
    case Kind::FontSize: state.m_fontSize = std::clamp(token.m_parameter, 0, MaxFontSize); return true;
    case Kind::Font: state.m_font = token.m_parameter; return true;
    case Kind::ForeColor: state.m_color = token.m_parameter; return true;
    case Kind::BackColor: state.m_background = token.m_parameter; return true;
    default: return false;
    }
}

bool RtfReader::ParagraphFormatWord(RtfControlWord::Kind kind, const ControlToken& token)
{
    RtfParagraphFormat& paragraph = State().m_paragraph;
    switch (kind) {
    case Kind::ParagraphDefault: paragraph = RtfParagraphFormat(); return true;
    case Kind::AlignLeft: paragraph.m_alignment = RtfAlignment::Left; return true;
    case Kind::AlignCenter: paragraph.m_alignment = RtfAlignment::Center; return true;
    case Kind::AlignRight: paragraph.m_alignment = RtfAlignment::Right; return true;
    case Kind::AlignJustify: paragraph.m_alignment = RtfAlignment::Justify; return true;
    case Kind::LeftIndent: paragraph.m_leftIndent = Twips(token.m_parameter); return true;
    case Kind::FirstLineIndent: paragraph.m_firstLineIndent = Twips(token.m_parameter); return true;
    case Kind::RightIndent: paragraph.m_rightIndent = Twips(token.m_parameter); return true;
    case Kind::SpaceBefore: paragraph.m_spaceBefore = Twips(token.m_parameter); return true;
    case Kind::SpaceAfter: paragraph.m_spaceAfter = Twips(token.m_parameter); return true;
    default: return false;
    }
}

void RtfReader::FontTableWord(RtfControlWord::Kind kind, const ControlToken& token)
{
    switch (kind) {
    case Kind::Font:
        FinishFont();
        if (token.m_parameter >= 0
            && (m_fonts.size() < MaxTableEntries || m_fonts.count(token.m_parameter) > 0)) {
            m_fontBeingDefined = token.m_parameter;
            m_fonts[m_fontBeingDefined] = FontEntry();
        }
        break;
    case Kind::FontCharset:
        if (m_fontBeingDefined >= 0)
            m_fonts[m_fontBeingDefined].m_charsetCodePage =
                RtfCodePages::NameOfCharset(token.m_parameter);
        break;
    case Kind::FontCodePage:
        if (m_fontBeingDefined >= 0)
            m_fonts[m_fontBeingDefined].m_ownCodePage =
                RtfCodePages::NameOfNumber(token.m_parameter);
        break;
    case Kind::UnicodeCharacter:
        BodyWord(kind, token);
        break;
    default:
        break;
    }
}

void RtfReader::ColorTableWord(RtfControlWord::Kind kind, const ControlToken& token)
{
    int value = std::clamp(token.m_parameter, 0, 255);
    switch (kind) {
    case Kind::Red: m_colorBeingDefined.m_red = value; break;
    case Kind::Green: m_colorBeingDefined.m_green = value; break;
    case Kind::Blue: m_colorBeingDefined.m_blue = value; break;
    default: return;
    }
    m_colorHasValue = true;
}

// One byte of 8-bit text; what it means depends on the destination.
void RtfReader::TextByte(char byte, bool escaped)
{
    m_groupStart = false;
    if (m_ignoredDepth > 0 || ConsumesFallback())
        return;
    const GroupState& state = State();
    QString codePage;
    switch (state.m_destination) {
    case Destination::Body:
        if (state.m_hidden)
            return;
        codePage = CodePageOfFont(state.m_font);
        break;
    case Destination::ListText:
    case Destination::FieldInstruction:
        codePage = CodePageOfFont(state.m_font);
        break;
    case Destination::FontTable:
        if (byte == ';' && !escaped) {
            FinishFont();
            return;
        }
        codePage = CodePageOfFont(m_fontBeingDefined);
        break;
    case Destination::ColorTable:
        if (byte == ';' && m_colors.size() < MaxTableEntries) {
            m_colors.push_back(m_colorHasValue ? std::optional(m_colorBeingDefined) : std::nullopt);
            m_colorBeingDefined = RtfColor();
            m_colorHasValue = false;
        }
        return;
    default:
        return;
    }
    if (!m_pending.isEmpty() && codePage != m_pendingCodePage)
        Flush();
    m_pendingCodePage = codePage;
    m_pending.append(byte);
}

// A stretch of literal text: body text goes to the pending bytes in one go,
// anything else byte by byte.
void RtfReader::TextSpan(qsizetype start, qsizetype end)
{
    const GroupState& state = State();
    bool bulk = m_ignoredDepth == 0
                && ((state.m_destination == Destination::Body && !state.m_hidden)
                    || state.m_destination == Destination::ListText);
    while (start < end && (!bulk || m_fallbackLeft > 0))
        TextByte(m_bytes[start++], false);
    if (start == end)
        return;
    m_groupStart = false;
    QString codePage = CodePageOfFont(state.m_font);
    if (!m_pending.isEmpty() && codePage != m_pendingCodePage)
        Flush();
    m_pendingCodePage = codePage;
    m_pending.append(m_bytes.constData() + start, end - start);
}

// Text that is already Unicode (\uN, \emdash, \tab, ...).
void RtfReader::AppendCharacters(const QString& text)
{
    if (m_ignoredDepth > 0)
        return;
    Flush();
    Deliver(text);
}

void RtfReader::Flush()
{
    if (m_pending.isEmpty())
        return;
    QString text = m_codePages.Decode(m_pending, m_pendingCodePage);
    m_pending.clear();
    Deliver(text);
}

void RtfReader::Deliver(const QString& text)
{
    const GroupState& state = State();
    switch (state.m_destination) {
    case Destination::Body:
        if (!state.m_hidden)
            m_builder.AppendText(text, CurrentFormat());
        break;
    case Destination::ListText:
        if (m_listText.size() < MaxFaceLength)
            m_listText += text;
        break;
    case Destination::FieldInstruction:
        if (m_fieldInstruction.size() < MaxInstructionLength)
            m_fieldInstruction += text;
        break;
    case Destination::FontTable:
        if (m_fontBeingDefined >= 0 && !m_fonts[m_fontBeingDefined].m_named
            && m_fonts[m_fontBeingDefined].m_face.size() < MaxFaceLength)
            m_fonts[m_fontBeingDefined].m_face += text;
        break;
    default:
        break;
    }
}

// After \uN the next \ucN characters (bytes, \'hh, control words) are the
// fallback for readers without Unicode and are dropped.
bool RtfReader::ConsumesFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

// A list item's marker: one symbol is a bullet; anything longer ("1.", "a)")
// is a number, kept as text in front of the item.
void RtfReader::FinishListText()
{
    QString marker = m_listText.trimmed();
    bool single = marker.size() == 1 || (marker.size() == 2 && marker[0].isHighSurrogate());
    if (single)
        m_builder.SetBullet();
    else if (!marker.isEmpty())
        m_builder.AppendText(marker + u'\t', CurrentFormat());
    m_listText.clear();
}

// The field's result, the group that follows the instruction, links to its target.
void RtfReader::FinishFieldInstruction()
{
    Flush();
    m_states[m_states.size() - 2].m_link = HyperlinkTarget(m_fieldInstruction);
    m_fieldInstruction.clear();
}

void RtfReader::FinishFont()
{
    Flush();
    if (m_fontBeingDefined < 0)
        return;
    FontEntry& entry = m_fonts[m_fontBeingDefined];
    if (!entry.m_named) {
        entry.m_face = entry.m_face.trimmed();
        entry.m_named = true;
    }
    m_fontBeingDefined = -1;
}

QString RtfReader::CodePageOfFont(int font) const
{
    auto found = m_fonts.find(font < 0 ? m_defaultFont : font);
    if (found == m_fonts.end())
        return QString();
    const FontEntry& entry = found->second;
    return entry.m_ownCodePage.isEmpty() ? entry.m_charsetCodePage : entry.m_ownCodePage;
}

RtfCharFormat RtfReader::CurrentFormat() const
{
    const GroupState& state = m_states.back();
    RtfCharFormat format;
    format.m_bold = state.m_bold;
    format.m_italic = state.m_italic;
    format.m_underline = state.m_underline;
    format.m_strike = state.m_strike;
    format.m_fontSize = state.m_fontSize;
    format.m_link = state.m_link;
    auto font = m_fonts.find(state.m_font < 0 ? m_defaultFont : state.m_font);
    if (font != m_fonts.end())
        format.m_fontFace = font->second.m_face;
    format.m_color = ColorAt(state.m_color);
    if (state.m_background > 0)
        format.m_background = ColorAt(state.m_background);
    return format;
}

std::optional<RtfColor> RtfReader::ColorAt(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= m_colors.size())
        return std::nullopt;
    return m_colors[index];
}
