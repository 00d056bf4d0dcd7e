#include "input/launch_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace chartview {
namespace {

using Fields = std::array<std::string, LaunchFields::kCount>;

Fields allFields(const LaunchFields& fields) {
    Fields result;
    for (int i = 0; i < LaunchFields::kCount; ++i) {
        result[i] = fields[static_cast<LaunchField>(i)];
    }
    return result;
}

// Eight fields with `choice` as CaptionChoice and `kind` as ChartKind.
LaunchFields withChoiceAndKind(const std::string& choice, const std::string& kind) {
    const std::string text = "data.dat|Caption A|Caption B|" + choice + "|" + kind + "|S1|S2|1";
    return LaunchFields::split(text).value();
}

TEST(LaunchFieldsSplit, RefusesAnyCountButEight) {
    struct Case {
        const char* name;
        std::string_view text;
    };
    const Case cases[] = {
        {"empty text has no fields", ""},
        {"one field", "data.dat"},
        {"seven fields", "a|b|c|d|e|f|g"},
        {"nine fields", "a|b|c|d|e|f|g|h|i"},
        {"trailing bar makes nine", "a|b|c|d|e|f|g|h|"},
        {"leading bar makes nine", "|a|b|c|d|e|f|g|h"},
        {"bar inside a caption makes nine", "d.dat|Sales|Q1|Costs|0|0|A|B|1"},
        {"bars only, eight of them", "||||||||"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(LaunchFields::split(c.text).has_value());
    }
}

TEST(LaunchFieldsSplit, KeepsEveryFieldExactlyAsGiven) {
    struct Case {
        const char* name;
        std::string_view text;
        Fields expected;
    };
    const Case cases[] = {
        {"plain", "d.dat|A|B|0|1|S1|S2|1", {"d.dat", "A", "B", "0", "1", "S1", "S2", "1"}},
        {"seven bars give eight empty fields", "|||||||", {}},
        {"leading bar gives empty first",
         "|A|B|0|1|S1|S2|1",
         {"", "A", "B", "0", "1", "S1", "S2", "1"}},
        {"trailing bar gives empty last",
         "d|A|B|0|1|S1|S2|",
         {"d", "A", "B", "0", "1", "S1", "S2", ""}},
        {"blanks kept",
         " d.dat | A|B | 0|0 |  |S 2|1 ",
         {" d.dat ", " A", "B ", " 0", "0 ", "  ", "S 2", "1 "}},
        {"quotes and escapes kept",
         "\"d.dat\"|'A'|B\\n|%41|1|S1|S2|1",
         {"\"d.dat\"", "'A'", "B\\n", "%41", "1", "S1", "S2", "1"}},
        {"bytes that are not UTF-8 kept",
         "\xff\xfe.dat|\xc3|B|0|1|S1|S2|1",
         {"\xff\xfe.dat", "\xc3", "B", "0", "1", "S1", "S2", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<LaunchFields> fields = LaunchFields::split(c.text);
        ASSERT_TRUE(fields.has_value());
        EXPECT_EQ(allFields(*fields), c.expected);
    }
}

TEST(LaunchFieldsSplit, NamesFieldsInOrder) {
    const LaunchFields fields = LaunchFields::split("f|a|b|c|k|s1|s2|x").value();
    EXPECT_EQ(fields[LaunchField::DataFile], "f");
    EXPECT_EQ(fields[LaunchField::CaptionA], "a");
    EXPECT_EQ(fields[LaunchField::CaptionB], "b");
    EXPECT_EQ(fields[LaunchField::CaptionChoice], "c");
    EXPECT_EQ(fields[LaunchField::ChartKind], "k");
    EXPECT_EQ(fields[LaunchField::SeriesName1], "s1");
    EXPECT_EQ(fields[LaunchField::SeriesName2], "s2");
    EXPECT_EQ(fields[LaunchField::SecondSeries], "x");
}

TEST(LaunchFieldsTest, ComparesWholeFieldExactly) {
    struct Case {
        const char* name;
        std::string choice;
        bool choosesA;
    };
    const Case cases[] = {
        {"zero", "0", true},
        {"one", "1", false},
        {"empty", "", false},
        {"leading blank", " 0", false},
        {"trailing blank", "0 ", false},
        {"double zero", "00", false},
        {"letter O", "O", false},
        {"full-width zero", "\xef\xbc\x90", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LaunchFields chosen = withChoiceAndKind(c.choice, "1");
        EXPECT_EQ(chosen.chosenCaption(), c.choosesA ? u"Caption A"_s : u"Caption B"_s);
        const LaunchFields kind = withChoiceAndKind("1", c.choice);
        EXPECT_EQ(kind.isBarKind(), c.choosesA);
    }
}

TEST(LaunchFieldsTest, TextDecodesUtf8AndReplacesBadBytes) {
    const LaunchFields fields = LaunchFields::split(
                                    "d|\xe5\xa3\xb2\xe4\xb8\x8a|a\xff"
                                    "b|0|0|S1|S2|1")
                                    .value();
    EXPECT_EQ(fields.text(LaunchField::CaptionA), u"売上"_s);
    EXPECT_EQ(fields.text(LaunchField::CaptionB), u"a\uFFFDb"_s);
    EXPECT_EQ(fields.chosenCaption(), u"売上"_s);
}

TEST(JoinArguments, JoinsWithSingleBlanks) {
    struct Case {
        const char* name;
        std::vector<const char*> argv;
        std::string expected;
    };
    const Case cases[] = {
        {"no arguments", {"chartview"}, ""},
        {"one argument", {"chartview", "d|A|B|0|1|S1|S2|1"}, "d|A|B|0|1|S1|S2|1"},
        {"split by the shell", {"chartview", "d|My", "caption|B"}, "d|My caption|B"},
        {"blanks inside kept", {"chartview", "a ", " b"}, "a   b"},
        {"empty arguments kept", {"chartview", "", "x", ""}, " x "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<const char*> argv = c.argv;
        const int argc = static_cast<int>(argv.size());
        argv.push_back(nullptr);
        EXPECT_EQ(joinArguments(argc, argv.data()), c.expected);
    }
}

TEST(JoinArguments, NoArgumentsAtAllGiveEmptyText) {
    EXPECT_EQ(joinArguments(0, nullptr), "");
}

}  // namespace
}  // namespace chartview
