#include "platform/code_page.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Puts the default code page back whatever a test selected.
class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override { CodePage::Select(QStringLiteral("windows-1252")); }
};

TEST_F(CodePageTest, TheDefaultIsTheOneWindowsPicksForTheLocale)
{
    EXPECT_EQ(CodePage::Name(), CodePage::DefaultFor(QLocale::system()));
    const std::pair<const char*, const char*> cases[] = {
        {"cs_CZ", "windows-1250"}, {"pl_PL", "windows-1250"}, {"ru_RU", "windows-1251"}, {"uk_UA", "windows-1251"},
        {"el_GR", "windows-1253"}, {"tr_TR", "windows-1254"}, {"de_DE", "windows-1252"}, {"C", "windows-1252"},
    };
    for (const auto& [locale, codePage] : cases)
        EXPECT_EQ(CodePage::DefaultFor(QLocale(QString::fromLatin1(locale))), QString::fromLatin1(codePage)) << locale;
    EXPECT_EQ(CodePage::Available().mid(0, 2), QStringList({"windows-1250", "windows-1251"}));
    EXPECT_TRUE(CodePage::Available().contains(QStringLiteral("windows-1258")));
}

// The first character that would not come back, a surrogate pair whole.
TEST_F(CodePageTest, TheFirstCharacterThatDoesNotFitIsNamed)
{
    EXPECT_EQ(CodePage::FirstUnencodable(QStringLiteral("Můj disk ř")), QStringLiteral("ů"));
    EXPECT_EQ(CodePage::FirstUnencodable(QStringLiteral("Café € ?")), std::nullopt);
    EXPECT_EQ(CodePage::FirstUnencodable(QStringLiteral("a😀")), QStringLiteral("😀"));
    EXPECT_TRUE(CodePage::RefusalMessage(QStringLiteral("ů")).contains(QStringLiteral("\"ů\" (U+016f)")));
    ASSERT_TRUE(CodePage::Select(QStringLiteral("windows-1250")));
    EXPECT_EQ(CodePage::FirstUnencodable(QStringLiteral("Můj disk ř")), std::nullopt);
}

TEST_F(CodePageTest, WesternTextRoundTrips)
{
    ASSERT_TRUE(CodePage::Select(QStringLiteral("windows-1252")));
    EXPECT_EQ(CodePage::ToUnicode("Caf\xE9 \x80"), QStringLiteral("Café €"));
    EXPECT_EQ(CodePage::FromUnicode(QStringLiteral("Café €")), QByteArray("Caf\xE9 \x80"));
}

TEST_F(CodePageTest, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    for (const char* codePage : {"windows-1252", "windows-1250"}) {
        ASSERT_TRUE(CodePage::Select(QString::fromLatin1(codePage)));
        // Twice: the first failure must not spoil the next conversion.
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(CodePage::FromUnicode(QStringLiteral("a中b😀c\u001A")), QByteArray("a?b?c\x1A"));
            EXPECT_EQ(CodePage::FromUnicode(QStringLiteral("ab")), QByteArray("ab"));
        }
    }
}

TEST_F(CodePageTest, CentralEuropeanLettersRoundTrip)
{
    ASSERT_TRUE(CodePage::Select(QStringLiteral("windows-1250")));
    EXPECT_EQ(CodePage::Name(), QStringLiteral("windows-1250"));
    const QString czech = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy");
    const QByteArray bytes = CodePage::FromUnicode(czech);
    EXPECT_EQ(bytes.size(), czech.size());
    EXPECT_EQ(bytes.left(6), QByteArray("P\xF8\xEDli\x9A"));
    EXPECT_EQ(bytes.mid(7, 9), QByteArray("\x9Elu\x9Dou\xE8k\xFD"));
    EXPECT_EQ(CodePage::ToUnicode(bytes), czech);
}

TEST_F(CodePageTest, UnknownNameKeepsTheCurrentCodePage)
{
    ASSERT_TRUE(CodePage::Select(QStringLiteral("windows-1250")));
    EXPECT_FALSE(CodePage::Select(QStringLiteral("no-such-code-page")));
    EXPECT_FALSE(CodePage::Select(QString()));
    EXPECT_EQ(CodePage::Name(), QStringLiteral("windows-1250"));
    EXPECT_EQ(CodePage::ToUnicode("\xF8"), QStringLiteral("ř"));
}

} // namespace
