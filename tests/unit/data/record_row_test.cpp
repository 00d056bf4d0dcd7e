#include "data/record_row.h"

#include "data/csv_reader.h"
#include "data/record_encoder.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <string>
#include <vector>

namespace chartview::data {
namespace {

ChartRecord makeRecord(std::u16string_view label, double value1, double value2) {
    ChartRecord record;
    std::ranges::copy(label, record.label.begin());
    record.value1 = value1;
    record.value2 = value2;
    return record;
}

std::string rowOf(const ChartRecord& record) {
    std::string row;
    appendRow(record, row);
    return row;
}

std::string errorOf(const std::vector<std::string>& fields) {
    const auto result = recordFromFields(fields);
    const auto* error = std::get_if<RowError>(&result);
    return error ? error->message : "no error";
}

std::string repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(RecordRow, ReadsThreeFieldsAndPadsTheLabel) {
    const auto result = recordFromFields({"ab\\u0000", "-0", "0x7ff8000000000001"});
    ASSERT_TRUE(std::holds_alternative<ChartRecord>(result));
    const ChartRecord& record = std::get<ChartRecord>(result);
    const auto expected = makeRecord(u"ab", -0.0, 0);
    EXPECT_EQ(record.label, expected.label);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(record.value1), 0x8000000000000000);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(record.value2), 0x7FF8000000000001);
}

TEST(RecordRow, NamesWhatIsWrongWithARow) {
    struct Case {
        const char* name;
        std::vector<std::string> fields;
        std::string message;
    };
    const std::string sixtyFourEmoji = repeated("\xF0\x9F\x98\x80", 32);
    const Case cases[] = {
        {"one field (an empty line)", {""}, "expected 3 fields (label,value1,value2), found 1"},
        {"four fields", {"a", "1", "2", "3"}, "expected 3 fields (label,value1,value2), found 4"},
        {"header row", {"label", "value1", "value2"}, "value1 is not a number"},
        {"bad second value", {"a", "1", "x"}, "value2 is not a number"},
        {"empty value", {"a", "", "1"}, "value1 is empty"},
        {"label of 64 units fits", {repeated("x", 64), "1", "2"}, "no error"},
        {"64 units as surrogate pairs fit", {sixtyFourEmoji, "1", "2"}, "no error"},
        {"64 escaped zero units fit", {repeated("\\u0000", 64), "1", "2"}, "no error"},
        {"label of 65 units",
         {repeated("x", 65), "1", "2"},
         "label has 65 UTF-16 code units; a record holds at most 64"},
        {"pair that crosses unit 64",
         {repeated("x", 63) + "\xF0\x9F\x98\x80", "1", "2"},
         "label has 65 UTF-16 code units; a record holds at most 64"},
        {"label error before value errors",
         {"\xFF", "x", "y"},
         "label has invalid UTF-8 at byte 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(errorOf(c.fields), c.message);
    }
}

TEST(RecordRow, WritesTheRowWithoutPaddingAndQuotesWhenNeeded) {
    struct Case {
        const char* name;
        ChartRecord record;
        std::string row;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"plain", makeRecord(u"Tokyo", 1.5, -2), "Tokyo,1.5,-2\n"},
        {"all-zero label is empty", makeRecord(u"", 0, 0), ",0,0\n"},
        {"zero units before text are kept", makeRecord(std::u16string_view(u"\0\0a", 3), 1, 2),
         "\\u0000\\u0000a,1,2\n"},
        {"comma quotes the label", makeRecord(u"a,b", 1, 2), "\"a,b\",1,2\n"},
        {"quote is doubled", makeRecord(u"5\" disk", 1, 2), "\"5\"\" disk\",1,2\n"},
        {"special values", makeRecord(u"x", nan, -std::numeric_limits<double>::infinity()),
         "x,nan,-inf\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rowOf(c.record), c.row);
    }
}

// Through the CSV reader, as pack reads what dump wrote.
TEST(RecordRow, RowReadsBackToTheSameRecordBytes) {
    std::u16string full(64, u'\0');
    full[63] = u'z';
    const ChartRecord records[] = {
        makeRecord(u"a,\"b\"\\", -0.0, std::bit_cast<double>(0xFFF0000000000001)),
        makeRecord(full, 5e-324, 1e308),
        makeRecord(std::u16string{char16_t(0xDC00), u'\r', u'\n', char16_t(0xFEFF)}, 0.1, 3),
    };
    for (const ChartRecord& record : records) {
        const std::string row = rowOf(record);
        SCOPED_TRACE(row);
        CsvReader reader(row);
        auto step = reader.next();
        ASSERT_TRUE(std::holds_alternative<CsvRow>(step));
        const auto parsed = recordFromFields(std::get<CsvRow>(step).fields);
        ASSERT_TRUE(std::holds_alternative<ChartRecord>(parsed));
        EXPECT_EQ(encodeRecord(std::get<ChartRecord>(parsed)), encodeRecord(record));
        EXPECT_TRUE(std::holds_alternative<CsvEnd>(reader.next()));
    }
}

}  // namespace
}  // namespace chartview::data
