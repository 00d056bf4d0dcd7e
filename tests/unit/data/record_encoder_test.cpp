#include "data/record_encoder.h"

#include "support/record_files.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

namespace chartview::data {
namespace {

// The layout the tests' own writer uses (with zero filler), and decodeRecord as the inverse.
TEST(RecordEncoder, MatchesTheRecordLayoutAndDecodesBack) {
    const std::u16string label = u"\u58F2\u4E0A\U0001F600" + std::u16string(1, u'\0') + u"x";
    const double value1 = -0.0;
    const double value2 = std::bit_cast<double>(0x7FF0000000000001);
    ChartRecord record;
    std::ranges::copy(label, record.label.begin());
    record.value1 = value1;
    record.value2 = value2;

    const auto bytes = encodeRecord(record);
    const QByteArray expected = testing::encodeRecord({label, value1, value2, 0});
    ASSERT_EQ(expected.size(), kRecordSize);
    EXPECT_EQ(std::memcmp(bytes.data(), expected.constData(), kRecordSize), 0);

    const ChartRecord decoded = decodeRecord(bytes);
    EXPECT_EQ(decoded.label, record.label);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(decoded.value1), std::bit_cast<std::uint64_t>(value1));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(decoded.value2), std::bit_cast<std::uint64_t>(value2));
}

}  // namespace
}  // namespace chartview::data
