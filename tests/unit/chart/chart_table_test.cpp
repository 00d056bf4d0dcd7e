#include <gtest/gtest.h>

#include <string>

#include "chart/chart_table.h"
#include "input/record_reader.h"

namespace chartview {
namespace {

using ChartLib::CellKind;
using Orientation = ChartTable::Orientation;

TEST(ChartTableTest, LastIndexRoundsHalvesToEven) {
    struct Case {
        std::int64_t length;
        std::int64_t n;
    };
    const Case cases[] = {{0, -1},   {199, -1}, {200, 0},  {399, 0},  {400, 0},
                          {600, 0},  {601, 1},  {799, 1},  {1000, 2}, {1400, 2},
                          {1800, 4}, {2200, 4}, {2600, 6}, {4000, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(ChartTable::lastIndexFor(lastIndexFor(c.length)), c.n);
    }
}

ChartRecord record(std::u16string label, double value1, double value2) {
    ChartRecord r;
    std::copy(label.begin(), label.end(), r.label.begin());
    r.value1 = value1;
    r.value2 = value2;
    return r;
}

TEST(ChartTableTest, BarOrientationHoldsLabelCellAndBothValues) {
    ChartTable table(Orientation::Bar, 2);  // 1000 bytes: two records, index 2 stays empty
    table.placeRecord(0, record(u"A", 1.5, -2));
    table.placeRecord(1, record(u"B", 3, 4));
    const auto& cells = table.cells();
    ASSERT_EQ(cells.rowCount(), 3);
    ASSERT_EQ(cells.columnCount(), 3);
    std::u16string expected = u" A";
    expected.resize(65, u'\0');  // the label's zero padding stays part of the cell
    EXPECT_EQ(cells.text(0, 0), expected);
    EXPECT_EQ(cells.number(0, 1), 1.5);
    EXPECT_EQ(cells.number(0, 2), -2);
    EXPECT_EQ(cells.number(1, 2), 4);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(cells.kind(2, column), CellKind::Empty);
    }
}

TEST(ChartTableTest, PieOrientationHasNoPlaceForValue2) {
    ChartTable table(Orientation::Pie, 1);
    table.placeRecord(0, record(u"A", 7, 99));
    const auto& cells = table.cells();
    ASSERT_EQ(cells.rowCount(), 2);
    ASSERT_EQ(cells.columnCount(), 2);
    EXPECT_EQ(cells.text(0, 0).substr(0, 2), u" A");
    EXPECT_EQ(cells.text(0, 0).size(), 65u);
    EXPECT_EQ(cells.number(1, 0), 7);
    EXPECT_EQ(cells.kind(0, 1), CellKind::Empty);
    EXPECT_EQ(cells.kind(1, 1), CellKind::Empty);
}

TEST(ChartTableTest, DroppingTheSecondSeriesKeepsRowsAndValues) {
    ChartTable bar(Orientation::Bar, 1);
    bar.placeRecord(0, record(u"A", 1, 2));
    bar.placeRecord(1, record(u"B", 3, 4));
    bar.dropSecondSeries();
    EXPECT_EQ(bar.cells().rowCount(), 2);
    EXPECT_EQ(bar.cells().columnCount(), 2);
    EXPECT_EQ(bar.cells().number(1, 1), 3);
    EXPECT_EQ(bar.cells().text(1, 0).substr(0, 2), u" B");

    ChartTable pie(Orientation::Pie, 1);
    pie.dropSecondSeries();
    EXPECT_EQ(pie.cells().columnCount(), 2);
}

TEST(ChartTableTest, PlacesChunksOfRawRecordsInOrder) {
    std::array<std::byte, 2 * kRecordSize> bytes{};
    bytes[0] = std::byte{'x'};            // label of record 0: "x"
    bytes[kRecordSize] = std::byte{'y'};  // label of record 1: "y"
    ChartTable table(Orientation::Pie, 2);
    table.placeRecords(1, bytes);
    EXPECT_EQ(table.cells().kind(0, 0), CellKind::Empty);
    EXPECT_EQ(table.cells().text(0, 1).substr(0, 2), u" x");
    EXPECT_EQ(table.cells().text(0, 2).substr(0, 2), u" y");
}

}  // namespace
}  // namespace chartview
