#include "chartlib/layout/nice_ticks.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace ChartLib {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
    const char* name;
    double low;
    double high;
    int intervals;
    double minimumStep;
    double expectedStep;  // 0: only the general facts are checked
};

// Facts every scale must show: it covers the data, its ticks rise by one nice step, and
// there are about as many as asked.
void expectSoundScale(const Case& c, const TickScale& scale) {
    const bool usable = std::isfinite(c.low) && std::isfinite(c.high) && c.low <= c.high;
    EXPECT_TRUE(std::isfinite(scale.minimum));
    EXPECT_TRUE(std::isfinite(scale.maximum));
    EXPECT_LT(scale.minimum, scale.maximum);
    if (usable) {
        EXPECT_LE(scale.minimum, c.low);
        EXPECT_GE(scale.maximum, c.high);
    }
    EXPECT_GE(scale.count, 1);
    EXPECT_LE(scale.count, c.intervals + 3);
    EXPECT_TRUE(scale.mantissa == 1 || scale.mantissa == 2 || scale.mantissa == 5);
    EXPECT_GE(scale.step(), c.minimumStep);
    for (int i = 0; i < scale.count; ++i) {
        const double tick = scale.tick(i);
        EXPECT_TRUE(std::isfinite(tick));
        EXPECT_GE(tick, scale.minimum);
        EXPECT_LE(tick, scale.maximum);
        if (i > 0) {
            EXPECT_GT(tick, scale.tick(i - 1));
        }
        if (c.minimumStep == 1) {
            EXPECT_EQ(tick, std::floor(tick)) << "tick " << i;
        }
    }
}

TEST(NiceTicks, CoverTheRangeWithNiceSteps) {
    const Case cases[] = {
        {"0 to 100 in 5", 0, 100, 5, 1, 20},
        {"0 to 97 in 10", 0, 97, 10, 1, 10},
        {"0 to 3 whole only", 0, 3, 10, 1, 1},
        {"0 to 0.3 general", 0, 0.3, 6, 0, 0.05},
        {"0 to 0.3 percent", 0, 0.3, 6, 0.01, 0.05},
        {"0 to 0.03 percent", 0, 0.03, 10, 0.01, 0.01},
        {"negatives", -37, 12, 5, 1, 10},
        {"all negative", -1234567, 0, 8, 1, 200000},
        {"all zero", 0, 0, 8, 1, 0},
        {"all zero general", 0, 0, 8, 0, 0},
        {"one value", 0, 5, 8, 1, 1},
        {"huge", 0, 1e308, 8, 1, 0},
        {"largest double", 0, DBL_MAX, 8, 1, 0},
        {"both largest", -DBL_MAX, DBL_MAX, 8, 1, 0},
        {"denormal", 0, 5e-324, 8, 0, 0},
        {"denormal whole", -5e-324, 0, 8, 1, 0},
        {"one interval", 0, 7, 1, 1, 10},
        {"no intervals asked", 0, 7, 0, 1, 10},
        {"reversed", 5, -5, 4, 1, 0},
        {"nan", kNaN, 3, 4, 1, 0},
        {"infinite", 0, kInf, 4, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TickScale scale = niceTicks(c.low, c.high, c.intervals, c.minimumStep);
        expectSoundScale({c.name, c.low, c.high, std::max(c.intervals, 1), c.minimumStep, 0},
                         scale);
        if (c.expectedStep > 0) {
            EXPECT_DOUBLE_EQ(scale.step(), c.expectedStep);
        }
    }
}

TEST(NiceTicks, DecimalTicksAreTheDecimalValues) {
    const TickScale scale = niceTicks(0, 0.3, 3, 0);
    ASSERT_EQ(scale.count, 4);
    EXPECT_EQ(scale.tick(3), 0.3);
    EXPECT_EQ(scale.tick(1), 0.1);
}

TEST(NiceTicks, NegativeRangeEndsOnTicks) {
    const TickScale scale = niceTicks(-37, 12, 5, 1);
    EXPECT_EQ(scale.minimum, -40);
    EXPECT_EQ(scale.maximum, 20);
    EXPECT_EQ(scale.tick(0), -40);
    EXPECT_EQ(scale.tick(scale.count - 1), 20);
}

}  // namespace
}  // namespace ChartLib
