#pragma once
// Which value, row place and caption the static analysis writes into which
// chart cell, for the check marks of the "Show Results" menu.

#include <array>
#include <string>

#include "charts/DataGrid.h"
#include "model/GraphMarks.h"
#include "model/RangeSweep.h"

namespace quorvale {

// The five static chart groups, named by what they chart.
enum class ChartGroup { Settings, Roads, Production, Cost, LoggingTime };

// The order in which a sweep prepares the grids and the order in which it
// writes each step.
inline constexpr std::array<ChartGroup, 5> kPrepareOrder{
    ChartGroup::Settings, ChartGroup::Roads, ChartGroup::Production, ChartGroup::Cost, ChartGroup::LoggingTime};
inline constexpr std::array<ChartGroup, 5> kWriteOrder{ChartGroup::Production, ChartGroup::Settings,
                                                       ChartGroup::LoggingTime, ChartGroup::Roads, ChartGroup::Cost};

// A group is active while at least one of its menu items is checked.
bool isGroupActive(ChartGroup group, const GraphMarks& marks);

// Series (columns) of the group's chart: 1, 2, 1, 3 and 3.
int columnCount(ChartGroup group);

// One row of one group's chart: the cell values of columns 1..count and, for
// the production and layout charts, the window caption that goes with them.
struct ChartRow {
    std::array<double, 3> cells{};
    int count = 0;
    std::string caption;  // empty: the caption stays as it is
};

ChartRow chartRow(ChartGroup group, const GraphMarks& marks, const YardingResult& result);

// The text form of a cell: plain decimal with up to 15 significant digits.
std::string cellText(double value);

// Where a step's row stands on the x axis: the EYD in whole stations.
double rowStations(const YardingResult& result);

struct ChartLook;

// The chart windows as the sweep sees them. Touching a group's chart or
// caption opens its window when it is closed.
class ChartWindows {
public:
    virtual ~ChartWindows() = default;
    virtual DataGrid& chart(ChartGroup group) = 0;
    virtual void setCaption(ChartGroup group, const std::string& caption) = 0;
    // How the group's chart is to be drawn for these marks (axis titles,
    // hidden series); given after the grid is sized, drawing only.
    virtual void setLook(ChartGroup /*group*/, const ChartLook& /*look*/) {}
};

// The sweep's output side for the chart windows: sizes the active groups'
// grids, then writes each step into them in the stated order.
class ChartLoading final : public SweepSink {
public:
    ChartLoading(ChartWindows& windows, const GraphMarks& marks) : m_windows(windows), m_marks(marks) {}

    void prepare(int steps) override;
    void writeStep(int step, const YardingResult& result) override;

private:
    ChartWindows& m_windows;
    GraphMarks m_marks;
};

}  // namespace quorvale
