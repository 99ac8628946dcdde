#include "platform/profile_file.h"
#include "platform/profile_values.h"
#include "platform/vyx_error.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

TEST(ProfileValues, IntegerForms)
{
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"640", 640},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"$280", 640},
        {"$ff", 255},
        {"0x280", 640},
        {"0X280", 640},
        {"0x1", 1},
        {"$FFFFFFFF", -1},
        {"0xFFFFFFFF", -1},
        {"$80000000", Int32Min},
        {"$000000010", 16},
        {"2147483647", Int32Max},
        {"-2147483648", Int32Min},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"0x1G", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseProfileInt(text), expected);
    }
}

TEST(ProfileValues, IntegersAndBooleansFallBackToTheirDefaults)
{
    ProfileFile ini;
    ini.Parse("[MAIN]\nSizeX=0x280\nSizeY=abc\nScrollEnd=\nHideBorder=2\nHandCursor=0\n"
              "SimpleEsc=-1\nReSort=yes\nCustomShape=$0\n");
    EXPECT_EQ(ReadProfileInt(ini, "MAIN", "SizeX", 1), 640);
    EXPECT_EQ(ReadProfileInt(ini, "MAIN", "SizeY", 460), 460);
    EXPECT_EQ(ReadProfileInt(ini, "MAIN", "ScrollEnd", 3), 3);
    EXPECT_EQ(ReadProfileInt(ini, "MAIN", "Absent", -1), -1);
    for (bool fallback : {false, true}) {
        EXPECT_TRUE(ReadProfileBool(ini, "MAIN", "HideBorder", fallback));
        EXPECT_FALSE(ReadProfileBool(ini, "MAIN", "HandCursor", fallback));
        EXPECT_TRUE(ReadProfileBool(ini, "MAIN", "SimpleEsc", fallback));
        EXPECT_FALSE(ReadProfileBool(ini, "MAIN", "CustomShape", fallback));
        EXPECT_EQ(ReadProfileBool(ini, "MAIN", "ReSort", fallback), fallback);
        EXPECT_EQ(ReadProfileBool(ini, "MAIN", "Absent", fallback), fallback);
    }
}

TEST(ProfileValues, IntegerAndBooleanTextsReadBack)
{
    for (int32_t value : {0, 1, -1, 640, Int32Min, Int32Max})
        EXPECT_EQ(ParseProfileInt(IntToText(value)), value);
    EXPECT_EQ(IntToText(-40), QByteArray("-40"));
    EXPECT_EQ(BoolToText(true), QByteArray("1"));
    EXPECT_EQ(BoolToText(false), QByteArray("0"));
}

TEST(ProfileValues, EveryColourNameReadsAndWritesAsItsValue)
{
    const std::pair<const char*, uint32_t> rgb[] = {
        {"clBlack", 0x000000},   {"clMaroon", 0x000080}, {"clGreen", 0x008000},
        {"clOlive", 0x008080},   {"clNavy", 0x800000},   {"clPurple", 0x800080},
        {"clTeal", 0x808000},    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},     {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
        {"clWhite", 0xFFFFFF},
    };
    const char* system[] = {
        "clScrollBar",  "clBackground",     "clActiveCaption", "clInactiveCaption",
        "clMenu",       "clWindow",         "clWindowFrame",   "clMenuText",
        "clWindowText", "clCaptionText",    "clActiveBorder",  "clInactiveBorder",
        "clAppWorkSpace", "clHighlight",    "clHighlightText", "clBtnFace",
        "clBtnShadow",  "clGrayText",       "clBtnText",       "clInactiveCaptionText",
        "clBtnHighlight", "cl3DDkShadow",   "cl3DLight",       "clInfoText",
        "clInfoBk",
    };
    std::vector<std::pair<QByteArray, uint32_t>> all;
    for (const auto& [name, value] : rgb)
        all.emplace_back(name, value);
    for (uint32_t i = 0; i < std::size(system); ++i)
        all.emplace_back(system[i], 0x80000000u + i);
    ASSERT_EQ(all.size(), 41u);
    for (const auto& [name, value] : all) {
        SCOPED_TRACE(name.constData());
        EXPECT_EQ(ParseColor(name), value);
        EXPECT_EQ(ParseColor(name.toUpper()), value);
        EXPECT_EQ(ParseColor(name.toLower()), value);
        EXPECT_EQ(ColorToText(value), name);
    }
}

TEST(ProfileValues, ColourNumbers)
{
    EXPECT_EQ(ParseColor("$00FF0000"), Colors::clBlue);
    EXPECT_EQ(ParseColor("$ff"), Colors::clRed);
    EXPECT_EQ(ParseColor("255"), Colors::clRed);
    EXPECT_EQ(ParseColor("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ColorToText(0x00123456), QByteArray("$00123456"));
    EXPECT_EQ(ColorToText(0x00ABCDEF), QByteArray("$00ABCDEF"));
    EXPECT_EQ(ColorToText(0x80000019), QByteArray("$80000019"));
    for (uint32_t color : {0x00ABCDEFu, 0x1FFFFFFFu, 0xFFFFFFFFu})
        EXPECT_EQ(ParseColor(ColorToText(color)), color);
}

TEST(ProfileValues, ColourThatIsNoNumberThrows)
{
    for (const char* text : {"", "0x10", "clNope", "12a", "$", "$100000000"}) {
        SCOPED_TRACE(text);
        try {
            ParseColor(text);
            ADD_FAILURE() << "no error";
        } catch (const VyxError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

TEST(ProfileValues, AbsentColourTakesTheDefaultButAnEmptyOneThrows)
{
    ProfileFile ini;
    ini.Parse("[TextInfo]\nFontColor=CLWHITE\nBackGroundColor=\n");
    EXPECT_EQ(ReadProfileColor(ini, "TextInfo", "FontColor", 0), Colors::clWhite);
    EXPECT_EQ(ReadProfileColor(ini, "TextInfo", "Absent", Colors::clInfoBk), Colors::clInfoBk);
    EXPECT_THROW(ReadProfileColor(ini, "TextInfo", "BackgroundColor", Colors::clWhite), VyxError);
}

} // namespace
