#include "chartlib/layout/pie_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "chartlib/layout/ranked_bits.h"
#include "random_pies.h"
#include "test_models.h"

namespace ChartLib {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kLeast = std::numeric_limits<double>::denorm_min();

TEST(RankedBits, CountsAndFindsAsAScanOfEveryFlagWould) {
    std::mt19937 random(3);
    const struct {
        const char* name;
        int size;
        std::function<bool(int)> flag;
    } cases[] = {
        {"no flags", 0, [](int) { return true; }},
        {"all clear", 1000, [](int) { return false; }},
        {"all set", 1000, [](int) { return true; }},
        {"only the last, past a block", 4097, [](int i) { return i == 4096; }},
        {"only the first", 700, [](int i) { return i == 0; }},
        {"a run across blocks", 2000, [](int i) { return i >= 500 && i < 1500; }},
        {"every 97th", 5000, [](int i) { return i % 97 == 13; }},
        {"a random third", 3001, [&](int) { return random() % 3 == 0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<bool> flags;
        const RankedBits bits = RankedBits::of(c.size, [&](int i) {
            flags.push_back(c.flag(i));
            return flags.back();
        });
        ASSERT_EQ(bits.size(), c.size);
        int before = 0;
        for (int i = 0; i < c.size; ++i) {
            ASSERT_EQ(bits.test(i), flags[std::size_t(i)]) << i;
            ASSERT_EQ(bits.countBefore(i), before) << i;
            before += flags[std::size_t(i)] ? 1 : 0;
        }
        EXPECT_EQ(bits.countBefore(c.size), before);
        EXPECT_EQ(bits.countBefore(c.size + 5), before);
        EXPECT_EQ(bits.countBefore(-3), 0);
        EXPECT_EQ(bits.count(), before);
        int next = c.size;
        for (int i = c.size; i >= -1; --i) {
            if (i >= 0 && i < c.size && flags[std::size_t(i)]) {
                next = i;
            }
            ASSERT_EQ(bits.next(i), next) << i;
        }
        EXPECT_EQ(bits.next(c.size + 100), c.size);
    }
}

ChartModel pieOf(const std::vector<std::optional<double>>& values) {
    std::mt19937 random(1);
    return testing::randomPieModel(random, values, 1.0);
}

TEST(PieValues, OnlyNonNegativeFiniteValuesCountAndTakeTheirShareOfTheCircle) {
    const struct {
        const char* name;
        std::vector<std::optional<double>> values;
        std::vector<bool> counted;
        std::vector<double> ends;  // degrees
        double scale;
    } cases[] = {
        {"ordinary", {1, 2, 1}, {1, 1, 1}, {90, 270, 360}, 1},
        {"zero counts but takes no angle", {1, 0, 1}, {1, 1, 1}, {180, 180, 360}, 1},
        {"negative, NaN, infinite and empty do not count",
         {-1, 3, kNaN, kInf, -kInf, std::nullopt, 1},
         {0, 1, 0, 0, 0, 0, 1},
         {0, 270, 270, 270, 270, 270, 360},
         1},
        {"negative zero counts", {-0.0, 2}, {1, 1}, {0, 360}, 1},
        {"a total past the largest double is scaled down",
         {kMax, kMax},
         {1, 1},
         {180, 360},
         std::ldexp(1.0, -64)},
        {"a total so small that 360 / total overflows is scaled up",
         {kLeast, kLeast},
         {1, 1},
         {180, 360},
         std::ldexp(1.0, 64)},
        {"nothing counts", {-1, kNaN}, {0, 0}, {0, 0}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PieValues pie = PieValues::scan(pieOf(c.values));
        ASSERT_EQ(pie.seriesCount(), int(c.values.size()));
        EXPECT_EQ(pie.scale(), c.scale);
        EXPECT_EQ(pie.total() > 0, c.ends.back() == 360);
        EXPECT_TRUE(std::isfinite(pie.total()));
        for (int s = 0; s < pie.seriesCount(); ++s) {
            EXPECT_EQ(pie.counted().test(s), c.counted[std::size_t(s)]) << s;
            EXPECT_DOUBLE_EQ(pie.endDegrees(s), c.ends[std::size_t(s)]) << s;
        }
        EXPECT_EQ(pie.endDegrees(-1), 0);
    }
}

TEST(PieValues, AModelWithoutADataRowHasNoSeries) {
    ChartModel model;
    model.setChartData(DataArray(0, 5));
    const PieValues pie = PieValues::scan(model);
    EXPECT_EQ(pie.seriesCount(), 0);
    EXPECT_EQ(pie.total(), 0);
    EXPECT_EQ(pie.labelled().count(), 0);
}

TEST(PieValues, LabelledAreTheCountedSeriesAskingForTheirShareOutside) {
    ChartModel model = testing::pieModel({1, 2, 3, 4});  // all ask
    model.setLabelComponent(1, kComponentValue);
    model.setLabelLocation(2, kLocationNone);
    PieValues pie = PieValues::scan(model);
    EXPECT_EQ(pie.labelled().count(), 2);
    EXPECT_TRUE(pie.labelled().test(0));
    EXPECT_TRUE(pie.labelled().test(3));

    // Settings changed after the pass are seen once read again.
    model.setLabelComponent(1, kComponentValue | kComponentPercent);
    model.setLabelLocation(3, kLocationNone);
    pie.readLabelSettings(model);
    EXPECT_EQ(pie.labelled().count(), 2);
    EXPECT_TRUE(pie.labelled().test(0));
    EXPECT_TRUE(pie.labelled().test(1));

    // A series that does not count is never labelled.
    const PieValues uncounted = PieValues::scan(testing::pieModel({1, -1, kNaN}));
    EXPECT_EQ(uncounted.labelled().count(), 1);
}

TEST(PieValues, WidestInIsTheFirstOfTheWidestSpans) {
    std::mt19937 random(5);
    std::vector<std::optional<double>> values;
    for (int i = 0; i < 3000; ++i) {
        values.push_back(double(random() % 4));  // many equal spans, many zeros
    }
    const PieValues pie = PieValues::scan(pieOf(values));
    for (int trial = 0; trial < 2000; ++trial) {
        const int first = int(random() % 3000);
        const int last = first + int(random() % (trial % 2 ? 40 : 3000 - first));
        if (last >= 3000) {
            continue;
        }
        int expected = first;
        for (int s = first + 1; s <= last; ++s) {
            if (pie.spanDegrees(s) > pie.spanDegrees(expected)) {
                expected = s;
            }
        }
        ASSERT_EQ(pie.widestIn(first, last), expected) << first << ".." << last;
    }
}

TEST(PieValues, FirstWhereFindsWhereAStepPredicateTurnsTrue) {
    const PieValues pie = PieValues::scan(pieOf(std::vector<std::optional<double>>(1000, 1.0)));
    for (const int from : {-2, 0, 1, 17, 999}) {
        for (const int turn : {0, 1, 5, 300, 999, 1000}) {
            SCOPED_TRACE(::testing::Message() << from << " " << turn);
            int asked = 0;
            const int found = pie.firstWhere(from, [&](int s) {
                ++asked;
                return s >= turn;
            });
            EXPECT_EQ(found, std::max({from, turn, 0}));
            EXPECT_LE(asked, 2 * int(std::log2(1000)) + 3);
        }
    }
}

}  // namespace
}  // namespace ChartLib
