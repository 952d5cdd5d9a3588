// A chart's data table: rows placed on the x axis by number and labelled
// with that number, placeholders until placed, writes outside dropped.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "charts/ChartTable.h"

using namespace quorvale;

TEST(ChartTable, RowsStandWhereTheyArePlacedAndAreLabelledWithThatNumber) {
    ChartTable table(2, 3);
    // Placeholders stand at their row number.
    EXPECT_EQ(table.label(3), "R3");
    EXPECT_EQ(table.x(3), 3.0);
    table.setRow(2);
    table.setRowX(14);
    EXPECT_EQ(table.label(2), "14");
    EXPECT_EQ(table.x(2), 14.0);
    table.setRowX(2.5);
    EXPECT_EQ(table.label(2), "2.5");
    // A place that is no number leaves the row at its row number.
    table.setRowX(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(table.x(2), 2.0);
    EXPECT_EQ(table.label(2), "2");
    // Growing adds placeholders after the placed rows, which keep their place.
    table.setRow(1);
    table.setRowX(9);
    table.setRowCount(5);
    EXPECT_EQ(table.label(1), "9");
    EXPECT_EQ(table.label(5), "R5");
    EXPECT_EQ(table.x(5), 5.0);
    EXPECT_TRUE(table.label(6).empty());
    EXPECT_TRUE(std::isnan(table.x(0)));
}

TEST(ChartTable, WritesGoToTheSelectedCellAndNowhereOutsideTheTable) {
    ChartTable table(3, 4);
    table.setRow(4);
    table.setColumn(3);
    table.setData(7.5);
    EXPECT_EQ(table.value(4, 3), 7.5);
    EXPECT_EQ(table.columnValues(3), (std::vector<double>{0, 0, 0, 7.5}));
    // Out of the table: nothing is selected and the writes are dropped.
    table.setRow(5);
    EXPECT_EQ(table.currentRow(), 0);
    table.setData(1);
    table.setRowX(1);
    table.setRow(4);
    table.setColumn(4);
    EXPECT_EQ(table.currentColumn(), 0);
    table.setData(1);
    EXPECT_EQ(table.columnValues(3), (std::vector<double>{0, 0, 0, 7.5}));
    EXPECT_TRUE(std::isnan(table.value(4, 4)));
    // Fewer columns drop cells; a column that comes back is empty again.
    table.setColumnCount(2);
    table.setColumnCount(3);
    EXPECT_EQ(table.value(4, 3), 0.0);
    table.setRowCount(-1);
    EXPECT_EQ(table.rowCount(), 0);
    table.setRowCount(std::numeric_limits<int>::max());
    EXPECT_EQ(table.rowCount(), ChartTable::kMaxRows);
}

TEST(ChartTable, TheNearestRowSkipsCellsWithoutANumberAndRowsAreSavedAsText) {
    ChartTable table(2, 3);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double xs[] = {3, 6, 9};
    const double firsts[] = {0.1, nan, 250};
    for (int r = 1; r <= 3; ++r) {
        table.setRow(r);
        table.setRowX(xs[r - 1]);
        table.setColumn(1);
        table.setData(firsts[r - 1]);
        table.setColumn(2);
        table.setData(-r);
    }
    // Row 2 stands nearest but holds no number in column 1; of rows 1 and 3,
    // equally far from 6, the first wins.
    EXPECT_EQ(table.nearestRow(1, 5.9), 1);
    EXPECT_EQ(table.nearestRow(1, 6), 1);
    EXPECT_EQ(table.nearestRow(1, 6.1), 3);
    EXPECT_EQ(table.nearestRow(2, 6.1), 2);
    EXPECT_EQ(table.nearestRow(1, 1e6), 3);
    EXPECT_EQ(table.nearestRow(3, 6), 0);
    EXPECT_EQ(table.savedRow(1), (std::vector<std::string>{"3", "0.1", "-1"}));
    EXPECT_EQ(table.savedRow(2), (std::vector<std::string>{"6", "", "-2"}));
    table.setRowCount(4);
    EXPECT_EQ(table.savedRow(4), (std::vector<std::string>{"R4", "0", "0"}));
}
