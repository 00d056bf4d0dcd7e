#include "chart/chart_table.h"

#include <array>
#include <cmath>
#include <limits>

namespace chartview {

namespace {

constexpr int kLabelCellUnits = 1 + kLabelUnits;
constexpr int kBarColumns = 3;
constexpr int kPieRows = 2;

}  // namespace

std::int64_t ChartTable::lastIndexFor(double lastIndex) {
    // Lengths reach LastIndex exactly enough (doubles hold 53 bits); nearbyint rounds halves
    // to even in the default rounding mode, which nothing here changes.
    return static_cast<std::int64_t>(std::nearbyint(lastIndex));
}

std::size_t ChartTable::bytesFor(Orientation orientation, std::int64_t n) {
    const std::int64_t records = n + 1;
    const bool bar = orientation == Orientation::Bar;
    return ChartLib::DataArray::bytesFor(bar ? records : kPieRows, bar ? kBarColumns : records,
                                         records * kLabelCellUnits);
}

std::int64_t ChartTable::maxLastIndex(Orientation orientation) {
    const std::int64_t cellsPerRecord = orientation == Orientation::Bar ? kBarColumns : kPieRows;
    return std::numeric_limits<int>::max() / cellsPerRecord - 1;
}

ChartTable::ChartTable(Orientation orientation, std::int64_t n)
    : orientation_(orientation),
      cells_(orientation == Orientation::Bar
                 ? ChartLib::DataArray(static_cast<int>(n + 1), kBarColumns)
                 : ChartLib::DataArray(kPieRows, static_cast<int>(n + 1))) {
    cells_.reserveText(static_cast<std::size_t>(n + 1) * kLabelCellUnits);
}

void ChartTable::placeRecord(std::int64_t index, const ChartRecord& record) {
    std::array<char16_t, kLabelCellUnits> labelCell;
    labelCell[0] = u' ';
    std::copy(record.label.begin(), record.label.end(), labelCell.begin() + 1);
    const std::u16string_view label(labelCell.data(), labelCell.size());
    const int i = static_cast<int>(index);
    if (orientation_ == Orientation::Bar) {
        cells_.setText(i, 0, label);
        cells_.setNumber(i, 1, record.value1);
        cells_.setNumber(i, 2, record.value2);
    } else {
        cells_.setText(0, i, label);
        cells_.setNumber(1, i, record.value1);
    }
}

void ChartTable::placeRecords(std::int64_t firstIndex, std::span<const std::byte> records) {
    const std::size_t count = records.size() / kRecordSize;
    for (std::size_t k = 0; k < count; ++k) {
        const auto bytes = records.subspan(k * kRecordSize).first<kRecordSize>();
        placeRecord(firstIndex + static_cast<std::int64_t>(k), decodeRecord(bytes));
    }
}

void ChartTable::dropSecondSeries() {
    if (orientation_ == Orientation::Bar) {
        cells_.dropColumnsFrom(kBarColumns - 1);
    }
}

}  // namespace chartview
