// The load path alone, as one process: the data-file steps of the load (length, table
// sizing, reading every record) and the hand-over to a chart model.
// Usage: load_records bar|pie FILE
#include <cstdio>
#include <cstring>
#include <variant>

#include "chart/table_loader.h"
#include "chartlib/model/chart_model.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: load_records bar|pie FILE\n", stderr);
        return 64;
    }
    using Orientation = chartview::ChartTable::Orientation;
    const auto orientation = std::strcmp(argv[1], "bar") == 0 ? Orientation::Bar : Orientation::Pie;
    auto loaded = chartview::loadChartTable(argv[2], orientation);
    if (const auto* failure = std::get_if<chartview::LoadFailure>(&loaded)) {
        return chartview::reportFailure("load_records", *failure);
    }
    ChartLib::ChartModel model;
    model.setChartData(std::move(std::get<chartview::ChartTable>(loaded)).release());
    return 0;
}
