#include "simulator/MemoryDataGrid.h"

#include <stdexcept>

namespace quorvale {

void MemoryDataGrid::setColumnCount(int columns) {
    m_columns = columns > 0 ? columns : 0;
    resize();
}

void MemoryDataGrid::setRowCount(int rows) {
    m_labels.assign(static_cast<size_t>(rows > 0 ? rows : 0), std::string());
    resize();
}

void MemoryDataGrid::resize() { m_cells.assign(m_labels.size() * static_cast<size_t>(m_columns), 0.0); }

void MemoryDataGrid::setRowLabel(const std::string& label) {
    if (m_row >= 1 && m_row <= rowCount()) {
        m_labels[static_cast<size_t>(m_row - 1)] = label;
    }
}

bool MemoryDataGrid::inside(int row, int column) const {
    return row >= 1 && row <= rowCount() && column >= 1 && column <= m_columns;
}

void MemoryDataGrid::setData(double value) {
    if (inside(m_row, m_column)) {
        m_cells[static_cast<size_t>(m_row - 1) * static_cast<size_t>(m_columns) + static_cast<size_t>(m_column - 1)] =
            value;
    }
}

double MemoryDataGrid::cell(int row, int column) const {
    if (!inside(row, column)) {
        throw std::out_of_range("chart cell outside the grid");
    }
    return m_cells[static_cast<size_t>(row - 1) * static_cast<size_t>(m_columns) + static_cast<size_t>(column - 1)];
}

const std::string& MemoryDataGrid::rowLabel(int row) const {
    if (row < 1 || row > rowCount()) {
        throw std::out_of_range("chart row outside the grid");
    }
    return m_labels[static_cast<size_t>(row - 1)];
}

}  // namespace quorvale
