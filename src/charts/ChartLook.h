#pragma once
// How a chart is drawn, apart from its data: axis titles with units, the
// unit of each series, which series are shown, where the lowest total cost
// is marked and which caps of the model are noted. Drawing only: the grid,
// its labels and values, the captions and the menu marks stay as they are.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "charts/ChartLoading.h"
#include "model/GraphMarks.h"

namespace quorvale {

struct SeriesLook {
    std::string unit;
    // A series whose menu item is unchecked is hidden from the plot and the
    // legend; its cells still hold their zeros.
    bool shown = true;
    // The value the model caps this series at, and the note a chart shows
    // when the series reaches it; no cap when the note is empty.
    double cap = 0;
    std::string capNote;
};

struct ChartLook {
    std::string xTitle;
    std::string yTitle;
    // What the axes are called where their whole titles have no room.
    std::string xShortTitle;
    std::string yShortTitle;
    std::vector<SeriesLook> series;  // by column, from column 1
    // The column of the total cost, whose lowest value is marked; 0: none.
    int minimumColumn = 0;

    // Whether a column's series is drawn (and named in the legend); a
    // column the look says nothing of is.
    bool isShown(int column) const;
    // The unit of a column's series; empty for a column the look says
    // nothing of.
    std::string unit(int column) const;
    // An axis' title: the short one where it is asked for and there is one.
    const std::string& axisTitle(bool vertical, bool brief) const;
};

// A static chart for the menu marks of the sweep that fills it.
ChartLook staticChartLook(ChartGroup group, const GraphMarks& marks);
// The simulation chart: mean, mean less and plus a standard deviation,
// lowest and highest sample cost, all in $/mbf.
ChartLook simulationChartLook();

// The row (from 1) of the lowest value that is above 0, the later row on a
// tie (as the simulation's optimum); none when no value is. Zeros are
// unwritten or unchecked cells, and a cost of 0 is never real.
std::optional<int> lowestPositiveRow(std::span<const double> values);

// Whether any value of a series reaches the series' cap.
bool reachesCap(const SeriesLook& series, std::span<const double> values);

}  // namespace quorvale
