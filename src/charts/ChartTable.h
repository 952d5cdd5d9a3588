#pragma once
// A chart's data table: columns are series numbered from 1, rows are EYD
// steps numbered from 1. Each row stands at a number on the x axis, the EYD
// of its step in stations, and is labelled with that number; a row no writer
// has placed yet is a placeholder ("R1", "R2", ...) at its row number.
//
// Writes go to the current row and column, as the grid operations select
// them. Row and column numbers outside the table select nothing, and the
// writes that follow are dropped.

#include <string>
#include <vector>

namespace quorvale {

class ChartTable {
public:
    // Rows and columns beyond these are refused; no sweep comes near them.
    static constexpr int kMaxRows = 10000;
    static constexpr int kMaxColumns = 64;

    ChartTable(int columns, int placeholderRows);

    void setColumnCount(int columns);
    // Rows that stay keep what they hold until they are written again, so a
    // chart shows the previous run's curve beyond the row being written.
    void setRowCount(int rows);
    void setRow(int row);
    void setRowX(double x);
    void setColumn(int column);
    void setData(double value);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columns; }
    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }
    bool validRow(int row) const { return row >= 1 && row <= rowCount(); }
    bool validColumn(int column) const { return column >= 1 && column <= m_columns; }

    // Where a row stands on the x axis; a row placed at no finite number
    // stands at its row number.
    double x(int row) const;
    // "R<row>" for a placeholder, else where it stands as a plain decimal;
    // empty outside the table.
    std::string label(int row) const;
    // NaN outside the table.
    double value(int row, int column) const;
    // Every row's value in a column.
    std::vector<double> columnValues(int column) const;
    // The row nearest to `x` on the axis among those whose value in
    // `column` is a finite number, the first of equals; 0 for none.
    int nearestRow(int column, double x) const;
    // A row as saved data: its label, then each cell as the shortest text
    // that reads back to it, empty where the cell holds no number.
    std::vector<std::string> savedRow(int row) const;

private:
    struct Row {
        double x = 0;
        bool placeholder = true;
        std::vector<double> cells;
    };
    Row placeholder(int row) const;

    std::vector<Row> m_rows;
    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;
};

}  // namespace quorvale
