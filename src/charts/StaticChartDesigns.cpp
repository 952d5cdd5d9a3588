#include "charts/StaticChartDesigns.h"

namespace quorvale {
namespace {

constexpr std::string_view kCostSeries[] = {"Total", "Logging", "Road"};
constexpr std::string_view kCostCleared[] = {"MnuRoadCost", "MnuLoggingCost", "MnuTotalCost"};

// One series whose quantity the caption names; the legend gives the group.
constexpr std::string_view kProductionSeries[] = {"Production"};
constexpr std::string_view kProductionCleared[] = {"MnuTonsDay", "MnuLoadsDay", "MnuMbfDay"};

constexpr std::string_view kLoggingSeries[] = {"1/10 Total Days", "Yarding", "Rigging"};
constexpr std::string_view kLoggingCleared[] = {"MnuTotalDays", "MnuCycleTime", "MnuRiggingTime"};

constexpr std::string_view kRoadSeries[] = {"Road Density", "Landing Spacing"};
constexpr std::string_view kRoadCleared[] = {"MnuRoadDensity", "MnuLandingSpacing"};

constexpr std::string_view kSettingsSeries[] = {"Settings"};
constexpr std::string_view kSettingsCleared[] = {"MnuAyd",  "MnuAeyd",      "MnuLyd",
                                                 "MnuAlyd", "MnuCorridors", "MnuLandings"};

const std::array<StaticChartDesign, 5> kDesigns{{
    {ChartGroup::Cost, "FrmGraph", "MSChart2", "Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)", kCostSeries,
     kCostCleared},
    {ChartGroup::Production, "FrmGraphLoads", "MSChart1", "Production (mbf/day) vs. EYD (stat)", kProductionSeries,
     kProductionCleared},
    {ChartGroup::LoggingTime, "FrmGraphLogging", "MSChart1",
     "Yarding Time (min/cycle) and Rigging Time (hrs/per landing) vs. EYD (stat)", kLoggingSeries, kLoggingCleared},
    {ChartGroup::Roads, "FrmGraphRoad", "MSChart1",
     "Road Density (miles/section) & Landing Spacing (stat) vs. EYD (stat)", kRoadSeries, kRoadCleared},
    {ChartGroup::Settings, "FrmGraphSettings", "MSChart1", "Settings Data", kSettingsSeries, kSettingsCleared},
}};

}  // namespace

const std::array<StaticChartDesign, 5>& staticChartDesigns() { return kDesigns; }

}  // namespace quorvale
