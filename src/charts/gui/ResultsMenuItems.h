#pragma once
// The "View" and "Show Results" menus as designed: names, captions (the four
// leading blanks of the submenu captions are part of them), nesting and the
// check-mark group of every item, in menu order.

#include <array>

namespace quorvale {

enum class ResultsItemKind { Menu, Command, Submenu, CheckItem };

// The rule each group follows is in ResultsMenu's handlers.
enum class MarkGroup { None, Range, Cost, Production, LoggingTime, Roads, Layout, Simulation };

struct ResultsMenuItem {
    const char* name;
    const char* caption;
    int level;  // 0 menu bar, 1 item of a menu, 2 item of a submenu
    ResultsItemKind kind;
    MarkGroup group;
};

inline constexpr std::array<ResultsMenuItem, 31> kResultsMenuItems{{
    {"MnuView", "View", 0, ResultsItemKind::Menu, MarkGroup::None},
    {"MnuVariables", "Variables", 1, ResultsItemKind::Command, MarkGroup::None},
    {"MnuSimulator", "Simulator", 1, ResultsItemKind::Command, MarkGroup::None},
    {"MnuResults", "Show Results", 0, ResultsItemKind::Menu, MarkGroup::None},
    {"MnuStatic", "Static Graph Options", 1, ResultsItemKind::Submenu, MarkGroup::None},
    {"MnuGraphLow", "Low Range", 2, ResultsItemKind::CheckItem, MarkGroup::Range},
    {"MnuGraphAverage", "Average", 2, ResultsItemKind::CheckItem, MarkGroup::Range},
    {"MnuGraphHigh", "High Range", 2, ResultsItemKind::CheckItem, MarkGroup::Range},
    {"MnuCostGraph", "    Cost ($/mbf)", 1, ResultsItemKind::Submenu, MarkGroup::None},
    {"MnuRoadCost", "Road Cost", 2, ResultsItemKind::CheckItem, MarkGroup::Cost},
    {"MnuLoggingCost", "Logging Cost", 2, ResultsItemKind::CheckItem, MarkGroup::Cost},
    {"MnuTotalCost", "Total Cost", 2, ResultsItemKind::CheckItem, MarkGroup::Cost},
    {"MnuProductionGraph", "    Production", 1, ResultsItemKind::Submenu, MarkGroup::None},
    {"MnuTonsDay", "Tons/Day (12.5 lbs/bdft)", 2, ResultsItemKind::CheckItem, MarkGroup::Production},
    {"MnuMbfDay", "Mbf/Day", 2, ResultsItemKind::CheckItem, MarkGroup::Production},
    {"MnuLoadsDay", "Loads/Day (25 ton load)", 2, ResultsItemKind::CheckItem, MarkGroup::Production},
    {"MnuLoggingTime", "    Logging Time", 1, ResultsItemKind::Submenu, MarkGroup::None},
    {"MnuTotalDays", "1/10 Total Days", 2, ResultsItemKind::CheckItem, MarkGroup::LoggingTime},
    {"MnuRiggingTime", "Rigging Time (hrs/landing)", 2, ResultsItemKind::CheckItem, MarkGroup::LoggingTime},
    {"MnuCycleTime", "Cycle Time (min/turn)", 2, ResultsItemKind::CheckItem, MarkGroup::LoggingTime},
    {"MnuRoadGraph", "    Roads", 1, ResultsItemKind::Submenu, MarkGroup::None},
    {"MnuRoadDensity", "Road Density (miles/section)", 2, ResultsItemKind::CheckItem, MarkGroup::Roads},
    {"MnuLandingSpacing", "Landing Spacing (stat)", 2, ResultsItemKind::CheckItem, MarkGroup::Roads},
    {"MnuSettings", "    Settings", 1, ResultsItemKind::Submenu, MarkGroup::None},
    {"MnuAyd", "AYD", 2, ResultsItemKind::CheckItem, MarkGroup::Layout},
    {"MnuLyd", "LYD", 2, ResultsItemKind::CheckItem, MarkGroup::Layout},
    {"MnuAlyd", "ALYD", 2, ResultsItemKind::CheckItem, MarkGroup::Layout},
    {"MnuAeyd", "AEYD", 2, ResultsItemKind::CheckItem, MarkGroup::Layout},
    {"MnuLandings", "Landings", 2, ResultsItemKind::CheckItem, MarkGroup::Layout},
    {"MnuCorridors", "Corridors", 2, ResultsItemKind::CheckItem, MarkGroup::Layout},
    {"MnuSimulation", "Simulation Graph", 1, ResultsItemKind::CheckItem, MarkGroup::Simulation},
}};

}  // namespace quorvale
