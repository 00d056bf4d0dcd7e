#include "chart/load_sequence.h"

#include <new>
#include <variant>

#include "chart/chart_presentation.h"
#include "chart/chart_table.h"
#include "chart/series_colors.h"
#include "chart/table_loader.h"

namespace chartview {

namespace {

// Steps 10 to 12: hand-over, colours, presentation. Failures the chart reports end the run.
LoadOutcome buildChart(ChartTable&& table, const LaunchFields& fields, ChartLib::Chart& chart) {
    try {
        chart.setChartData(std::move(table).release());
        ApplySeriesColors(chart);
        ApplyChartPresentation(chart, fields);
    } catch (const ChartLib::ChartError& error) {
        return LoadFailure{ExitStatus::Software, std::string("chart control: ") + error.what()};
    } catch (const std::bad_alloc&) {
        return LoadFailure{ExitStatus::Software, "out of memory while building the chart"};
    }
    return std::nullopt;
}

}  // namespace

LoadOutcome runLoadSequence(const LaunchFields& fields, ChartLib::Chart& chart,
                            const std::function<void(const QString&)>& setCaption) {
    setCaption(fields.chosenCaption());

    const auto orientation =
        fields.isBarKind() ? ChartTable::Orientation::Bar : ChartTable::Orientation::Pie;
    auto loaded = loadChartTable(fields[LaunchField::DataFile], orientation);
    if (auto* loadFailure = std::get_if<LoadFailure>(&loaded)) {
        return std::move(*loadFailure);
    }
    ChartTable& table = std::get<ChartTable>(loaded);

    if (fields.isBarKind() && fields.is(LaunchField::SecondSeries, "0")) {
        table.dropSecondSeries();
    }
    return buildChart(std::move(table), fields, chart);
}

}  // namespace chartview
