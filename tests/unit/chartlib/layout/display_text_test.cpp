#include "chartlib/layout/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ChartLib {
namespace {

struct Case {
    const char* name;
    std::u16string raw;
    std::u16string drawn;
};

QStringView viewOf(const std::u16string& text) {
    return QStringView(text.data(), qsizetype(text.size()));
}

TEST(DisplayText, DrawsUpToZeroWithSurrogatesAndControlsMadeHarmless) {
    const Case cases[] = {
        {"plain text stays", u" Tokyo 東京", u" Tokyo 東京"},
        {"empty stays empty", u"", u""},
        {"cut at the first zero", std::u16string(u" A\0B\0\0", 6), u" A"},
        {"zero first gives empty", std::u16string(u"\0abc", 4), u""},
        {"pair kept", u"a\U0001F600b", u"a\U0001F600b"},
        {"lone high",
         u"a\xD83D"
         u"b",
         u"a\xFFFD"
         u"b"},
        {"lone low",
         u"a\xDE00"
         u"b",
         u"a\xFFFD"
         u"b"},
        {"high at the end", u"a\xD83D", u"a\xFFFD"},
        {"two highs", u"\xD83D\xD83D\xDE00", u"\xFFFD\U0001F600"},
        {"reversed pair", u"\xDE00\xD83D", u"\xFFFD\xFFFD"},
        {"controls become blanks",
         u"a\tb\nc\rd\x7F"
         u"e\x85"
         u"f\x2028g",
         u"a b c d e f g"},
        {"noncharacters stay", u"\xFFFF\xFFFE", u"\xFFFF\xFFFE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(displayText(viewOf(c.raw)), QStringView(viewOf(c.drawn)).toString());
    }
}

TEST(DisplayText, LimitNeverSplitsAPair) {
    const std::u16string raw = u"ab\U0001F600cd";
    EXPECT_EQ(displayText(viewOf(raw), 3), QStringLiteral("ab"));
    EXPECT_EQ(displayText(viewOf(raw), 4), QString::fromStdU16String(u"ab\U0001F600"));
    EXPECT_EQ(displayText(viewOf(raw), 0), QString());
    EXPECT_EQ(displayText(viewOf(raw), 100), QString::fromStdU16String(raw));
}

}  // namespace
}  // namespace ChartLib
