// The load path alone, as one process: length, table sizing, reading every record into the
// table, hand-over to a chart model. Usage: load_records bar|pie FILE
#include <cstdio>
#include <cstring>
#include <string>
#include <variant>

#include "chart/chart_table.h"
#include "chartlib/model/chart_model.h"
#include "input/record_reader.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: load_records bar|pie FILE\n", stderr);
        return 64;
    }
    const bool bar = std::strcmp(argv[1], "bar") == 0;
    const std::string path = argv[2];
    const auto length = chartview::takeFileLength(path);
    if (!std::holds_alternative<std::int64_t>(length)) {
        return 66;
    }
    const std::int64_t bytes = std::get<std::int64_t>(length);
    const std::int64_t n = chartview::ChartTable::lastIndexFor(chartview::lastIndexFor(bytes));
    if (n < 0) {
        return 65;
    }
    using Orientation = chartview::ChartTable::Orientation;
    chartview::ChartTable table(bar ? Orientation::Bar : Orientation::Pie, n);
    const bool read =
        chartview::readRecords(path, chartview::recordCountFor(bytes),
                               [&table](std::int64_t first, std::span<const std::byte> records) {
                                   table.placeRecords(first, records);
                               });
    if (!read) {
        return 74;
    }
    ChartLib::ChartModel model;
    model.setChartData(std::move(table).release());
    return model.seriesCount() > 0 ? 0 : 70;
}
