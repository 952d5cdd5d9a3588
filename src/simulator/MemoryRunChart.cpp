#include "simulator/MemoryRunChart.h"

#include <stdexcept>

namespace quorvale {

void MemoryRunChart::startRun(int steps) {
    m_rows.assign(static_cast<size_t>(steps > 0 ? steps : 0), RunChartRow{});
    m_written = 0;
}

void MemoryRunChart::writeRow(int step, const RunChartRow& row) {
    if (step >= 1 && step <= rowCount()) {
        m_rows[static_cast<size_t>(step - 1)] = row;
        ++m_written;
    }
}

double MemoryRunChart::cell(int row, int column) const {
    if (row < 1 || row > rowCount() || column < 1 || column > kRunChartColumns) {
        throw std::out_of_range("chart cell outside the run's rows");
    }
    return m_rows[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
}

}  // namespace quorvale
