#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

#include "chartlib/data/data_array.h"

// Small tables for the model tests, in the two orientations the application hands over.
namespace chartview::testing {

// A rows x columns table from one code per cell, row by row: '.' empty, 't' a text naming the
// cell ("r,c"), '#' the number row*10+column, 'n' NaN, 'i' +infinity, 'j' -infinity.
ChartLib::DataArray tableFromCodes(int rows, int columns, std::string_view codes);

// A bar table: `rows` rows of " Label r" and the values r*10+1 and r*10+2.
ChartLib::DataArray barTable(int rows);

// A pie table: row 0 holds " Label s", row 1 the value s+1, for `series` columns.
ChartLib::DataArray pieTable(int series);

inline QString fromUtf16(std::u16string_view text) {
    return QStringView(text.data(), qsizetype(text.size())).toString();
}

}  // namespace chartview::testing
