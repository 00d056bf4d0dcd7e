#include "chartlib/layout/chart_layout.h"

#include <gtest/gtest.h>

#include "chartlib/layout/interval_column.h"
#include "fake_text_metrics.h"
#include "test_models.h"

namespace ChartLib {
namespace {

using testing::FakeTextMetrics;

const QRectF kArea(0, 0, 779, 530);

TEST(ChartLayout, BackdropFillsTheAreaAndTheLegendTakesTheRight) {
    ChartModel bar = testing::barModel({{1, 2}, {3, 4}});
    const ChartModel& barRef = bar;
    bar.setShowLegend(true);
    const ChartModel pie = testing::pieModel({1, 2, 3});
    for (const ChartModel* model : {&barRef, &pie}) {
        SCOPED_TRACE(model->chartType());
        const ChartGeometry geometry = layoutChart(*model, kArea, FakeTextMetrics());
        EXPECT_EQ(geometry.backdrop, kArea);
        const QRectF& legend = geometry.legend.frame;
        ASSERT_FALSE(legend.isEmpty());
        EXPECT_GT(legend.left(), kArea.center().x());
        EXPECT_EQ(geometry.legend.labels.size(), std::size_t(model->seriesCount()));
        if (geometry.kind == ChartKind::Bar) {
            EXPECT_LT(geometry.bar.plot.right(), legend.left());
            for (const TextBox& label : geometry.bar.categoryLabels) {
                EXPECT_LT(label.box.right(), legend.left());
            }
        } else {
            EXPECT_LT(geometry.pie.center.x() + geometry.pie.radius, legend.left());
        }
    }
}

TEST(ChartLayout, NoLegendWhenNotShown) {
    const ChartModel bar = testing::barModel({{1}});
    const ChartGeometry geometry = layoutChart(bar, kArea, FakeTextMetrics());
    EXPECT_TRUE(geometry.legend.frame.isEmpty());
    EXPECT_GT(geometry.bar.plot.right(), kArea.width() - 20);
}

TEST(IntervalColumn, FindsTheNearestFreePlace) {
    IntervalColumn column;
    column.take(100, 115);
    column.take(115, 130);
    column.take(160, 175);
    struct {
        const char* name;
        double desired;
        std::optional<double> expected;
    } const cases[] = {
        {"free as asked", 50, 50},   {"pushed below", 110, 130}, {"pushed above", 92, 85},
        {"gap just fits", 150, 145}, {"beyond reach", 200, 200}, {"held in bounds", -30, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(column.nearestFreeTop(c.desired, 15, 0, 300, 45), c.expected);
    }
    EXPECT_EQ(column.nearestFreeTop(117, 15, 0, 300, 5), std::nullopt);
    EXPECT_TRUE(column.isFree(130, 145));
    EXPECT_FALSE(column.isFree(129, 131));
}

}  // namespace
}  // namespace ChartLib
