#pragma once
// Where a run puts its chart: one row per EYD step, holding the step's mean
// cost, the mean less and plus one standard deviation, and the lowest and the
// highest sample cost. The Simulator window draws the rows as the simulation
// chart; without a window they stay in memory.

#include <array>

namespace quorvale {

inline constexpr int kRunChartColumns = 5;
// A step's five figures in the order of the chart's series.
using RunChartRow = std::array<double, kRunChartColumns>;

class RunChart {
public:
    virtual ~RunChart() = default;
    // At the start of a run: one row per step, numbered from 1, each at 0.
    virtual void startRun(int steps) = 0;
    // The row of a finished step, shown at once.
    virtual void writeRow(int step, const RunChartRow& row) = 0;
};

}  // namespace quorvale
