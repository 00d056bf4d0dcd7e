#include "chartlib/data/data_array.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <limits>
#include <new>
#include <string>
#include <utility>

#include "chartlib/model/chart_model.h"

namespace {

using ChartLib::CellKind;
using ChartLib::ChartError;
using ChartLib::DataArray;

TEST(DataArray, StartsWithEveryCellEmpty) {
    const DataArray table(3, 2);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.columnCount(), 2);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            EXPECT_EQ(table.kind(row, column), CellKind::Empty);
            EXPECT_TRUE(table.text(row, column).empty());
        }
    }
}

TEST(DataArray, NumbersKeepTheirExactBits) {
    struct Case {
        const char* name;
        std::uint64_t bits;
    };
    const Case cases[] = {
        {"one and a half", std::bit_cast<std::uint64_t>(1.5)},
        {"negative zero", std::bit_cast<std::uint64_t>(-0.0)},
        {"quiet NaN with payload", 0x7FF8'0000'0000'1234},
        {"negative NaN", 0xFFF8'0000'0000'0001},
        {"positive infinity", 0x7FF0'0000'0000'0000},
        {"smallest subnormal", 1},
    };
    DataArray table(1, int(std::size(cases)));
    for (int column = 0; column < table.columnCount(); ++column) {
        table.setNumber(0, column, std::bit_cast<double>(cases[column].bits));
    }
    for (int column = 0; column < table.columnCount(); ++column) {
        SCOPED_TRACE(cases[column].name);
        EXPECT_EQ(table.kind(0, column), CellKind::Number);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(table.number(0, column)), cases[column].bits);
    }
}

TEST(DataArray, TextsKeepEveryCodeUnit) {
    struct Case {
        const char* name;
        std::u16string text;
    };
    const Case cases[] = {
        {"empty", u""},
        {"leading blank", u" Tokyo"},
        {"zero units inside and at the end", std::u16string(u"a\0b\0", 4)},
        {"lone high surrogate", std::u16string(1, char16_t(0xD800))},
        {"lone low surrogate then text", std::u16string{char16_t(0xDC00), u'x'}},
        {"reversed pair", std::u16string{char16_t(0xDE00), char16_t(0xD83D)}},
        {"byte-order mark first", std::u16string{char16_t(0xFEFF), u'z'}},
        {"Japanese", u"東京都"},
    };
    // Written column by column so the pool grows (and moves) between writes and reads.
    DataArray table(2, int(std::size(cases)));
    for (int column = 0; column < table.columnCount(); ++column) {
        table.setText(1, column, cases[column].text);
    }
    for (int column = 0; column < table.columnCount(); ++column) {
        SCOPED_TRACE(cases[column].name);
        EXPECT_EQ(table.kind(1, column), CellKind::Text);
        EXPECT_EQ(std::u16string(table.text(1, column)), cases[column].text);
        EXPECT_EQ(table.kind(0, column), CellKind::Empty);
    }
}

TEST(DataArray, ACellTakesItsLatestKind) {
    DataArray table(1, 1);
    table.setText(0, 0, u"label");
    table.setNumber(0, 0, 7.0);
    EXPECT_EQ(table.kind(0, 0), CellKind::Number);
    EXPECT_TRUE(table.text(0, 0).empty());
    table.setEmpty(0, 0);
    EXPECT_EQ(table.kind(0, 0), CellKind::Empty);
    table.setText(0, 0, u"again");
    EXPECT_EQ(table.text(0, 0), u"again");
}

TEST(DataArray, CopiesATextFromItsOwnPool) {
    DataArray table(1, 40);
    table.setText(0, 0, u"shared text");
    // Each copy would grow the pool; reading from the pool while appending must stay valid.
    for (int column = 1; column < 40; ++column) {
        table.setText(0, column, table.text(0, column - 1));
    }
    EXPECT_EQ(table.text(0, 39), u"shared text");
    table.setText(0, 1, table.text(0, 0).substr(7));
    EXPECT_EQ(table.text(0, 1), u"text");
}

TEST(DataArray, DropColumnsFromKeepsRowsAndValues) {
    DataArray table(3, 3);
    for (int row = 0; row < 3; ++row) {
        table.setText(row, 0, std::u16string(1, char16_t(u'a' + row)));
        table.setNumber(row, 1, row + 0.5);
        table.setNumber(row, 2, -1.0);
    }
    table.setEmpty(2, 1);

    table.dropColumnsFrom(5);  // more than there are: nothing dropped
    EXPECT_EQ(table.columnCount(), 3);
    table.dropColumnsFrom(2);

    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.columnCount(), 2);
    EXPECT_EQ(table.text(0, 0), u"a");
    EXPECT_EQ(table.text(2, 0), u"c");
    EXPECT_EQ(table.number(1, 1), 1.5);
    EXPECT_EQ(table.kind(2, 1), CellKind::Empty);

    table.dropColumnsFrom(0);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.columnCount(), 0);
}

TEST(DataArray, MovingLeavesTheSourceEmpty) {
    DataArray source(2, 2);
    source.setText(0, 0, u"kept");
    DataArray target(std::move(source));
    EXPECT_EQ(target.text(0, 0), u"kept");
    EXPECT_EQ(source.rowCount(), 0);
    EXPECT_EQ(source.columnCount(), 0);

    source = DataArray(1, 1);
    target = std::move(source);
    EXPECT_EQ(target.rowCount(), 1);
    EXPECT_EQ(source.rowCount(), 0);
}

TEST(DataArray, RejectsWhatItCannotHold) {
    struct Case {
        const char* name;
        void (*call)();
    };
    const Case cases[] = {
        {"negative rows", [] { DataArray(-1, 3); }},
        {"negative columns", [] { DataArray(3, -1); }},
        {"cell row past the end", [] { DataArray(2, 2).setNumber(2, 0, 1); }},
        {"cell column past the end", [] { DataArray(2, 2).setText(0, 2, u"x"); }},
        {"negative cell", [] { DataArray(2, 2).setEmpty(-1, 0); }},
        {"cell of an empty array", [] { DataArray().setNumber(0, 0, 1); }},
        {"negative kept columns", [] { DataArray(2, 2).dropColumnsFrom(-1); }},
        {"negative size estimate", [] { DataArray::bytesFor(-1, 3, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.call(), ChartError);
    }
}

TEST(DataArray, ACellCountPastMemoryIsBadAlloc) {
    EXPECT_THROW(DataArray(INT_MAX, INT_MAX), std::bad_alloc);
}

TEST(DataArray, RejectsATextLongerThanACellHolds) {
    DataArray table(1, 2);
    const std::u16string longest(16'777'215, u'x');
    table.setText(0, 0, longest);
    EXPECT_EQ(table.text(0, 0).size(), longest.size());
    EXPECT_THROW(table.setText(0, 1, longest + u'x'), ChartError);
    EXPECT_EQ(table.kind(0, 1), CellKind::Empty);
}

TEST(DataArray, EstimatesNineBytesACellPlusTheTextPool) {
    EXPECT_EQ(DataArray::bytesFor(0, 0, 0), 0u);
    EXPECT_EQ(DataArray::bytesFor(1'000'000, 3, 0), 27'000'000u);
    EXPECT_EQ(DataArray::bytesFor(1'000'000, 3, 5'000'000), 37'000'000u);
    EXPECT_EQ(DataArray::bytesFor(INT64_MAX, 2, 0), std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(DataArray::bytesFor(1, 1, INT64_MAX), std::numeric_limits<std::size_t>::max());
}

}  // namespace
