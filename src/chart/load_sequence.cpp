#include "chart/load_sequence.h"

#include <new>
#include <optional>
#include <string>
#include <variant>

#include "chart/chart_presentation.h"
#include "chart/chart_table.h"
#include "chart/memory_budget.h"
#include "chart/series_colors.h"
#include "input/record_reader.h"

namespace chartview {

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

LoadFailure failure(ExitStatus status, const std::string& path, const std::string& reason) {
    return {status, path + ": " + reason};
}

std::string mebibytes(double bytes) {
    return std::to_string(static_cast<long long>(bytes / kMiB + 0.5)) + " MiB";
}

// Sizes the table for the file's length, or says why no table can be made.
std::variant<ChartTable, LoadFailure> sizeTable(ChartTable::Orientation orientation,
                                                const std::string& path, std::int64_t length) {
    const std::int64_t n = ChartTable::lastIndexFor(lastIndexFor(length));
    if (n < 0) {
        return failure(
            ExitStatus::DataError, path,
            "too short for a chart (" + std::to_string(length) + " bytes; at least 200 needed)");
    }
    const double needed = static_cast<double>(ChartTable::bytesFor(orientation, n));
    const std::optional<std::uint64_t> available = availableMemoryBytes();
    if (n > ChartTable::maxLastIndex(orientation) ||
        (available && needed > static_cast<double>(*available))) {
        return failure(
            ExitStatus::DataError, path,
            "too large for memory (its chart needs " + mebibytes(needed) +
                (available ? ", " + mebibytes(static_cast<double>(*available)) + " available)"
                           : ")"));
    }
    try {
        return ChartTable(orientation, n);
    } catch (const std::bad_alloc&) {
        return failure(ExitStatus::DataError, path,
                       "too large for memory (its chart needs " + mebibytes(needed) + ")");
    }
}

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

    const std::string& path = fields[LaunchField::DataFile];
    const auto length = takeFileLength(path);
    if (const auto* lengthFailure = std::get_if<LengthFailure>(&length)) {
        return failure(ExitStatus::NoInput, path, lengthFailure->reason);
    }
    const std::int64_t fileLength = std::get<std::int64_t>(length);

    const auto orientation =
        fields.isBarKind() ? ChartTable::Orientation::Bar : ChartTable::Orientation::Pie;
    auto sized = sizeTable(orientation, path, fileLength);
    if (auto* sizeFailure = std::get_if<LoadFailure>(&sized)) {
        return std::move(*sizeFailure);
    }
    ChartTable& table = std::get<ChartTable>(sized);

    // The read trap: any failure while the file is open ends the run, silently.
    const bool read = readRecords(path, recordCountFor(fileLength),
                                  [&table](std::int64_t first, std::span<const std::byte> bytes) {
                                      table.placeRecords(first, bytes);
                                  });
    if (!read) {
        return LoadFailure{ExitStatus::IoError, {}};
    }

    if (fields.isBarKind() && fields.is(LaunchField::SecondSeries, "0")) {
        table.dropSecondSeries();
    }
    return buildChart(std::move(table), fields, chart);
}

}  // namespace chartview
