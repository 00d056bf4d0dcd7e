#include "chartlib/layout/column_envelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace ChartLib {
namespace {

using Values = std::vector<std::optional<double>>;

Values randomValues(std::int64_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    std::uniform_int_distribution<int> kind(0, 19);
    Values values;
    values.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        switch (kind(random)) {
            case 0:
                values.push_back(std::nullopt);
                break;
            case 1:
                values.push_back(std::numeric_limits<double>::quiet_NaN());
                break;
            case 2:
                values.push_back(-std::numeric_limits<double>::infinity());
                break;
            default:
                values.push_back(value(random));
                break;
        }
    }
    return values;
}

// What a column holds, found the slow way: every item tested against the column.
ColumnEnvelope bruteForce(const Values& values, ColumnMapping mapping, std::int64_t column) {
    ColumnEnvelope envelope;
    double largest = -1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& value = values[i];
        if (mapping.columnOf(static_cast<std::int64_t>(i)) != column || !value ||
            !std::isfinite(*value)) {
            continue;
        }
        envelope.low = std::min(envelope.low, *value);
        envelope.high = std::max(envelope.high, *value);
        largest = std::max(largest, std::abs(*value));
    }
    envelope.source = envelope.empty() ? -1 : 7;
    return envelope;
}

struct Case {
    const char* name;
    std::int64_t count;
    int columns;
    ColumnMapping mapping;
};

TEST(ColumnEnvelope, EqualsBruteForceOnRandomData) {
    const Case cases[] = {
        {"more items than columns", 100000, 779, {0.3, 779.0 / 100000}},
        {"fewer items than columns", 50, 779, {7.8, 15.58}},
        {"one column", 1000, 1, {0.5, 0.0009}},
        {"items beyond both ends", 5000, 300, {-100.25, 0.1}},
        {"one item per column", 640, 640, {0.5, 1}},
        {"second series offset", 200000, 500, {0.0019, 0.0025}},
    };
    unsigned seed = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Values values = randomValues(c.count, seed++);
        std::vector<ColumnEnvelope> columns(static_cast<std::size_t>(c.columns));
        addToEnvelopes(columns, c.count, c.mapping, 7,
                       [&](std::int64_t i) { return values[static_cast<std::size_t>(i)]; });
        for (int column = 0; column < c.columns; ++column) {
            const ColumnEnvelope expected = bruteForce(values, c.mapping, column);
            const ColumnEnvelope& got = columns[static_cast<std::size_t>(column)];
            ASSERT_EQ(got.empty(), expected.empty()) << "column " << column;
            if (!expected.empty()) {
                ASSERT_EQ(got.low, expected.low) << "column " << column;
                ASSERT_EQ(got.high, expected.high) << "column " << column;
                ASSERT_EQ(got.source, expected.source) << "column " << column;
            }
        }
    }
}

// Block envelopes must give exactly what reading every item gives, whatever the block size.
TEST(BlockEnvelopes, GiveTheSameColumnsAsReadingEveryItem) {
    const Case cases[] = {
        {"a million over 779", 1000000, 779, {0.3, 779.0 / 1000000}},
        {"blocks wider than columns", 3000, 700, {0.2, 700.0 / 3000}},
        {"fewer items than columns", 90, 779, {4.3, 8.6}},
        {"items beyond both ends", 20000, 300, {-50.5, 0.02}},
    };
    unsigned seed = 100;
    for (const Case& c : cases) {
        const Values values = randomValues(c.count, seed++);
        auto valueAt = [&](std::int64_t i) { return values[static_cast<std::size_t>(i)]; };
        std::vector<ColumnEnvelope> expected(static_cast<std::size_t>(c.columns));
        addToEnvelopes(expected, c.count, c.mapping, 3, valueAt);
        for (const std::int64_t blockSize : {1, 7, 64, 1000, 1 << 20}) {
            SCOPED_TRACE(::testing::Message() << c.name << ", blocks of " << blockSize);
            const BlockEnvelopes blocks = BlockEnvelopes::scan(c.count, blockSize, 3, valueAt);
            std::vector<ColumnEnvelope> got(static_cast<std::size_t>(c.columns));
            blocks.addTo(got, c.mapping, 3, valueAt);
            for (std::size_t column = 0; column < got.size(); ++column) {
                ASSERT_EQ(got[column].empty(), expected[column].empty()) << column;
                if (!got[column].empty()) {
                    ASSERT_EQ(got[column].low, expected[column].low) << column;
                    ASSERT_EQ(got[column].high, expected[column].high) << column;
                }
            }
            const ColumnEnvelope all = blocks.total();
            std::vector<ColumnEnvelope> one(1);
            addToEnvelopes(one, c.count, ColumnMapping{0.5, 0}, 3, valueAt);
            EXPECT_EQ(all.low, one[0].low);
            EXPECT_EQ(all.high, one[0].high);
        }
    }
}

TEST(ColumnEnvelope, SharedColumnsTakeTheTagOfTheLargestMagnitude) {
    std::vector<ColumnEnvelope> columns(2);
    const ColumnMapping oneColumnEach{0.5, 1};
    const std::vector<double> first{5, -2};
    const std::vector<double> second{-9, 1};
    addToEnvelopes(columns, 2, oneColumnEach, 0,
                   [&](std::int64_t i) { return std::optional(first[std::size_t(i)]); });
    addToEnvelopes(columns, 2, oneColumnEach, 1,
                   [&](std::int64_t i) { return std::optional(second[std::size_t(i)]); });
    EXPECT_EQ(columns[0].source, 1);  // |-9| beats 5
    EXPECT_EQ(columns[0].low, -9);
    EXPECT_EQ(columns[0].high, 5);
    EXPECT_EQ(columns[1].source, 0);  // |-2| beats 1
}

}  // namespace
}  // namespace ChartLib
