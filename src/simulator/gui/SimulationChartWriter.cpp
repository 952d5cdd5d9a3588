#include "simulator/gui/SimulationChartWriter.h"

namespace quorvale {

void SimulationChartWriter::startRun(int steps) {
    DataGrid& grid = m_grid();
    grid.setColumnCount(kRunChartColumns);
    grid.setRowCount(steps);
    for (int column = 1; column <= kRunChartColumns; ++column) {
        for (int row = 1; row <= steps; ++row) {
            grid.setColumn(column);
            grid.setRow(row);
            grid.setRowX(row);
            grid.setData(0);
        }
    }
}

void SimulationChartWriter::writeRow(int step, const RunChartRow& row) {
    DataGrid& grid = m_grid();
    grid.setRow(step);
    grid.setRowX(step);
    for (int column = 1; column <= kRunChartColumns; ++column) {
        grid.setColumn(column);
        grid.setData(row[static_cast<size_t>(column - 1)]);
    }
    grid.refresh();
}

}  // namespace quorvale
