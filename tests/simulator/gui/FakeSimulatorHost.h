#pragma once
// The rest of the application as the Simulator window sees it, in memory:
// the inputs, the Variables window's lock, the "Simulation Graph" mark and
// a chart window that opens when touched.

#include <vector>

#include "inputs/InputVariables.h"
#include "MemoryDataGrid.h"
#include "simulator/gui/SimulatorHost.h"

namespace quorvale::test {

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
    MemoryDataGrid grid;
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
            grid = MemoryDataGrid();
        }
    }
};

}  // namespace quorvale::test
