#pragma once
// The rest of the application as the Simulator window sees it, in memory:
// the inputs, the Variables window's lock, the "Simulation Graph" mark and
// a chart window that opens when touched.

#include <string>
#include <vector>

#include "charts/DataGrid.h"
#include "inputs/InputVariables.h"
#include "simulator/SimulatorHost.h"

namespace quorvale::test {

class GridRecorder final : public DataGrid {
public:
    void setColumnCount(int columns) override {
        m_columns = columns;
        resize();
    }
    void setRowCount(int rows) override {
        m_rows = rows;
        resize();
    }
    void setRow(int row) override { m_row = row; }
    void setRowLabel(const std::string& label) override {
        if (m_row >= 1 && m_row <= m_rows) {
            labels[static_cast<size_t>(m_row - 1)] = label;
        }
    }
    void setColumn(int column) override { m_column = column; }
    void setData(double value) override {
        if (m_row >= 1 && m_row <= m_rows && m_column >= 1 && m_column <= m_columns) {
            cells[static_cast<size_t>((m_row - 1) * m_columns + m_column - 1)] = value;
        }
    }
    void refresh() override { ++refreshes; }

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    double cell(int row, int column) const { return cells.at(static_cast<size_t>((row - 1) * m_columns + column - 1)); }

    std::vector<std::string> labels;
    std::vector<double> cells;
    int refreshes = 0;

private:
    void resize() {
        labels.assign(static_cast<size_t>(m_rows), std::string());
        cells.assign(static_cast<size_t>(m_rows * m_columns), 0.0);
    }
    int m_rows = 0;
    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;
};

class FakeSimulatorHost final : public SimulatorHost {
public:
    explicit FakeSimulatorHost(NumberLocale locale = NumberLocale::english()) : inputs(locale) {}

    InputVariables& variables() override { return inputs; }
    void setVariablesEnabled(bool enabled) override {
        variablesEnabled = enabled;
        enableLog.push_back(enabled);
    }
    bool simulationGraphChecked() override { return graphChecked; }
    DataGrid& statsChart() override {
        openChart();
        return grid;
    }
    bool statsChartVisible() override { return chartOpen && chartVisible; }
    void setStatsChartVisible(bool visible) override {
        openChart();
        chartVisible = visible;
    }
    void loadStatsChartHidden() override {
        ++loadHiddenCalls;
        openChart();
        chartVisible = false;
    }
    void closeStatsChart() override {
        ++closeCalls;
        chartOpen = false;
        chartVisible = false;
        graphChecked = false;
    }

    InMemoryInputs inputs;
    GridRecorder grid;
    bool variablesEnabled = true;
    std::vector<bool> enableLog;
    bool graphChecked = false;
    bool chartOpen = false;
    bool chartVisible = false;
    int loadHiddenCalls = 0;
    int closeCalls = 0;

private:
    // A closed chart window touched by a run opens again, visible.
    void openChart() {
        if (!chartOpen) {
            chartOpen = true;
            chartVisible = true;
            grid = GridRecorder();
        }
    }
};

}  // namespace quorvale::test
