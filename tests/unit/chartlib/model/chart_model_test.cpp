#include "chartlib/model/chart_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "grid_tables.h"

using namespace Qt::StringLiterals;

namespace {

using ChartLib::ChartError;
using ChartLib::ChartModel;
using ChartLib::DataArray;
using ChartLib::GridShape;
using ChartLib::Rgb;
using ChartLib::SeriesStyle;
using chartview::testing::barTable;
using chartview::testing::fromUtf16;
using chartview::testing::pieTable;
using chartview::testing::tableFromCodes;

auto fields(const GridShape& shape) {
    return std::tuple(shape.labelColumn, shape.labelRow, shape.rows, shape.series);
}

TEST(ReadGridShape, FindsLabelsAndValuesInBothOrientations) {
    struct Case {
        const char* name;
        int rows;
        int columns;
        const char* codes;  // see tableFromCodes
        GridShape expected;
    };
    const Case cases[] = {
        {"bar", 4, 3, "t##t##t##t##", {true, false, 4, 2}},
        {"bar with an all-empty last row", 4, 3, "t##t##t##...", {true, false, 4, 2}},
        {"bar of one empty row", 1, 3, "...", {true, false, 1, 2}},
        {"bar of one empty row, shrunk", 1, 2, "..", {true, false, 1, 1}},
        {"bar with a text value", 3, 3, "t##tt#t.#", {true, false, 3, 2}},
        {"pie", 2, 4, "tttt####", {false, true, 1, 4}},
        {"pie with an empty last value", 2, 4, "tttt###.", {false, true, 1, 4}},
        {"pie with a text value", 2, 3, "ttt#t#", {false, true, 1, 3}},
        {"pie of one empty column", 2, 1, "..", {false, true, 1, 1}},
        {"both labels", 3, 3, "tttt##t##", {true, true, 2, 2}},
        {"NaN makes column 0 values", 2, 3, "n##n##", {false, false, 2, 3}},
        {"infinity makes row 0 values", 2, 3, "tit###", {false, false, 2, 3}},
        {"minus infinity in column 0", 2, 2, "jtt#", {false, false, 2, 2}},
        {"one text cell", 1, 1, "t", {false, false, 1, 1}},
        {"empty 0 x 0", 0, 0, "", {false, false, 0, 0}},
        {"no rows", 0, 3, "", {true, false, 0, 2}},
        {"no columns", 3, 0, "", {false, true, 2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DataArray table = tableFromCodes(c.rows, c.columns, c.codes);
        EXPECT_EQ(fields(ChartLib::readGridShape(table)), fields(c.expected));
    }
}

TEST(ChartModel, TakesTheDataWithoutCopying) {
    DataArray table = barTable(3);
    const char16_t* label = table.text(1, 0).data();
    ChartModel model;
    model.setChartData(std::move(table));
    EXPECT_EQ(model.data().text(1, 0).data(), label);
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.seriesCount(), 2);
}

TEST(ChartModel, ValuesSkipTheLabelsAndGiveNothingForEmptyOrText) {
    ChartModel model;
    model.setChartData(tableFromCodes(3, 3, "tttt.tt#n"));  // both labels
    EXPECT_EQ(model.value(0, 0), std::nullopt);
    EXPECT_EQ(model.value(0, 1), std::nullopt);
    EXPECT_EQ(model.value(1, 0), 21.0);
    EXPECT_TRUE(std::isnan(*model.value(1, 1)));
}

TEST(ChartModel, LabelsComeFromOverridesThenCellsThenDefaults) {
    DataArray table = barTable(3);
    table.setEmpty(1, 0);
    table.setText(2, 0, std::u16string{u' ', char16_t(0xD800), u'\0', u'x'});
    ChartModel model;
    model.setChartData(std::move(table));

    EXPECT_EQ(model.rowLabel(0), u" Label 0"_s);
    EXPECT_EQ(model.rowLabel(1), QString());
    EXPECT_EQ(model.rowLabel(2), fromUtf16(std::u16string{u' ', char16_t(0xD800), u'\0', u'x'}));
    EXPECT_EQ(model.seriesLabel(0), u"Series 1"_s);
    EXPECT_EQ(model.seriesLabel(1), u"Series 2"_s);

    model.setRowLabel(1, u"set"_s);
    model.setSeriesLabel(1, QString());
    EXPECT_EQ(model.rowLabel(1), u"set"_s);
    EXPECT_EQ(model.seriesLabel(1), QString());
}

TEST(ChartModel, PieLabelsComeFromRowZero) {
    ChartModel model;
    model.setChartData(pieTable(3));
    EXPECT_EQ(model.rowLabel(0), u"Row 1"_s);
    EXPECT_EQ(model.seriesLabel(2), u" Label 2"_s);

    model.setChartData(tableFromCodes(2, 2, "##.#"));  // no labels anywhere
    EXPECT_EQ(model.rowLabel(1), u"Row 2"_s);
    EXPECT_EQ(model.seriesLabel(1), u"Series 2"_s);
}

TEST(ChartModel, NewDataResetsSeriesSettingsAndLabelOverrides) {
    ChartModel model;
    model.setChartData(barTable(2));
    model.setFillColor(1, {1, 2, 3});
    model.setBrushStyle(1, 2);
    model.setPercentFormat(0, u"0%"_s);
    model.setRowLabel(0, u"override"_s);
    model.setSeriesLabel(0, u"override"_s);

    model.setChartData(barTable(2));
    for (int series = 0; series < 2; ++series) {
        const SeriesStyle& style = model.seriesStyle(series);
        EXPECT_EQ(style.setMask, 0);
        EXPECT_EQ(style.brushStyle, ChartLib::kBrushSolid);
        EXPECT_EQ(model.percentFormat(series), QString());
        EXPECT_EQ(model.fillColor(series), ChartLib::automaticFill(series));
    }
    EXPECT_EQ(model.rowLabel(0), u" Label 0"_s);
    EXPECT_EQ(model.seriesLabel(0), u"Series 1"_s);
}

TEST(ChartModel, SettersRecordWhatWasSet) {
    ChartModel model;
    model.setChartData(pieTable(3));
    model.setFillColor(0, {10, 20, 30});
    model.setBrushStyle(1, 2);
    model.setPatternIndex(1, 17);
    model.setPatternColor(1, {0, 0, 0});
    model.setLabelLocation(2, 6);
    model.setLabelComponent(2, 2);
    model.setPercentFormat(2, u"0%"_s);

    EXPECT_EQ(model.fillColor(0), (Rgb{10, 20, 30}));
    EXPECT_EQ(model.seriesStyle(0).setMask, ChartLib::kFillSet);
    EXPECT_EQ(model.seriesStyle(1).patternIndex, 17);
    EXPECT_EQ(model.seriesStyle(1).setMask,
              ChartLib::kStyleSet | ChartLib::kIndexSet | ChartLib::kPatternColorSet);
    EXPECT_EQ(model.seriesStyle(2).labelLocation, 6);
    EXPECT_EQ(model.seriesStyle(2).labelComponent, 2);
    EXPECT_EQ(model.percentFormat(2), u"0%"_s);
    EXPECT_EQ(model.seriesStyle(2).setMask,
              ChartLib::kLocationSet | ChartLib::kComponentSet | ChartLib::kPercentFormatSet);

    model.resetFillColor(0);
    EXPECT_EQ(model.seriesStyle(0).setMask, 0);
    EXPECT_EQ(model.fillColor(0), ChartLib::automaticFill(0));
}

TEST(ChartModel, PercentFormatsAreInterned) {
    ChartModel model;
    model.setChartData(pieTable(3));
    model.setPercentFormat(0, u"0%"_s);
    model.setPercentFormat(1, u"0.0%"_s);
    model.setPercentFormat(2, u"0%"_s);
    EXPECT_EQ(model.seriesStyle(0).percentFormatId, model.seriesStyle(2).percentFormatId);
    EXPECT_NE(model.seriesStyle(0).percentFormatId, model.seriesStyle(1).percentFormatId);
    EXPECT_EQ(model.percentFormat(1), u"0.0%"_s);

    model.setPercentFormat(1, QString());  // set, to the general format
    EXPECT_EQ(model.seriesStyle(1).percentFormatId, 0u);
    EXPECT_TRUE(model.seriesStyle(1).setMask & ChartLib::kPercentFormatSet);
}

TEST(ChartModel, NeighbouringSeriesGetDistinctAutomaticFills) {
    std::set<std::tuple<int, int, int>> colours;
    for (int series = 0; series < 8; ++series) {
        const Rgb fill = ChartLib::automaticFill(series);
        colours.insert({fill.red, fill.green, fill.blue});
    }
    EXPECT_EQ(colours.size(), 8u);
}

TEST(ChartModel, ChartTypeKeepsSeriesSettings) {
    ChartModel model;
    model.setChartData(barTable(2));
    model.setFillColor(1, {200, 0, 0});
    model.setChartType(ChartLib::kChartType2dPie);
    model.setChartType(ChartLib::kChartType2dBar);
    EXPECT_EQ(model.fillColor(1), (Rgb{200, 0, 0}));
    EXPECT_EQ(model.chartType(), ChartLib::kChartType2dBar);
}

TEST(ChartModel, ReadersCheckTheirIndex) {
    ChartModel model;
    model.setChartData(barTable(2));
    EXPECT_THROW(model.seriesStyle(-1), ChartError);
    EXPECT_THROW(model.seriesStyle(2), ChartError);
    EXPECT_THROW(model.fillColor(2), ChartError);
    EXPECT_THROW(model.percentFormat(2), ChartError);
    EXPECT_THROW(model.rowLabel(2), ChartError);
    EXPECT_THROW(model.seriesLabel(-1), ChartError);
    EXPECT_THROW(model.axis(3), ChartError);
    EXPECT_THROW(ChartModel().seriesStyle(0), ChartError);
}

TEST(ChartModel, ErrorsCountFromOne) {
    ChartModel model;
    model.setChartData(pieTable(3));
    const auto messageOf = [](auto call) -> std::string {
        try {
            call();
        } catch (const ChartError& error) {
            return error.what();
        }
        return "no error";
    };
    EXPECT_EQ(messageOf([&] { model.setBrushStyle(6, 1); }), "series 7 is out of range 1..3");
    EXPECT_EQ(messageOf([&] { model.setBrushStyle(0, 3); }), "brush style 3 is out of range 0..2");
    EXPECT_EQ(messageOf([&] { model.rowLabel(1); }), "row 2 is out of range 1..1");
    EXPECT_EQ(messageOf([&] { ChartModel().seriesLabel(0); }),
              "series 1 is out of range (there are none)");
}

}  // namespace
