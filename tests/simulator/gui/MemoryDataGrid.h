#pragma once
// The simulation chart's grid held in memory, for the Simulator window's
// tests: it keeps what the window wrote, each row's place on the x axis
// included.

#include <stdexcept>
#include <vector>

#include "charts/DataGrid.h"

namespace quorvale::test {

class MemoryDataGrid final : public DataGrid {
public:
    void setColumnCount(int columns) override {
        m_columns = columns > 0 ? columns : 0;
        resize();
    }
    void setRowCount(int rows) override {
        m_xs.assign(static_cast<size_t>(rows > 0 ? rows : 0), 0.0);
        resize();
    }
    void setRow(int row) override { m_row = row; }
    void setRowX(double x) override {
        if (m_row >= 1 && m_row <= rowCount()) {
            m_xs[static_cast<size_t>(m_row - 1)] = x;
        }
    }
    void setColumn(int column) override { m_column = column; }
    // A cell outside the grid is refused and nothing changes.
    void setData(double value) override {
        if (inside(m_row, m_column)) {
            m_cells[index(m_row, m_column)] = value;
        }
    }
    void refresh() override { ++m_refreshes; }

    int columnCount() const { return m_columns; }
    int rowCount() const { return static_cast<int>(m_xs.size()); }
    // Rows and columns numbered from 1.
    double cell(int row, int column) const {
        if (!inside(row, column)) {
            throw std::out_of_range("chart cell outside the grid");
        }
        return m_cells[index(row, column)];
    }
    double x(int row) const { return m_xs.at(static_cast<size_t>(row - 1)); }
    int refreshCount() const { return m_refreshes; }

private:
    bool inside(int row, int column) const {
        return row >= 1 && row <= rowCount() && column >= 1 && column <= m_columns;
    }
    size_t index(int row, int column) const {
        return static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns) + static_cast<size_t>(column - 1);
    }
    void resize() { m_cells.assign(m_xs.size() * static_cast<size_t>(m_columns), 0.0); }

    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;
    int m_refreshes = 0;
    std::vector<double> m_xs;
    std::vector<double> m_cells;  // row by row
};

}  // namespace quorvale::test
