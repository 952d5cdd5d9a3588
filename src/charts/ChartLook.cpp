#include "charts/ChartLook.h"

#include <cmath>

#include "base/Texts.h"
#include "model/YardingModel.h"

namespace quorvale {
namespace {

namespace t = texts::charts;

struct Quantity {
    const char* title;  // the axis title when the series is shown alone
    const char* unit;
};

SeriesLook seriesOf(const Quantity& q, bool shown) { return SeriesLook{q.unit, shown, 0, {}}; }

SeriesLook cost(bool shown) { return SeriesLook{t::kUnitCost, shown, kCostCap, t::kCostCapNote}; }

// The y title of a chart whose series differ in unit: a lone shown series
// names its quantity; several list their units in column order.
std::string yTitleOf(const std::vector<Quantity>& quantities, const std::vector<SeriesLook>& series,
                     const char* chartQuantity) {
    std::vector<size_t> shown;
    for (size_t i = 0; i < series.size(); ++i) {
        if (series[i].shown) {
            shown.push_back(i);
        }
    }
    if (shown.empty()) {
        return chartQuantity;
    }
    if (shown.size() == 1) {
        return quantities[shown[0]].title;
    }
    std::string units;
    for (size_t i : shown) {
        if (!units.empty()) {
            units += t::kUnitSeparator;
        }
        units += series[i].unit;
    }
    return units;
}

ChartLook costLook(const GraphMarks& m) {
    return ChartLook{t::kAxisEyd, t::kAxisCost, {cost(m.totalCost), cost(m.loggingCost), cost(m.roadCost)}, 1};
}

ChartLook productionLook(const GraphMarks& m) {
    // The one series shows tons, else loads, else mbf per day, as the sweep
    // fills it.
    const Quantity q = m.tonsDay    ? Quantity{t::kAxisTonsDay, t::kUnitTonsDay}
                       : m.loadsDay ? Quantity{t::kAxisLoadsDay, t::kUnitLoadsDay}
                                    : Quantity{t::kAxisMbfDay, t::kUnitMbfDay};
    return ChartLook{t::kAxisEyd, q.title, {seriesOf(q, true)}, 0};
}

ChartLook loggingTimeLook(const GraphMarks& m) {
    const std::vector<Quantity> q{{t::kAxisTotalDays, t::kUnitTensOfDays},
                                  {t::kAxisCycleTime, t::kUnitMinutesTurn},
                                  {t::kAxisRiggingTime, t::kUnitHoursLanding}};
    ChartLook look{
        t::kAxisEyd, {}, {seriesOf(q[0], m.totalDays), seriesOf(q[1], m.cycleTime), seriesOf(q[2], m.riggingTime)}, 0};
    look.yTitle = yTitleOf(q, look.series, t::kAxisTime);
    return look;
}

ChartLook roadsLook(const GraphMarks& m) {
    const std::vector<Quantity> q{{t::kAxisRoadDensity, t::kUnitMilesSection},
                                  {t::kAxisLandingSpacing, t::kUnitStations}};
    ChartLook look{t::kAxisEyd, {}, {seriesOf(q[0], m.roadDensity), seriesOf(q[1], m.landingSpacing)}, 0};
    look.series[0].cap = kDensityCap;
    look.series[0].capNote = t::kDensityCapNote;
    look.yTitle = yTitleOf(q, look.series, t::kAxisRoads);
    return look;
}

ChartLook settingsLook(const GraphMarks& m) {
    // The first checked item in the sweep's order decides the one series;
    // AYD stands for none.
    Quantity q{t::kAxisAyd, t::kUnitStations};
    if (m.ayd) {
        q = {t::kAxisAyd, t::kUnitStations};
    } else if (m.lyd) {
        q = {t::kAxisLyd, t::kUnitStations};
    } else if (m.alyd) {
        q = {t::kAxisAlyd, t::kUnitStations};
    } else if (m.aeyd) {
        q = {t::kAxisAeyd, t::kUnitStations};
    } else if (m.corridors) {
        q = {t::kAxisCorridors, t::kUnitPerLanding};
    } else if (m.landings) {
        q = {t::kAxisLandings, t::kUnitPerUnit};
    }
    return ChartLook{t::kAxisEyd, q.title, {seriesOf(q, true)}, 0};
}

}  // namespace

ChartLook staticChartLook(ChartGroup group, const GraphMarks& marks) {
    switch (group) {
        case ChartGroup::Cost:
            return costLook(marks);
        case ChartGroup::Production:
            return productionLook(marks);
        case ChartGroup::LoggingTime:
            return loggingTimeLook(marks);
        case ChartGroup::Roads:
            return roadsLook(marks);
        case ChartGroup::Settings:
            return settingsLook(marks);
    }
    return {};
}

ChartLook simulationChartLook() {
    // The samples are evaluated without the caps, so nothing is noted.
    const SeriesLook cost{t::kUnitCost, true, 0, {}};
    return ChartLook{t::kAxisEyd, t::kAxisTotalCost, {cost, cost, cost, cost, cost}, 1};
}

std::optional<int> lowestPositiveRow(std::span<const double> values) {
    std::optional<int> lowest;
    for (size_t i = 0; i < values.size(); ++i) {
        const double v = values[i];
        if (std::isfinite(v) && v > 0 && (!lowest || v <= values[static_cast<size_t>(*lowest - 1)])) {
            lowest = static_cast<int>(i) + 1;
        }
    }
    return lowest;
}

bool reachesCap(const SeriesLook& series, std::span<const double> values) {
    if (series.capNote.empty()) {
        return false;
    }
    for (double v : values) {
        if (v >= series.cap) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvale
