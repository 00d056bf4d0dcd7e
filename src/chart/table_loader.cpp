#include "chart/table_loader.h"

#include <new>
#include <optional>

#include "chart/memory_budget.h"
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

}  // namespace

std::variant<ChartTable, LoadFailure> loadChartTable(const std::string& path,
                                                     ChartTable::Orientation orientation) {
    const auto length = takeFileLength(path);
    if (const auto* lengthFailure = std::get_if<LengthFailure>(&length)) {
        return failure(ExitStatus::NoInput, path, lengthFailure->reason);
    }
    const std::int64_t fileLength = std::get<std::int64_t>(length);
    auto sized = sizeTable(orientation, path, fileLength);
    if (auto* table = std::get_if<ChartTable>(&sized)) {
        // The read trap: any failure while the file is open ends the run, silently.
        const bool read =
            readRecords(path, recordCountFor(fileLength),
                        [table](std::int64_t first, std::span<const std::byte> bytes) {
                            table->placeRecords(first, bytes);
                        });
        if (!read) {
            return LoadFailure{ExitStatus::IoError, {}};
        }
    }
    return sized;
}

}  // namespace chartview
