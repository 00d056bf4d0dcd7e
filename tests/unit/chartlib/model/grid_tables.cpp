#include "grid_tables.h"

#include <cstddef>
#include <limits>
#include <stdexcept>

namespace chartview::testing {

using ChartLib::DataArray;

namespace {

std::u16string labelText(int index) {
    const std::string ascii = " Label " + std::to_string(index);
    return std::u16string(ascii.begin(), ascii.end());
}

void setCode(DataArray& table, int row, int column, char code) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    switch (code) {
        case '.':
            break;
        case 't': {
            const std::string name = std::to_string(row) + ',' + std::to_string(column);
            table.setText(row, column, std::u16string(name.begin(), name.end()));
            break;
        }
        case '#':
            table.setNumber(row, column, row * 10 + column);
            break;
        case 'n':
            table.setNumber(row, column, std::numeric_limits<double>::quiet_NaN());
            break;
        case 'i':
            table.setNumber(row, column, kInfinity);
            break;
        case 'j':
            table.setNumber(row, column, -kInfinity);
            break;
        default:
            throw std::invalid_argument("unknown cell code");
    }
}

}  // namespace

DataArray tableFromCodes(int rows, int columns, std::string_view codes) {
    if (codes.size() != std::size_t(rows) * std::size_t(columns)) {
        throw std::invalid_argument("cell codes do not fill the table");
    }
    DataArray table(rows, columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            setCode(table, row, column, codes[std::size_t(row * columns + column)]);
        }
    }
    return table;
}

DataArray barTable(int rows) {
    DataArray table(rows, 3);
    for (int row = 0; row < rows; ++row) {
        table.setText(row, 0, labelText(row));
        table.setNumber(row, 1, row * 10 + 1);
        table.setNumber(row, 2, row * 10 + 2);
    }
    return table;
}

DataArray pieTable(int series) {
    DataArray table(2, series);
    for (int column = 0; column < series; ++column) {
        table.setText(0, column, labelText(column));
        table.setNumber(1, column, column + 1);
    }
    return table;
}

}  // namespace chartview::testing
