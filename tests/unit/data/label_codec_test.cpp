#include "data/label_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace chartview::data {
namespace {

std::string repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

std::u16string unescapeOk(std::string_view text) {
    auto result = unescapeLabel(text);
    if (const auto* error = std::get_if<LabelError>(&result)) {
        ADD_FAILURE() << "unexpected error: " << error->message;
        return {};
    }
    return std::get<std::u16string>(result);
}

struct EscapeCase {
    const char* name;
    std::u16string units;
    std::string text;  // what escapeLabel writes
};

// Exact text, and that the text reads back to the same units.
TEST(LabelCodec, EscapesWhatCannotBePlainAndRoundTrips) {
    const EscapeCase cases[] = {
        {"empty", u"", ""},
        {"ASCII with CSV specials kept plain", u"a, \"b\"", "a, \"b\""},
        {"zero unit", std::u16string(1, u'\0'), "\\u0000"},
        {"zero units between text", std::u16string(u"a\0\0b", 4), "a\\u0000\\u0000b"},
        {"backslash", u"C:\\x", "C:\\\\x"},
        {"text that looks like an escape", u"\\u0041", "\\\\u0041"},
        {"line breaks and tab", u"a\r\n\tb", "a\\u000D\\u000A\\u0009b"},
        {"DEL and C1 control", u"\u007F\u0085", "\\u007F\\u0085"},
        {"byte order mark character", u"\uFEFFa", "\\uFEFFa"},
        {"emoji as a surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
        {"lone high surrogate", std::u16string(1, char16_t(0xD83D)), "\\uD83D"},
        {"lone low surrogate", std::u16string(1, char16_t(0xDE00)), "\\uDE00"},
        {"pair in the wrong order", std::u16string{char16_t(0xDE00), char16_t(0xD83D)},
         "\\uDE00\\uD83D"},
        {"high surrogate before a plain unit", std::u16string{char16_t(0xD800), u'a'}, "\\uD800a"},
        {"Hebrew right to left", u"\u05E9\u05DC\u05D5\u05DD", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"},
        {"Arabic with a mark", u"\u0645\u0631\u062D\u0628\u0627\u200F",
         "\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7\xE2\x80\x8F"},
        {"Japanese", u"\u58F2\u4E0A", "\xE5\xA3\xB2\xE4\xB8\x8A"},
        {"noncharacter U+FFFF is plain", u"\uFFFF", "\xEF\xBF\xBF"},
        {"64 two-byte units", std::u16string(64, u'\u05D0'), repeated("\xD7\x90", 64)},
        {"64 zero units", std::u16string(64, u'\0'), repeated("\\u0000", 64)},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = escapeLabel(c.units);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(unescapeOk(text), c.units);
    }
}

TEST(LabelCodec, EveryCodeUnitAloneAndNextToAnyOtherRoundTrips) {
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const std::u16string units{char16_t(unit), u'x', char16_t(unit), char16_t(0xD800)};
        const std::string text = escapeLabel(units);
        ASSERT_EQ(unescapeOk(text), units) << "unit " << unit;
        ASSERT_EQ(text.find_first_of("\r\n"), std::string::npos) << "unit " << unit;
    }
}

TEST(LabelCodec, ReadsEscapesInEitherCase) {
    EXPECT_EQ(unescapeOk("\\u00e9\\u00E9"), u"\u00E9\u00E9");
    EXPECT_EQ(unescapeOk("\\uD83D\\uDE00"), u"\U0001F600");
    EXPECT_EQ(unescapeOk("a\\\\\\u0000"), std::u16string(u"a\\\0", 3));
}

struct ErrorCase {
    const char* name;
    std::string text;
    std::string message;
};

TEST(LabelCodec, RejectsBadEscapesAndInvalidUtf8) {
    const std::string badEscape = " (use \\uXXXX for a code unit, \\\\ for a backslash)";
    const ErrorCase cases[] = {
        {"unknown escape", "ab\\n", "label has a bad escape at byte 3" + badEscape},
        {"backslash at the end", "a\\", "label has a bad escape at byte 2" + badEscape},
        {"short escape", "\\u12", "label has a bad escape at byte 1" + badEscape},
        {"non-hex digit", "\\u12G4", "label has a bad escape at byte 1" + badEscape},
        {"upper-case U", "\\U0041", "label has a bad escape at byte 1" + badEscape},
        {"lone continuation byte", "a\x80", "label has invalid UTF-8 at byte 2"},
        {"overlong two-byte slash", "\xC0\xAF", "label has invalid UTF-8 at byte 1"},
        {"overlong three-byte", "\xE0\x80\xAF", "label has invalid UTF-8 at byte 1"},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF", "label has invalid UTF-8 at byte 1"},
        {"encoded surrogate", "\xED\xA0\x80", "label has invalid UTF-8 at byte 1"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "label has invalid UTF-8 at byte 1"},
        {"lead byte F5", "\xF5\x80\x80\x80", "label has invalid UTF-8 at byte 1"},
        {"byte FF", "ok\xFF", "label has invalid UTF-8 at byte 3"},
        {"truncated at the end", "x\xE2\x82", "label has invalid UTF-8 at byte 2"},
        {"truncated before ASCII", "\xE2\x82x", "label has invalid UTF-8 at byte 1"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = unescapeLabel(c.text);
        ASSERT_TRUE(std::holds_alternative<LabelError>(result));
        EXPECT_EQ(std::get<LabelError>(result).message, c.message);
    }
}

}  // namespace
}  // namespace chartview::data
