#include "chart/chart_presentation.h"

namespace chartview {

using namespace Qt::StringLiterals;

namespace {

constexpr int kValueAxis = 1;
constexpr int kSecondaryValueAxis = 2;
constexpr int kLabelLevel = 1;
constexpr int kOutside = 6;
constexpr int kPercentage = 2;

void presentBar(ChartLib::Chart& chart, const LaunchFields& fields) {
    chart.setChartType(ChartLib::kChartType2dBar);
    chart.Plot().Axis(kValueAxis).Labels().Item(kLabelLevel).setFormat(u"#,###"_s);
    chart.Plot().Axis(kSecondaryValueAxis).AxisScale().setHide(true);
    chart.DataGrid().setColumnLabel(1, kLabelLevel, fields.text(LaunchField::SeriesName1));
    if (fields.is(LaunchField::SecondSeries, "1")) {
        chart.DataGrid().setColumnLabel(2, kLabelLevel, fields.text(LaunchField::SeriesName2));
    }
}

void presentPie(ChartLib::Chart& chart, const LaunchFields& fields) {
    chart.setChartType(ChartLib::kChartType2dPie);
    chart.DataGrid().setRowLabel(1, kLabelLevel, fields.text(LaunchField::SeriesName1));
    const int count = chart.Plot().SeriesCollection().Count();
    const QString percentFormat = u"0%"_s;
    for (int i = 1; i <= count; ++i) {
        ChartLib::DataPointLabelRef label =
            chart.Plot().SeriesCollection().Item(i).DataPoints().Item(-1).DataPointLabel();
        label.setLocationType(kOutside);
        label.setComponent(kPercentage);
        label.setPercentFormat(percentFormat);
    }
}

}  // namespace

void ApplyChartPresentation(ChartLib::Chart& chart, const LaunchFields& fields) {
    chart.setShowLegend(true);
    if (fields.isBarKind()) {
        presentBar(chart, fields);
    } else {
        presentPie(chart, fields);
    }
}

}  // namespace chartview
