#include "chartlib/layout/bar_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chartlib/layout/bar_marks.h"
#include "chartlib/layout/chart_layout.h"
#include "chartlib/layout/plot_area.h"
#include "chartlib/layout/value_axis.h"
#include "fake_text_metrics.h"
#include "test_models.h"

namespace ChartLib {
namespace {

using testing::FakeTextMetrics;

const QRectF kFree(10, 10, 600, 400);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

QColor colorOf(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

TEST(PlaceValueAxis, LabelsInTheStripAndTheRestToItsRight) {
    const FakeTextMetrics metrics;
    const TickScale ticks = niceTicks(0, 25000, 5, 1);
    const ValueScale scale{ticks.minimum, ticks.maximum, 20, 380};
    const ValueAxisPlacement placed = placeValueAxis(
        kFree, ticks, scale, parseNumberFormat(QStringLiteral("#,###")), false, metrics);
    ASSERT_EQ(ticks.count, 6);
    // "#,###" gives zero no text, so its tick has no label.
    ASSERT_EQ(placed.axis.labels.size(), 5u);
    EXPECT_EQ(placed.axis.labels.back().text, QStringLiteral("25,000"));
    EXPECT_EQ(placed.axis.strip.width(), std::ceil(6 * 7 + 4));
    EXPECT_EQ(placed.rest.left(), placed.axis.strip.right());
    EXPECT_EQ(placed.rest.right(), kFree.right());
    for (const TextBox& label : placed.axis.labels) {
        EXPECT_LE(label.box.right(), placed.rest.left());
    }
    EXPECT_DOUBLE_EQ(placed.axis.tickYs.front(), 380);
    EXPECT_DOUBLE_EQ(placed.axis.tickYs.back(), 20);
}

TEST(PlotArea, CategoryStripBelowAndPlotMatchesTheSpan) {
    const FakeTextMetrics metrics;
    const PlotSpan span = plotSpanFor(kFree, metrics);
    const CategoryAxisPlacement axis = placeCategoryAxis(
        kFree, 3, [](std::int64_t row) { return QString::number(row); }, metrics);
    const QRectF plot = placePlot(axis.rest, metrics);
    EXPECT_EQ(axis.strip.bottom(), kFree.bottom());
    EXPECT_EQ(plot.bottom(), axis.strip.top());
    EXPECT_EQ(plot.top(), span.top);
    EXPECT_EQ(plot.bottom(), span.bottom);
    ASSERT_EQ(axis.labels.size(), 3u);
    for (const TextBox& label : axis.labels) {
        EXPECT_TRUE(axis.strip.contains(label.box));
    }
}

TEST(BarLayout, BarsStandOnZeroInRowThenSeriesOrder) {
    const ChartModel model = testing::barModel({{1000, 2000}, {-500, std::nullopt}, {kNaN, kInf}});
    const BarGeometry bars = layoutBars(model, scanBarValues(model), kFree, FakeTextMetrics());
    ASSERT_EQ(bars.bars.size(), 3u);
    const QRectF& first = bars.bars[0].rect;
    const QRectF& second = bars.bars[1].rect;
    const QRectF& negative = bars.bars[2].rect;
    const double zero = bars.axisLines.back().y1();
    EXPECT_EQ(first.bottom(), zero);
    EXPECT_EQ(second.bottom(), zero);
    EXPECT_NEAR(second.height(), 2 * first.height(), 1);
    EXPECT_EQ(negative.top(), zero);
    EXPECT_LE(first.right(), second.left());
    EXPECT_LT(second.right(), negative.left());
    for (const FilledRect& bar : bars.bars) {
        EXPECT_TRUE(bars.plot.contains(bar.rect));
    }
    EXPECT_EQ(bars.bars[0].fill.color, colorOf(model.fillColor(0)));
    EXPECT_EQ(bars.bars[1].fill.color, colorOf(model.fillColor(1)));
    EXPECT_EQ(bars.bars[2].fill.color, colorOf(model.fillColor(0)));
}

TEST(BarLayout, ValueAxisShowsWholeStepsForSmallValues) {
    const ChartModel model = testing::barModel({{0.2}, {1.4}, {2.9}});
    const BarGeometry bars = layoutBars(model, scanBarValues(model), kFree, FakeTextMetrics());
    QStringList texts;
    for (const TextBox& label : bars.valueLabels) {
        texts << label.text;
    }
    EXPECT_EQ(texts, QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

TEST(BarLayout, MillionRowsBecomeOneMarkPerPixelColumnAndSeries) {
    const int rows = 1000000;
    const ChartModel model = testing::generatedBarModel(rows, 2, [](int row, int series) {
        return series == 0 ? double(row % 1000) : -double(row % 777);
    });
    const BarGeometry bars =
        layoutBars(model, scanBarValues(model), QRectF(0, 0, 779, 530), FakeTextMetrics());
    const auto columns = static_cast<std::size_t>(bars.plot.width());
    EXPECT_LE(bars.bars.size(), 2 * columns);
    EXPECT_GE(bars.bars.size(), 2 * columns - 2);
    for (const FilledRect& bar : bars.bars) {
        EXPECT_EQ(bar.rect.width(), 1);
        EXPECT_TRUE(bars.plot.contains(bar.rect));
    }
    EXPECT_LE(bars.categoryLabels.size(), columns / 60 + 1);
}

TEST(BarMarks, ManySeriesShareOneEnvelopePerColumn) {
    const ChartModel model = testing::generatedBarModel(
        2000, 20, [](int row, int series) { return double((row * 31 + series * 17) % 100); });
    const QRectF plot(0, 0, 300, 200);
    const auto marks =
        layoutBarMarks(model, scanBarValues(model), plot, ValueScale{0, 100, 0, 200});
    EXPECT_LE(marks.size(), 300u);
    EXPECT_GE(marks.size(), 299u);
}

}  // namespace
}  // namespace ChartLib
