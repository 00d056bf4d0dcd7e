#pragma once

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ChartLib {

// The kind of one cell of a DataArray.
enum class CellKind : std::uint8_t { Empty, Text, Number };

// A two-dimensional table of cells, each empty, a UTF-16 text or a double: what the chart
// takes as its whole data (`ChartData`). Built for millions of cells: one kind byte and one
// 8-byte slot per cell, texts in one shared pool of code units, no heap object per cell.
// Storage is column-major, so a column (a bar series) is contiguous and dropping trailing
// columns is a truncation.
class DataArray {
public:
    DataArray() = default;
    // Every cell starts empty. Throws std::bad_alloc when the cells cannot be allocated and
    // ChartLib::ChartError when a dimension is negative.
    DataArray(int rows, int columns);
    DataArray(const DataArray&) = default;
    DataArray& operator=(const DataArray&) = default;
    // The source is left 0 x 0, never with its old dimensions over emptied storage.
    DataArray(DataArray&& other) noexcept;
    DataArray& operator=(DataArray&& other) noexcept;

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

    CellKind kind(int row, int column) const { return kinds_[at(row, column)]; }
    // The number of a Number cell; for other kinds the result is meaningless.
    double number(int row, int column) const {
        return std::bit_cast<double>(slots_[at(row, column)]);
    }
    // The text of a Text cell (any code units, zeros included); empty for other kinds.
    // Valid until the array is changed or destroyed.
    std::u16string_view text(int row, int column) const;

    // The setters throw ChartError for a cell outside the array.
    void setNumber(int row, int column, double value);
    // Copies the text into the pool. Texts are never reclaimed while the array lives, so write
    // each text cell once. Throws ChartError for a text over 16,777,215 code units.
    void setText(int row, int column, std::u16string_view text);
    void setEmpty(int row, int column);

    // Room for `codeUnits` more text code units, so that filling the array never reallocates.
    void reserveText(std::size_t codeUnits);

    // Keeps columns 0 .. keptColumns-1 with every row and cell; drops the rest (nothing when
    // keptColumns >= columnCount()). Throws ChartError when keptColumns is negative.
    void dropColumnsFrom(int keptColumns);

    // Bytes the cells and a text pool of `textUnits` code units take (for memory budgets);
    // SIZE_MAX when that does not fit in size_t. Throws ChartError for a negative argument.
    static std::size_t bytesFor(std::int64_t rows, std::int64_t columns, std::int64_t textUnits);

private:
    std::size_t checkedAt(int row, int column) const;
    std::size_t at(int row, int column) const {
        return static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
               static_cast<std::size_t>(row);
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<CellKind> kinds_;
    // A Number cell's bits, or a Text cell's pool offset (high 40 bits) and length (low 24).
    std::vector<std::uint64_t> slots_;
    std::vector<char16_t> textPool_;
};

}  // namespace ChartLib
