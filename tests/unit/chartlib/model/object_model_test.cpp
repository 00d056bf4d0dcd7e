#include "chartlib/model/object_model.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

#include "grid_tables.h"

using namespace Qt::StringLiterals;

namespace {

using ChartLib::ChartError;
using ChartLib::ChartModel;
using ChartLib::DataGridRef;
using ChartLib::PlotRef;
using ChartLib::Rgb;
using chartview::testing::barTable;
using chartview::testing::pieTable;

// Everything the model shows, as one text, to see that a failed call changed nothing.
QString describe(const ChartModel& model) {
    QStringList parts{QString::number(model.chartType()), QString::number(model.showLegend())};
    for (int id = 0; id < ChartLib::kAxisCount; ++id) {
        parts << model.axis(id).labelFormat << QString::number(model.axis(id).hidden);
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        parts << model.rowLabel(row);
    }
    for (int series = 0; series < model.seriesCount(); ++series) {
        const ChartLib::SeriesStyle& style = model.seriesStyle(series);
        const Rgb fill = model.fillColor(series);
        parts << model.seriesLabel(series) << model.percentFormat(series);
        for (int field :
             {int(fill.red), int(fill.green), int(fill.blue), int(style.patternColor.red),
              int(style.patternColor.green), int(style.patternColor.blue), int(style.brushStyle),
              int(style.patternIndex), int(style.labelLocation), int(style.labelComponent),
              int(style.setMask)}) {
            parts << QString::number(field);
        }
    }
    return parts.join(u'|');
}

// Public, so that the cases of a table can drive it.
class ObjectModel : public ::testing::Test {
public:
    ObjectModel() { model.setChartData(barTable(3)); }
    PlotRef Plot() { return PlotRef(model); }
    DataGridRef DataGrid() { return DataGridRef(model); }
    ChartLib::DataPointRef point(int series) {
        return Plot().SeriesCollection().Item(series).DataPoints().Item(-1);
    }

    ChartModel model;
};

TEST_F(ObjectModel, ChainSetsWhatItSays) {
    EXPECT_EQ(Plot().SeriesCollection().Count(), 2);
    auto brush = point(2).Brush();
    brush.FillColor().setAutomatic(false);
    brush.FillColor().Set(255, 128, 0);
    brush.setStyle(2);
    brush.setIndex(15);
    brush.PatternColor().Set(0, 0, 0);
    auto label = point(2).DataPointLabel();
    label.setLocationType(6);
    label.setComponent(2);
    label.setPercentFormat(u"0%"_s);
    Plot().Axis(1).Labels().Item(1).setFormat(u"#,###"_s);
    Plot().Axis(2).AxisScale().setHide(true);
    DataGrid().setColumnLabel(2, 1, u" Sales"_s);
    DataGrid().setRowLabel(3, 1, u" March"_s);

    EXPECT_EQ(model.fillColor(1), (Rgb{255, 128, 0}));
    EXPECT_EQ(brush.style(), 2);
    EXPECT_EQ(brush.index(), 15);
    EXPECT_EQ(model.seriesStyle(1).patternColor, (Rgb{0, 0, 0}));
    EXPECT_TRUE(model.seriesStyle(1).setMask & ChartLib::kPatternColorSet);
    EXPECT_EQ(label.locationType(), 6);
    EXPECT_EQ(label.component(), 2);
    EXPECT_EQ(label.percentFormat(), u"0%"_s);
    EXPECT_EQ(Plot().Axis(1).Labels().Item(1).format(), u"#,###"_s);
    EXPECT_TRUE(Plot().Axis(2).AxisScale().hide());
    EXPECT_FALSE(Plot().Axis(1).AxisScale().hide());
    EXPECT_EQ(model.seriesLabel(1), u" Sales"_s);
    EXPECT_EQ(DataGrid().columnLabel(2, 1), u" Sales"_s);
    EXPECT_EQ(DataGrid().rowLabel(3, 1), u" March"_s);
    EXPECT_EQ(DataGrid().rowLabel(1, 1), u" Label 0"_s);

    // Series 1 was never touched.
    EXPECT_EQ(model.seriesStyle(0).setMask, 0);
    EXPECT_EQ(model.fillColor(0), ChartLib::automaticFill(0));
}

TEST_F(ObjectModel, AutomaticSwitchOnlyEverClearsTheFill) {
    auto fill = point(1).Brush().FillColor();
    fill.setAutomatic(false);
    EXPECT_EQ(model.seriesStyle(0).setMask, 0);
    EXPECT_EQ(model.fillColor(0), ChartLib::automaticFill(0));

    fill.Set(1, 2, 3);
    fill.setAutomatic(false);
    EXPECT_EQ(model.fillColor(0), (Rgb{1, 2, 3}));
    fill.setAutomatic(true);
    EXPECT_EQ(model.fillColor(0), ChartLib::automaticFill(0));
    EXPECT_EQ(model.seriesStyle(0).setMask, 0);
}

TEST_F(ObjectModel, SettingsSurviveAChartTypeChange) {
    point(1).Brush().FillColor().Set(10, 20, 30);
    point(2).Brush().setStyle(2);
    point(2).Brush().setIndex(4);
    const QString before = describe(model);
    model.setChartType(ChartLib::kChartType2dPie);
    model.setChartType(ChartLib::kChartType2dBar);
    EXPECT_EQ(describe(model), before);
    EXPECT_EQ(model.fillColor(0), (Rgb{10, 20, 30}));
}

TEST_F(ObjectModel, InvalidCallsThrowAndChangeNothing) {
    struct Case {
        const char* name;
        std::function<void(ObjectModel&)> call;
    };
    const Case cases[] = {
        {"series 0", [](auto& t) { t.Plot().SeriesCollection().Item(0); }},
        {"series past count", [](auto& t) { t.Plot().SeriesCollection().Item(3); }},
        {"data point 0", [](auto& t) { t.Plot().SeriesCollection().Item(1).DataPoints().Item(0); }},
        {"data point 1", [](auto& t) { t.Plot().SeriesCollection().Item(1).DataPoints().Item(1); }},
        {"brush style 3", [](auto& t) { t.point(1).Brush().setStyle(3); }},
        {"brush style -1", [](auto& t) { t.point(1).Brush().setStyle(-1); }},
        {"pattern index 18", [](auto& t) { t.point(1).Brush().setIndex(18); }},
        {"pattern index -1", [](auto& t) { t.point(1).Brush().setIndex(-1); }},
        {"red 256", [](auto& t) { t.point(1).Brush().FillColor().Set(256, 0, 0); }},
        {"green -1", [](auto& t) { t.point(1).Brush().FillColor().Set(0, -1, 0); }},
        {"blue 256", [](auto& t) { t.point(2).Brush().FillColor().Set(9, 9, 256); }},
        {"pattern red -1", [](auto& t) { t.point(1).Brush().PatternColor().Set(-1, 0, 0); }},
        {"location 9", [](auto& t) { t.point(1).DataPointLabel().setLocationType(9); }},
        {"location -1", [](auto& t) { t.point(1).DataPointLabel().setLocationType(-1); }},
        {"component 16", [](auto& t) { t.point(1).DataPointLabel().setComponent(16); }},
        {"component -1", [](auto& t) { t.point(1).DataPointLabel().setComponent(-1); }},
        {"axis 3", [](auto& t) { t.Plot().Axis(3); }},
        {"axis -1", [](auto& t) { t.Plot().Axis(-1); }},
        {"label level 2", [](auto& t) { t.Plot().Axis(1).Labels().Item(2); }},
        {"label level 0", [](auto& t) { t.Plot().Axis(0).Labels().Item(0); }},
        {"grid column 0", [](auto& t) { t.DataGrid().setColumnLabel(0, 1, u"x"_s); }},
        {"grid column past count", [](auto& t) { t.DataGrid().setColumnLabel(3, 1, u"x"_s); }},
        {"grid column level 2", [](auto& t) { t.DataGrid().setColumnLabel(1, 2, u"x"_s); }},
        {"grid row 0", [](auto& t) { t.DataGrid().setRowLabel(0, 1, u"x"_s); }},
        {"grid row past count", [](auto& t) { t.DataGrid().setRowLabel(4, 1, u"x"_s); }},
        {"grid row level 0", [](auto& t) { t.DataGrid().setRowLabel(1, 0, u"x"_s); }},
        {"read grid column past count", [](auto& t) { t.DataGrid().columnLabel(3, 1); }},
        {"chart type 0", [](auto& t) { t.model.setChartType(0); }},
        {"chart type 2", [](auto& t) { t.model.setChartType(2); }},
        {"chart type 13", [](auto& t) { t.model.setChartType(13); }},
        {"model fill of series -1", [](auto& t) { t.model.setFillColor(-1, {}); }},
        {"model percent format past count", [](auto& t) { t.model.setPercentFormat(2, u"0%"_s); }},
        {"model row label past count", [](auto& t) { t.model.setRowLabel(3, u"x"_s); }},
        {"model axis format 3", [](auto& t) { t.model.setAxisLabelFormat(3, u"0"_s); }},
        {"model axis hidden -1", [](auto& t) { t.model.setAxisHidden(-1, true); }},
    };
    point(2).Brush().FillColor().Set(1, 2, 3);
    point(2).DataPointLabel().setPercentFormat(u"0%"_s);
    DataGrid().setRowLabel(2, 1, u"set"_s);
    const QString before = describe(model);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.call(*this), ChartError);
        EXPECT_EQ(describe(model), before);
    }
}

TEST_F(ObjectModel, HandlesOfSeriesThatNoLongerExistThrow) {
    auto brush = point(2).Brush();
    model.setChartData(pieTable(1));
    EXPECT_THROW(brush.FillColor().Set(1, 2, 3), ChartError);
    EXPECT_THROW(brush.FillColor().setAutomatic(true), ChartError);
    EXPECT_THROW(brush.setStyle(1), ChartError);
    EXPECT_EQ(model.seriesStyle(0).setMask, 0);
}

TEST(ObjectModelScale, MillionSeriesPieSetsAndReadsBackEveryBrush) {
    constexpr int kSeries = 1'000'000;
    ChartModel model;
    model.setChartData(pieTable(kSeries));
    PlotRef plot(model);
    ASSERT_EQ(plot.SeriesCollection().Count(), kSeries);
    for (int i = 1; i <= kSeries; ++i) {
        auto brush = plot.SeriesCollection().Item(i).DataPoints().Item(-1).Brush();
        brush.FillColor().setAutomatic(false);
        brush.FillColor().Set(i % 256, (i / 256) % 256, i % 7);
        brush.setStyle(2);
        brush.setIndex(i % ChartLib::kPatternCodeCount);
    }
    int mismatches = 0;
    for (int i = 1; i <= kSeries; ++i) {
        const Rgb expected{std::uint8_t(i % 256), std::uint8_t((i / 256) % 256),
                           std::uint8_t(i % 7)};
        const auto brush = plot.SeriesCollection().Item(i).DataPoints().Item(-1).Brush();
        mismatches += model.fillColor(i - 1) != expected || brush.style() != 2 ||
                      brush.index() != i % ChartLib::kPatternCodeCount;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(model.seriesLabel(kSeries - 1), u" Label 999999"_s);
}

}  // namespace
