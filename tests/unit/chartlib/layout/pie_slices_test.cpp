#include "chartlib/layout/pie_slices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

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
