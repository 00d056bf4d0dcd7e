#include "chartlib/data/data_array.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <new>
#include <string>
#include <utility>

#include "chartlib/chart_error.h"

namespace ChartLib {

namespace {

constexpr int kLengthBits = 24;
constexpr std::uint64_t kMaxTextLength = (std::uint64_t{1} << kLengthBits) - 1;
constexpr std::uint64_t kMaxPoolOffset = (std::uint64_t{1} << (64 - kLengthBits)) - 1;

std::uint64_t packText(std::uint64_t offset, std::uint64_t length) {
    return (offset << kLengthBits) | length;
}

// Cells for a table, or bad_alloc when no vector can hold that many (rows * columns cannot
// overflow 64 bits for int dimensions, but it can pass what a vector may hold).
std::size_t cellCount(int rows, int columns, std::size_t maxCells) {
    if (rows < 0 || columns < 0) {
        throw ChartError("a data array cannot be " + std::to_string(rows) + " x " +
                         std::to_string(columns));
    }
    const std::uint64_t cells = std::uint64_t(rows) * std::uint64_t(columns);
    if (cells > maxCells) {
        throw std::bad_alloc();
    }
    return static_cast<std::size_t>(cells);
}

}  // namespace

DataArray::DataArray(int rows, int columns) {
    const std::size_t cells = cellCount(rows, columns, slots_.max_size());
    kinds_.assign(cells, CellKind::Empty);
    slots_.assign(cells, 0);
    rows_ = rows;
    columns_ = columns;
}

DataArray::DataArray(DataArray&& other) noexcept
    : rows_(std::exchange(other.rows_, 0)),
      columns_(std::exchange(other.columns_, 0)),
      kinds_(std::move(other.kinds_)),
      slots_(std::move(other.slots_)),
      textPool_(std::move(other.textPool_)) {
    other.kinds_.clear();
    other.slots_.clear();
    other.textPool_.clear();
}

DataArray& DataArray::operator=(DataArray&& other) noexcept {
    if (this != &other) {
        rows_ = std::exchange(other.rows_, 0);
        columns_ = std::exchange(other.columns_, 0);
        kinds_ = std::move(other.kinds_);
        slots_ = std::move(other.slots_);
        textPool_ = std::move(other.textPool_);
        other.kinds_.clear();
        other.slots_.clear();
        other.textPool_.clear();
    }
    return *this;
}

std::u16string_view DataArray::text(int row, int column) const {
    const std::size_t cell = at(row, column);
    if (kinds_[cell] != CellKind::Text) {
        return {};
    }
    const std::uint64_t slot = slots_[cell];
    return {textPool_.data() + (slot >> kLengthBits), std::size_t(slot & kMaxTextLength)};
}

void DataArray::setNumber(int row, int column, double value) {
    const std::size_t cell = checkedAt(row, column);
    kinds_[cell] = CellKind::Number;
    slots_[cell] = std::bit_cast<std::uint64_t>(value);
}

void DataArray::setText(int row, int column, std::u16string_view text) {
    const std::size_t cell = checkedAt(row, column);
    if (text.size() > kMaxTextLength) {
        throw ChartError("a text of " + std::to_string(text.size()) +
                         " code units is longer than a cell holds (16,777,215)");
    }
    // A text already in the pool (copied from another cell) is shared rather than appended,
    // which also keeps the view valid while the pool would grow.
    const char16_t* pool = textPool_.data();
    const std::less<const char16_t*> before;
    if (!text.empty() && !before(text.data(), pool) &&
        before(text.data(), pool + textPool_.size())) {
        kinds_[cell] = CellKind::Text;
        slots_[cell] = packText(std::uint64_t(text.data() - pool), text.size());
        return;
    }
    const std::uint64_t offset = textPool_.size();
    if (offset + text.size() > kMaxPoolOffset) {
        throw ChartError("the data array's text pool is full");
    }
    textPool_.insert(textPool_.end(), text.begin(), text.end());
    kinds_[cell] = CellKind::Text;
    slots_[cell] = packText(offset, text.size());
}

void DataArray::setEmpty(int row, int column) {
    const std::size_t cell = checkedAt(row, column);
    kinds_[cell] = CellKind::Empty;
    slots_[cell] = 0;
}

void DataArray::reserveText(std::size_t codeUnits) {
    textPool_.reserve(textPool_.size() + codeUnits);
}

void DataArray::dropColumnsFrom(int keptColumns) {
    if (keptColumns < 0) {
        throw ChartError("cannot keep " + std::to_string(keptColumns) + " columns");
    }
    if (keptColumns >= columns_) {
        return;
    }
    const std::size_t cells = std::size_t(keptColumns) * std::size_t(rows_);
    kinds_.resize(cells);
    slots_.resize(cells);
    columns_ = keptColumns;
}

std::size_t DataArray::bytesFor(std::int64_t rows, std::int64_t columns, std::int64_t textUnits) {
    if (rows < 0 || columns < 0 || textUnits < 0) {
        throw ChartError("a data array's size cannot be negative");
    }
    constexpr std::uint64_t kCellBytes = sizeof(CellKind) + sizeof(std::uint64_t);
    std::uint64_t cellBytes = 0;
    std::uint64_t textBytes = 0;
    std::uint64_t total = 0;
    if (__builtin_mul_overflow(std::uint64_t(rows), std::uint64_t(columns), &cellBytes) ||
        __builtin_mul_overflow(cellBytes, kCellBytes, &cellBytes) ||
        __builtin_mul_overflow(std::uint64_t(textUnits), sizeof(char16_t), &textBytes) ||
        __builtin_add_overflow(cellBytes, textBytes, &total) ||
        total > std::numeric_limits<std::size_t>::max()) {
        return std::numeric_limits<std::size_t>::max();
    }
    return static_cast<std::size_t>(total);
}

std::size_t DataArray::checkedAt(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        throw ChartError("cell (" + std::to_string(row) + ", " + std::to_string(column) +
                         ") is outside the " + std::to_string(rows_) + " x " +
                         std::to_string(columns_) + " data array");
    }
    return at(row, column);
}

}  // namespace ChartLib
