#pragma once
// What the Simulator window needs from the rest of the application: the
// inputs, the Variables window's input lock, the simulation run, the
// "Simulation Graph" check mark and the simulation chart window. The main
// window implements it; the tests use a plain in-memory host.

#include "charts/DataGrid.h"
#include "inputs/InputVariables.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/RunView.h"

namespace quorvale {

class SimulatorHost {
public:
    virtual ~SimulatorHost() = default;

    // The inputs of the Variables window.
    virtual InputVariables& variables() = 0;
    // Lets the Variables window take input, or not, while a run reads it.
    virtual void setVariablesEnabled(bool enabled) = 0;

    // The simulation run (stat_itmain), writing the given view; "Go" calls
    // it. Unless the host has its own, the engine runs on the inputs above
    // with a seed from the clock.
    virtual RunSummary stat_itmain(RunView& view) { return quorvale::stat_itmain(variables(), view, seedFromClock()); }

    // The "Simulation Graph" check mark of the "Show Results" menu.
    virtual bool simulationGraphChecked() = 0;

    // The simulation chart's grid; touching it opens a closed chart window.
    virtual DataGrid& statsChart() = 0;
    virtual bool statsChartVisible() = 0;
    // Showing a closed chart window opens it first.
    virtual void setStatsChartVisible(bool visible) = 0;
    // Opening the Simulator window opens the chart window and hides it.
    virtual void loadStatsChartHidden() = 0;
    // Closing the Simulator window closes the chart window with it; the
    // chart's own close clears "Simulation Graph".
    virtual void closeStatsChart() = 0;
};

}  // namespace quorvale
