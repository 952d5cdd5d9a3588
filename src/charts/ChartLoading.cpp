#include "charts/ChartLoading.h"

#include <cmath>

#include "charts/ChartLook.h"
#include "inputs/NumberText.h"

namespace quorvale {

bool isGroupActive(ChartGroup group, const GraphMarks& m) {
    switch (group) {
        case ChartGroup::Settings:
            return m.ayd || m.lyd || m.alyd || m.aeyd || m.corridors || m.landings;
        case ChartGroup::Roads:
            return m.roadDensity || m.landingSpacing;
        case ChartGroup::Production:
            return m.tonsDay || m.mbfDay || m.loadsDay;
        case ChartGroup::Cost:
            return m.roadCost || m.loggingCost || m.totalCost;
        case ChartGroup::LoggingTime:
            return m.totalDays || m.cycleTime || m.riggingTime;
    }
    return false;
}

int columnCount(ChartGroup group) {
    switch (group) {
        case ChartGroup::Settings:
        case ChartGroup::Production:
            return 1;
        case ChartGroup::Roads:
            return 2;
        case ChartGroup::Cost:
        case ChartGroup::LoggingTime:
            return 3;
    }
    return 0;
}

ChartRow chartRow(ChartGroup group, const GraphMarks& m, const YardingResult& r) {
    ChartRow row;
    row.count = columnCount(group);
    auto shown = [](bool mark, double value) { return mark ? value : 0.0; };
    switch (group) {
        case ChartGroup::Settings:
            // The first checked item in this order decides the one series.
            if (m.ayd) {
                row.cells[0] = r.ayd / 100;
                row.caption = "Average Yarding Distance (stat) vs. EYD (stat)";
            } else if (m.lyd) {
                row.cells[0] = r.lyd / 100;
                row.caption = "Lateral Yarding Distance (stat) vs. EYD (stat)";
            } else if (m.alyd) {
                row.cells[0] = r.alyd / 100;
                row.caption = "Average Lateral Yarding Distance (stat) vs. EYD (stat)";
            } else if (m.aeyd) {
                row.cells[0] = r.aeyd / 100;
                row.caption = "Average External Yarding Distance (stat) vs. EYD (stat)";
            } else if (m.corridors) {
                row.cells[0] = r.corridorsPerLanding;
                row.caption = "Corridors per Landing vs. EYD (stat)";
            } else if (m.landings) {
                row.cells[0] = r.landingsPerUnit;
                row.caption = "Landings per Unit vs. EYD (stat)";
            }
            break;
        case ChartGroup::Roads:
            row.cells[0] = shown(m.roadDensity, r.roadDensity);
            row.cells[1] = shown(m.landingSpacing, r.landingSpacing / 100);
            break;
        case ChartGroup::Production:
            if (m.tonsDay) {
                row.cells[0] = r.tonsPerDay;
                row.caption = "Production (tons/day) vs EYD (stat)";
            } else if (m.loadsDay) {
                row.cells[0] = r.loadsPerDay;
                row.caption = "Production (Loads/day) vs EYD (stat)";
            } else {
                row.cells[0] = r.mbfPerDay;
                row.caption = "Production (mbf/day) vs EYD (stat)";
            }
            break;
        case ChartGroup::Cost:
            row.cells[0] = shown(m.totalCost, r.totalCost);
            row.cells[1] = shown(m.loggingCost, r.loggingCost);
            row.cells[2] = shown(m.roadCost, r.roadCost);
            break;
        case ChartGroup::LoggingTime:
            row.cells[0] = shown(m.totalDays, r.totalDays / 10);
            row.cells[1] = shown(m.cycleTime, r.cycleTime);
            row.cells[2] = shown(m.riggingTime, r.rigTimePerLanding);
            break;
    }
    return row;
}

std::string cellText(double value) { return plainDecimal(value); }

double rowStations(const YardingResult& result) { return std::floor(result.eyd / 100); }

void ChartLoading::prepare(int steps) {
    for (ChartGroup g : kPrepareOrder) {
        if (isGroupActive(g, m_marks)) {
            DataGrid& grid = m_windows.chart(g);
            grid.setColumnCount(columnCount(g));
            grid.setRowCount(steps);
            m_windows.setLook(g, staticChartLook(g, m_marks));
        }
    }
}

void ChartLoading::writeStep(int step, const YardingResult& result) {
    for (ChartGroup g : kWriteOrder) {
        if (!isGroupActive(g, m_marks)) {
            continue;
        }
        const ChartRow row = chartRow(g, m_marks, result);
        DataGrid& grid = m_windows.chart(g);
        grid.setRow(step);
        grid.setRowX(rowStations(result));
        for (int k = 1; k <= row.count; ++k) {
            grid.setColumn(k);
            if (g == ChartGroup::Production) {
                m_windows.setCaption(g, row.caption);
            }
            grid.setData(row.cells[static_cast<size_t>(k - 1)]);
            if (g == ChartGroup::Settings) {
                m_windows.setCaption(g, row.caption);
            }
        }
        grid.refresh();
    }
}

}  // namespace quorvale
