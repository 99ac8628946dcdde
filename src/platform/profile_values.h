#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

class ProfileFile;

// Integer text as the profile reader's callers take it: decimal, "$" hex, and
// "0x"/"0X" hex only when the text is longer than two characters.
std::optional<int32_t> ParseProfileInt(const QByteArray& text);

// A missing key or a non-number gives the default.
int32_t ReadProfileInt(const ProfileFile& file, const QByteArray& section, const QByteArray& key,
                       int32_t defaultValue);
bool ReadProfileBool(const ProfileFile& file, const QByteArray& section, const QByteArray& key,
                     bool defaultValue);

// Colour: a name in any letter case, decimal or "$" hex; anything else throws
// VyxError("'%s' is not a valid integer value"). An absent key gives the default.
uint32_t ParseColor(const QByteArray& text);
uint32_t ReadProfileColor(const ProfileFile& file, const QByteArray& section, const QByteArray& key,
                          uint32_t defaultValue);

// Written forms: decimal, "1"/"0", and the colour's name when it has one,
// else "$" and eight upper-case hex digits.
QByteArray IntToText(int32_t value);
QByteArray BoolToText(bool value);
QByteArray ColorToText(uint32_t color);

// A text as written so that the reader gives it back exactly: a text whose outer
// blanks or outer pair of quotes the reader would strip gets one pair of quotes
// around it (the player's reader strips that pair the same way).
bool TextNeedsQuotes(QByteArrayView text);
QByteArray QuotedText(QByteArrayView text);

// Well-known colour values (0x00BBGGRR, system colours 0x80000000 + index).
namespace Colors {
constexpr uint32_t clBlack = 0x000000;
constexpr uint32_t clWhite = 0xFFFFFF;
constexpr uint32_t clRed = 0x0000FF;
constexpr uint32_t clBlue = 0xFF0000;
constexpr uint32_t SystemColorBase = 0x80000000u;
constexpr uint32_t clWindowText = SystemColorBase + 8;
constexpr uint32_t clInactiveCaptionText = SystemColorBase + 19;
constexpr uint32_t clInfoText = SystemColorBase + 23;
constexpr uint32_t clInfoBk = SystemColorBase + 24;
} // namespace Colors
