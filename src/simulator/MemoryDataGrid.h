#pragma once
// A chart grid held in memory, for runs without a window: the command-line
// tool and the tests read back what a run wrote.

#include <string>
#include <vector>

#include "charts/DataGrid.h"

namespace quorvale {

class MemoryDataGrid final : public DataGrid {
public:
    void setColumnCount(int columns) override;
    void setRowCount(int rows) override;
    void setRow(int row) override { m_row = row; }
    void setRowLabel(const std::string& label) override;
    void setColumn(int column) override { m_column = column; }
    // A cell outside the grid is refused and nothing changes.
    void setData(double value) override;
    void refresh() override { ++m_refreshes; }

    int columnCount() const { return m_columns; }
    int rowCount() const { return static_cast<int>(m_labels.size()); }
    // Rows and columns numbered from 1.
    double cell(int row, int column) const;
    const std::string& rowLabel(int row) const;
    int refreshCount() const { return m_refreshes; }

private:
    bool inside(int row, int column) const;
    void resize();

    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;
    int m_refreshes = 0;
    std::vector<std::string> m_labels;
    std::vector<double> m_cells;  // row by row
};

}  // namespace quorvale
