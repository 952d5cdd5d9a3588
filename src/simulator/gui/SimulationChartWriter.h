#pragma once
// Writes a run's chart rows into the simulation chart's grid, in the grid's
// own operations: at the start every row placed at its number and every cell
// at 0, column by column, without a repaint; at each step's end that step's
// row, placed at the EYD in stations, then a repaint.

#include <functional>

#include "charts/DataGrid.h"
#include "simulator/RunChart.h"

namespace quorvale {

class SimulationChartWriter final : public RunChart {
public:
    // Hands out the chart's grid; it opens a closed chart window, so it is
    // asked anew for every write.
    using GridSource = std::function<DataGrid&()>;

    explicit SimulationChartWriter(GridSource grid) : m_grid(std::move(grid)) {}

    void startRun(int steps) override;
    void writeRow(int step, const RunChartRow& row) override;

private:
    GridSource m_grid;
};

}  // namespace quorvale
