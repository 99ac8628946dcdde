#include "platform/profile_values.h"

#include "platform/hex_digit.h"

#include "platform/code_page.h"
#include "platform/profile_file.h"
#include "platform/vyx_error.h"

#include <array>
#include <charconv>
#include <limits>

namespace {

struct NamedColor {
    const char* name;
    uint32_t value;
};

// The sixteen RGB colours, then the system colours in index order.
constexpr std::array<NamedColor, 41> NamedColors{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000}, {"clPurple", 0x800080},
    {"clTeal", 0x808000}, {"clGray", 0x808080}, {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", Colors::SystemColorBase + 0}, {"clBackground", Colors::SystemColorBase + 1},
    {"clActiveCaption", Colors::SystemColorBase + 2},
    {"clInactiveCaption", Colors::SystemColorBase + 3}, {"clMenu", Colors::SystemColorBase + 4},
    {"clWindow", Colors::SystemColorBase + 5}, {"clWindowFrame", Colors::SystemColorBase + 6},
    {"clMenuText", Colors::SystemColorBase + 7}, {"clWindowText", Colors::SystemColorBase + 8},
    {"clCaptionText", Colors::SystemColorBase + 9},
    {"clActiveBorder", Colors::SystemColorBase + 10},
    {"clInactiveBorder", Colors::SystemColorBase + 11},
    {"clAppWorkSpace", Colors::SystemColorBase + 12},
    {"clHighlight", Colors::SystemColorBase + 13},
    {"clHighlightText", Colors::SystemColorBase + 14},
    {"clBtnFace", Colors::SystemColorBase + 15}, {"clBtnShadow", Colors::SystemColorBase + 16},
    {"clGrayText", Colors::SystemColorBase + 17}, {"clBtnText", Colors::SystemColorBase + 18},
    {"clInactiveCaptionText", Colors::SystemColorBase + 19},
    {"clBtnHighlight", Colors::SystemColorBase + 20},
    {"cl3DDkShadow", Colors::SystemColorBase + 21}, {"cl3DLight", Colors::SystemColorBase + 22},
    {"clInfoText", Colors::SystemColorBase + 23}, {"clInfoBk", Colors::SystemColorBase + 24},
}};

// Hex digits (at least one) whose value fits in 32 bits, wrapped into int32.
std::optional<int32_t> ParseHex(QByteArrayView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + uint64_t(digit);
        if (value > std::numeric_limits<uint32_t>::max())
            return std::nullopt;
    }
    return int32_t(uint32_t(value));
}

// An optional sign and decimal digits within the int32 range.
std::optional<int32_t> ParseDecimal(QByteArrayView text)
{
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return int32_t(negative ? -value : value);
}

std::optional<int32_t> ParseNumber(QByteArrayView text, bool allow0x)
{
    if (text.startsWith('$'))
        return ParseHex(text.sliced(1));
    if (allow0x && text.size() > 2 && (text.startsWith("0x") || text.startsWith("0X")))
        return ParseHex(text.sliced(2));
    return ParseDecimal(text);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool SameIgnoringAsciiCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<int32_t> ParseProfileInt(const QByteArray& text)
{
    return ParseNumber(text, true);
}

int32_t ReadProfileInt(const ProfileFile& file, const QByteArray& section, const QByteArray& key,
                       int32_t defaultValue)
{
    const std::optional<QByteArray> text = file.ReadString(section, key);
    return text ? ParseProfileInt(*text).value_or(defaultValue) : defaultValue;
}

bool ReadProfileBool(const ProfileFile& file, const QByteArray& section, const QByteArray& key,
                     bool defaultValue)
{
    const std::optional<QByteArray> text = file.ReadString(section, key);
    const std::optional<int32_t> value = text ? ParseProfileInt(*text) : std::nullopt;
    return value ? *value != 0 : defaultValue;
}

uint32_t ParseColor(const QByteArray& text)
{
    for (const NamedColor& color : NamedColors) {
        if (SameIgnoringAsciiCase(text, color.name))
            return color.value;
    }
    const std::optional<int32_t> value = ParseNumber(text, false);
    if (!value)
        ThrowNotValidInteger(CodePage::ToUnicode(text));
    return uint32_t(*value);
}

uint32_t ReadProfileColor(const ProfileFile& file, const QByteArray& section, const QByteArray& key,
                          uint32_t defaultValue)
{
    const std::optional<QByteArray> text = file.ReadString(section, key);
    return text ? ParseColor(*text) : defaultValue;
}

QByteArray IntToText(int32_t value)
{
    // std::to_chars into a buffer: QByteArray::number costs several times more.
    char text[12];
    return QByteArray(text, std::to_chars(text, text + sizeof text, value).ptr - text);
}

QByteArray BoolToText(bool value) { return value ? "1" : "0"; }

QByteArray ColorToText(uint32_t color)
{
    for (const NamedColor& named : NamedColors) {
        if (named.value == color)
            return named.name;
    }
    return '$' + QByteArray::number(color, 16).toUpper().rightJustified(8, '0');
}

bool TextNeedsQuotes(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    return blank(text.front()) || blank(text.back()) || quoted;
}

QByteArray QuotedText(QByteArrayView text)
{
    QByteArray quoted;
    quoted.reserve(text.size() + 2);
    return quoted.append('"').append(text).append('"');
}
