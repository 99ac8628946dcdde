#include "model/comma_text.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

TEST(CommaText, SplitsAtCommasAndBlanksKeepingQuotedValuesWhole)
{
    const struct {
        const char* text;
        QStringList values;
    } cases[] = {
        {"Play", {"Play"}},
        {"Play now", {"Play", "now"}},
        {"  Play,now", {"Play", "now"}},
        {"Play , now", {"Play", "now"}},
        {"a\tb", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"\"Play now\",x", {"Play now", "x"}},
        {"\"a,b\"", {"a,b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"\"", {""}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCommaText(c.text), c.values) << c.text;
}

TEST(CommaText, QuotesOnlyValuesThatNeedIt)
{
    EXPECT_EQ(ToCommaText({"Play"}), "Play");
    EXPECT_EQ(ToCommaText({"Play", "now"}), "Play,now");
    EXPECT_EQ(ToCommaText({"Play now"}), "\"Play now\"");
    EXPECT_EQ(ToCommaText({"a,b"}), "\"a,b\"");
    EXPECT_EQ(ToCommaText({"a\tb"}), "\"a\tb\"");
    EXPECT_EQ(ToCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(ToCommaText({""}), "\"\"") << "a single empty value";
    EXPECT_EQ(ToCommaText({}), "");
    EXPECT_EQ(ToCommaText({"a", "", "b"}), "a,,b") << "an empty value among others holds nothing to quote";
}

TEST(CommaText, ValuesSurviveARoundTrip)
{
    const QStringList lists[] = {
        {"Open"}, {"Play", "now"}, {"Play now", "x,y", "q\"uote"}, {""}, {"a", "", "b"}, {},
    };
    for (const QStringList& values : lists)
        EXPECT_EQ(ParseCommaText(ToCommaText(values)), values) << ToCommaText(values).toStdString();
}

} // namespace
