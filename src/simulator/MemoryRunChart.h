#pragma once
// The rows of a run's chart held in memory, for runs without a window: the
// command-line tool and the tests read back what a run wrote.

#include <vector>

#include "simulator/RunChart.h"

namespace quorvale {

class MemoryRunChart final : public RunChart {
public:
    void startRun(int steps) override;
    // A step outside the run's rows is refused and nothing changes.
    void writeRow(int step, const RunChartRow& row) override;

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Rows and columns numbered from 1.
    double cell(int row, int column) const;
    // The rows written since the run started.
    int rowsWritten() const { return m_written; }

private:
    std::vector<RunChartRow> m_rows;
    int m_written = 0;
};

}  // namespace quorvale
