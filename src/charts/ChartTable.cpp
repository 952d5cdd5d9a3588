#include "charts/ChartTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "inputs/NumberText.h"

namespace quorvale {

ChartTable::ChartTable(int columns, int placeholderRows) : m_columns(std::clamp(columns, 0, kMaxColumns)) {
    setRowCount(placeholderRows);
}

ChartTable::Row ChartTable::placeholder(int row) const {
    return Row{static_cast<double>(row), true, std::vector<double>(static_cast<size_t>(m_columns), 0.0)};
}

void ChartTable::setColumnCount(int columns) {
    m_columns = std::clamp(columns, 0, kMaxColumns);
    for (Row& row : m_rows) {
        row.cells.resize(static_cast<size_t>(m_columns), 0.0);
    }
    if (!validColumn(m_column)) {
        m_column = 0;
    }
}

void ChartTable::setRowCount(int rows) {
    rows = std::clamp(rows, 0, kMaxRows);
    const int before = rowCount();
    m_rows.resize(static_cast<size_t>(rows));
    for (int r = before; r < rows; ++r) {
        m_rows[static_cast<size_t>(r)] = placeholder(r + 1);
    }
    if (!validRow(m_row)) {
        m_row = 0;
    }
}

void ChartTable::setRow(int row) { m_row = validRow(row) ? row : 0; }

void ChartTable::setRowX(double x) {
    if (validRow(m_row)) {
        Row& row = m_rows[static_cast<size_t>(m_row - 1)];
        row.x = x;
        row.placeholder = false;
    }
}

void ChartTable::setColumn(int column) { m_column = validColumn(column) ? column : 0; }

void ChartTable::setData(double value) {
    if (validRow(m_row) && validColumn(m_column)) {
        m_rows[static_cast<size_t>(m_row - 1)].cells[static_cast<size_t>(m_column - 1)] = value;
    }
}

double ChartTable::x(int row) const {
    if (!validRow(row)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double x = m_rows[static_cast<size_t>(row - 1)].x;
    return std::isfinite(x) ? x : static_cast<double>(row);
}

std::string ChartTable::label(int row) const {
    if (!validRow(row)) {
        return {};
    }
    return m_rows[static_cast<size_t>(row - 1)].placeholder ? "R" + std::to_string(row) : plainDecimal(x(row));
}

double ChartTable::value(int row, int column) const {
    if (!validRow(row) || !validColumn(column)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return m_rows[static_cast<size_t>(row - 1)].cells[static_cast<size_t>(column - 1)];
}

std::vector<double> ChartTable::columnValues(int column) const {
    std::vector<double> values;
    if (!validColumn(column)) {
        return values;
    }
    values.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        values.push_back(row.cells[static_cast<size_t>(column - 1)]);
    }
    return values;
}

int ChartTable::nearestRow(int column, double x) const {
    int nearest = 0;
    double distance = std::numeric_limits<double>::infinity();
    for (int r = 1; r <= rowCount(); ++r) {
        const double d = std::fabs(this->x(r) - x);
        if (std::isfinite(value(r, column)) && d < distance) {
            distance = d;
            nearest = r;
        }
    }
    return nearest;
}

std::vector<std::string> ChartTable::savedRow(int row) const {
    std::vector<std::string> line{label(row)};
    for (int c = 1; c <= m_columns; ++c) {
        const double cell = value(row, c);
        line.push_back(std::isfinite(cell) ? roundTripText(cell) : std::string());
    }
    return line;
}

}  // namespace quorvale
