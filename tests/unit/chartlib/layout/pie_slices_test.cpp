#include "chartlib/layout/pie_slices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <vector>

#include "chartlib/layout/pie_values.h"
#include "random_pies.h"

namespace ChartLib {
namespace {

struct Case {
    const char* name;
    std::vector<double> spans;
    double minSpan;
    std::size_t expectedSlices;
};

std::vector<double> evenSpans(int count) {
    return std::vector<double>(static_cast<std::size_t>(count), 360.0 / count);
}

std::vector<double> sliversAroundWideSlices() {
    std::vector<double> spans(1000, 0.001);  // 1 degree of slivers
    spans[0] = 179.5;
    spans[500] = 179.5;
    return spans;
}

TEST(SliverMerger, KeepsTheTotalAngleAndTilesItInOrder) {
    const Case cases[] = {
        {"wide slices stay", {90, 270}, 1, 2},
        {"one full slice", {360}, 1, 1},
        {"a million slivers", evenSpans(1000000), 0.3, 1200},
        {"slivers between wide slices", sliversAroundWideSlices(), 0.3, 6},
        {"zero spans take no angle", {0, 180, 0, 0, 180, 0}, 1, 2},
        {"nothing", {}, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SliverMerger merger(c.minSpan);
        for (std::size_t i = 0; i < c.spans.size(); ++i) {
            merger.add(static_cast<int>(i), c.spans[i]);
        }
        const std::vector<PieSlice> slices = merger.finish();
        EXPECT_NEAR(slices.size(), c.expectedSlices, c.expectedSlices / 100.0);
        double next = 0;
        double total = 0;
        for (const PieSlice& slice : slices) {
            EXPECT_NEAR(slice.startDegrees, next, 1e-9);
            EXPECT_GT(slice.spanDegrees, 0);
            next = slice.startDegrees + slice.spanDegrees;
            total += slice.spanDegrees;
        }
        EXPECT_NEAR(total, std::accumulate(c.spans.begin(), c.spans.end(), 0.0), 1e-6);
        EXPECT_LE(slices.size(), std::size_t(2 * 360 / c.minSpan + 1));
    }
}

TEST(SliverMerger, MergedSliceShowsItsLargestMember) {
    SliverMerger merger(1.0);
    merger.add(0, 0.2);
    merger.add(1, 0.5);
    merger.add(2, 0.4);
    merger.add(3, 358.9);
    const auto slices = merger.finish();
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].series, 1);
    EXPECT_EQ(slices[0].members, 3);
    EXPECT_NEAR(slices[0].spanDegrees, 1.1, 1e-12);
    EXPECT_EQ(slices[1].series, 3);
}

// What the merger gives when fed every counted slice: the reference for mergeSlivers.
std::vector<PieSlice> mergeEverySlice(const PieValues& values, double minSpan) {
    SliverMerger merger(minSpan);
    for (int series = 0; series < values.seriesCount(); ++series) {
        if (values.counted().test(series)) {
            merger.addEndingAt(series, values.endDegrees(series));
        }
    }
    return merger.finish();
}

TEST(MergeSlivers, GivesWhatTheMergerGivesFedEverySlice) {
    const struct {
        const char* name;
        int count;
        testing::PieValueMix mix;
    } cases[] = {
        {"a few ordinary slices", 12, {}},
        {"zeros, negatives and NaN", 3000, {0.2, 0.2, 0.2, 0.1, 0.1}},
        {"mostly slivers", 20000, {0.01, 0.01, 0.01, 0.01, 0.95}},
        {"only slivers and zeros", 50000, {0.3, 0, 0, 0, 0.7}},
        {"nothing counts", 500, {0, 0.5, 0.5, 0, 0}},
    };
    std::mt19937 random(11);
    for (const auto& c : cases) {
        const auto values = testing::randomPieValues(random, c.count, c.mix);
        const PieValues pie = PieValues::scan(testing::randomPieModel(random, values, 0));
        for (const double minSpan : {360.0, 5.0, 0.26, 0.01, 1e-6, 0.0}) {
            SCOPED_TRACE(::testing::Message() << c.name << ", min span " << minSpan);
            const std::vector<PieSlice> expected = mergeEverySlice(pie, minSpan);
            const std::vector<PieSlice> merged = mergeSlivers(pie, minSpan);
            ASSERT_EQ(merged.size(), expected.size());
            for (std::size_t i = 0; i < merged.size(); ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(merged[i].startDegrees, expected[i].startDegrees);
                EXPECT_EQ(merged[i].spanDegrees, expected[i].spanDegrees);
                EXPECT_EQ(merged[i].series, expected[i].series);
                EXPECT_EQ(merged[i].members, expected[i].members);
            }
        }
    }
}

TEST(PointOnCircle, ZeroIsTwelveOClockAndAnglesGoClockwise) {
    const QPointF center(100, 100);
    const struct {
        double degrees;
        QPointF expected;
    } cases[] = {{0, {100, 50}}, {90, {150, 100}}, {180, {100, 150}}, {270, {50, 100}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degrees);
        const QPointF point = pointOnCircle(center, 50, c.degrees);
        EXPECT_NEAR(point.x(), c.expected.x(), 1e-9);
        EXPECT_NEAR(point.y(), c.expected.y(), 1e-9);
    }
}

}  // namespace
}  // namespace ChartLib
