#include <gtest/gtest.h>

#include "chart/series_colors.h"

namespace chartview {
namespace {

// A pie-shaped chart of `count` series: row 0 labels, row 1 values.
void giveSeries(ChartLib::Chart& chart, int count) {
    ChartLib::DataArray cells(2, count);
    for (int i = 0; i < count; ++i) {
        cells.setText(0, i, u"s");
        cells.setNumber(1, i, 1.0);
    }
    chart.setChartData(std::move(cells));
}

TEST(SeriesColorsTest, PaletteAndPatternsFollowSeriesNumber) {
    struct Case {
        int series;  // from 1
        ChartLib::Rgb fill;
        int patternCode;  // -1: no pattern
    };
    const Case cases[] = {
        {1, {255, 0, 0}, -1},   {2, {255, 255, 0}, -1},    {15, {255, 255, 255}, -1},
        {16, {255, 0, 0}, 15},  {30, {255, 255, 255}, 15}, {31, {255, 0, 0}, 5},
        {46, {255, 0, 0}, 6},   {241, {255, 0, 0}, 4},     {255, {255, 255, 255}, 4},
        {256, {255, 0, 0}, 15},
    };
    ChartLib::Chart chart;
    giveSeries(chart, 256);
    ApplySeriesColors(chart);
    const ChartLib::ChartModel& model = chart.model();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        const ChartLib::SeriesStyle& style = model.seriesStyle(c.series - 1);
        EXPECT_EQ(model.fillColor(c.series - 1), c.fill);
        if (c.patternCode < 0) {
            EXPECT_EQ(style.brushStyle, ChartLib::kBrushSolid);
            EXPECT_FALSE(style.setMask & (ChartLib::kStyleSet | ChartLib::kIndexSet));
        } else {
            EXPECT_EQ(style.brushStyle, ChartLib::kBrushPattern);
            EXPECT_EQ(style.patternIndex, c.patternCode);
            EXPECT_EQ(style.patternColor, (ChartLib::Rgb{0, 0, 0}));
            EXPECT_TRUE(style.setMask & ChartLib::kPatternColorSet);
        }
    }
}

TEST(SeriesColorsTest, AChartWithoutSeriesIsLeftAlone) {
    ChartLib::Chart chart;
    ApplySeriesColors(chart);
    EXPECT_EQ(chart.model().seriesCount(), 0);
}

TEST(SeriesColorsTest, FillsSurviveTheChangeOfChartType) {
    ChartLib::Chart chart;
    giveSeries(chart, 2);
    ApplySeriesColors(chart);
    chart.setChartType(ChartLib::kChartType2dPie);
    EXPECT_EQ(chart.model().fillColor(1), (ChartLib::Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace chartview
