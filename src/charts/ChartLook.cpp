#include "charts/ChartLook.h"

#include <cmath>
#include <utility>

#include "base/Texts.h"
#include "model/YardingModel.h"

namespace quorvale {
namespace {

namespace t = texts::charts;

struct Quantity {
    const char* title;  // the axis title when the series is shown alone
    const char* unit;
    const char* shortTitle;  // where the title has no room
    const char* shortUnit;   // the unit in its brief spelling
};

// A quantity whose short title is its unit alone.
Quantity byUnit(const char* title, const char* unit, const char* shortUnit) {
    return {title, unit, shortUnit, shortUnit};
}

SeriesLook seriesOf(const Quantity& q, bool shown) { return SeriesLook{q.unit, shown, 0, {}}; }

SeriesLook cost(bool shown) { return SeriesLook{t::kUnitCost, shown, kCostCap, t::kCostCapNote}; }

ChartLook lookOf(const char* yTitle, const char* yShortTitle, std::vector<SeriesLook> series, int minimumColumn) {
    return ChartLook{t::kAxisEyd, yTitle, t::kAxisEydShort, yShortTitle, std::move(series), minimumColumn};
}

// The y title of a chart whose series differ in unit: a lone shown series
// names its quantity; several list their units in column order. The short
// title gives the units alone, briefly.
std::string yTitleOf(const std::vector<Quantity>& quantities, const std::vector<SeriesLook>& series,
                     const char* chartQuantity, bool brief) {
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
        return brief ? quantities[shown[0]].shortTitle : quantities[shown[0]].title;
    }
    std::string units;
    for (size_t i : shown) {
        if (!units.empty()) {
            units += t::kUnitSeparator;
        }
        units += brief ? quantities[i].shortUnit : series[i].unit;
    }
    return units;
}

void titleMixedUnits(ChartLook& look, const std::vector<Quantity>& quantities, const char* chartQuantity) {
    look.yTitle = yTitleOf(quantities, look.series, chartQuantity, false);
    look.yShortTitle = yTitleOf(quantities, look.series, chartQuantity, true);
}

ChartLook costLook(const GraphMarks& m) {
    return lookOf(t::kAxisCost, t::kShortCost, {cost(m.totalCost), cost(m.loggingCost), cost(m.roadCost)}, 1);
}

ChartLook productionLook(const GraphMarks& m) {
    // The one series shows tons, else loads, else mbf per day, as the sweep
    // fills it.
    const Quantity q = m.tonsDay    ? byUnit(t::kAxisTonsDay, t::kUnitTonsDay, t::kShortTonsDay)
                       : m.loadsDay ? byUnit(t::kAxisLoadsDay, t::kUnitLoadsDay, t::kShortLoadsDay)
                                    : byUnit(t::kAxisMbfDay, t::kUnitMbfDay, t::kShortMbfDay);
    return lookOf(q.title, q.shortTitle, {seriesOf(q, true)}, 0);
}

ChartLook loggingTimeLook(const GraphMarks& m) {
    const std::vector<Quantity> q{byUnit(t::kAxisTotalDays, t::kUnitTensOfDays, t::kShortTensOfDays),
                                  byUnit(t::kAxisCycleTime, t::kUnitMinutesTurn, t::kShortMinutesTurn),
                                  byUnit(t::kAxisRiggingTime, t::kUnitHoursLanding, t::kShortHoursLanding)};
    ChartLook look =
        lookOf("", "", {seriesOf(q[0], m.totalDays), seriesOf(q[1], m.cycleTime), seriesOf(q[2], m.riggingTime)}, 0);
    titleMixedUnits(look, q, t::kAxisTime);
    return look;
}

ChartLook roadsLook(const GraphMarks& m) {
    const std::vector<Quantity> q{
        byUnit(t::kAxisRoadDensity, t::kUnitMilesSection, t::kShortMilesSection),
        {t::kAxisLandingSpacing, t::kUnitStations, t::kAxisLandingSpacingShort, t::kShortStations}};
    ChartLook look = lookOf("", "", {seriesOf(q[0], m.roadDensity), seriesOf(q[1], m.landingSpacing)}, 0);
    look.series[0].cap = kDensityCap;
    look.series[0].capNote = t::kDensityCapNote;
    titleMixedUnits(look, q, t::kAxisRoads);
    return look;
}

ChartLook settingsLook(const GraphMarks& m) {
    // The first checked item in the sweep's order decides the one series;
    // AYD stands for none.
    Quantity q{t::kAxisAyd, t::kUnitStations, t::kAxisAydShort, t::kShortStations};
    if (m.ayd) {
        q = {t::kAxisAyd, t::kUnitStations, t::kAxisAydShort, t::kShortStations};
    } else if (m.lyd) {
        q = {t::kAxisLyd, t::kUnitStations, t::kAxisLydShort, t::kShortStations};
    } else if (m.alyd) {
        q = {t::kAxisAlyd, t::kUnitStations, t::kAxisAlydShort, t::kShortStations};
    } else if (m.aeyd) {
        q = {t::kAxisAeyd, t::kUnitStations, t::kAxisAeydShort, t::kShortStations};
    } else if (m.corridors) {
        q = byUnit(t::kAxisCorridors, t::kUnitPerLanding, t::kShortPerLanding);
    } else if (m.landings) {
        q = byUnit(t::kAxisLandings, t::kUnitPerUnit, t::kShortPerUnit);
    }
    return lookOf(q.title, q.shortTitle, {seriesOf(q, true)}, 0);
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
    return lookOf(t::kAxisTotalCost, t::kShortCost, {cost, cost, cost, cost, cost}, 1);
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

bool ChartLook::isShown(int column) const {
    const auto index = static_cast<size_t>(column - 1);
    return column < 1 || index >= series.size() || series[index].shown;
}

std::string ChartLook::unit(int column) const {
    const auto index = static_cast<size_t>(column - 1);
    return column >= 1 && index < series.size() ? series[index].unit : std::string();
}

const std::string& ChartLook::axisTitle(bool vertical, bool brief) const {
    const std::string& whole = vertical ? yTitle : xTitle;
    const std::string& shortTitle = vertical ? yShortTitle : xShortTitle;
    return brief && !shortTitle.empty() ? shortTitle : whole;
}

}  // namespace quorvale
