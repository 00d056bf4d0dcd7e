#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "chartlib/data/data_array.h"
#include "input/record_reader.h"

namespace chartview {

// The table of cells the chart takes as its whole data, in one of two orientations:
// bar: rows 0..N, columns 0 (label cell), 1 (Value1), 2 (Value2);
// pie: rows 0 (label cells) and 1 (Value1), columns 0..N.
// Sized once from the file length and never grown; moved into the chart, never copied.
class ChartTable {
public:
    enum class Orientation { Bar, Pie };

    // The table's last index N: `LastIndex` rounded to the nearest whole number, halves to
    // the even one. Below 0 (a file under 200 bytes) no table can be made.
    static std::int64_t lastIndexFor(double lastIndex);
    // Bytes a table of last index `n` holds, to check against memory before sizing it.
    static std::size_t bytesFor(Orientation orientation, std::int64_t n);
    // The largest last index a table can have (cells are addressed by 32-bit indices).
    static std::int64_t maxLastIndex(Orientation orientation);

    // Every cell empty. Requires 0 <= n <= maxLastIndex; throws std::bad_alloc when the
    // memory cannot be had.
    ChartTable(Orientation orientation, std::int64_t n);

    Orientation orientation() const { return orientation_; }

    // Writes record `index` (0 .. N): its label cell " " + the 64 code units, Value1, and in
    // the bar orientation Value2.
    void placeRecord(std::int64_t index, const ChartRecord& record);
    // Decodes and places consecutive records, the first with index `firstIndex`.
    void placeRecords(std::int64_t firstIndex, std::span<const std::byte> records);

    // Bar orientation: drops the Value2 column, keeping every row. Does nothing for a pie.
    void dropSecondSeries();

    const ChartLib::DataArray& cells() const { return cells_; }
    // Hands the cells over; the table is empty afterwards.
    ChartLib::DataArray release() && { return std::move(cells_); }

private:
    Orientation orientation_;
    ChartLib::DataArray cells_;
};

}  // namespace chartview
