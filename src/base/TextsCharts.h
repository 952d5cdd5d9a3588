#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// Texts of the chart windows' own additions: the tool tip of a hovered point
// and the chart's context menu with its dialogs and messages.
namespace charts {

// %1 series label, %2 row label (EYD in stations), %3 value.
inline constexpr char kHoverTemplate[] = "%1\nEYD: %2 stat\nValue: %3";

inline constexpr char kCopyImage[] = "Copy Image";
inline constexpr char kSaveImage[] = "Save Image\u2026";
inline constexpr char kSaveData[] = "Save Data\u2026";

inline constexpr char kSaveImageCaption[] = "Save Image";
inline constexpr char kSaveDataCaption[] = "Save Data";
inline constexpr char kImageFilter[] = "PNG image (*.png);;SVG drawing (*.svg)";
inline constexpr char kDataFilter[] = "CSV table (*.csv)";
inline constexpr char kSaveImageFailed[] = "The chart image could not be saved to %1: %2";
inline constexpr char kSaveDataFailed[] = "The chart data could not be saved to %1: %2";

// Heading of the row-label column in saved data.
inline constexpr char kCsvRowHeading[] = "EYD (stat)";

// Axis titles. Every chart runs against the EYD in stations of 100 feet.
inline constexpr char kAxisEyd[] = "EYD (stations)";
inline constexpr char kAxisCost[] = "Cost ($/mbf)";
inline constexpr char kAxisTotalCost[] = "Total cost ($/mbf)";
inline constexpr char kAxisTime[] = "Time";
inline constexpr char kAxisRoads[] = "Roads";
inline constexpr char kAxisMbfDay[] = "Production (mbf/day)";
inline constexpr char kAxisTonsDay[] = "Production (tons/day)";
inline constexpr char kAxisLoadsDay[] = "Production (loads/day)";
inline constexpr char kAxisTotalDays[] = "Total days (tens of days)";
inline constexpr char kAxisCycleTime[] = "Cycle time (min/turn)";
inline constexpr char kAxisRiggingTime[] = "Rigging time (hours/landing)";
inline constexpr char kAxisRoadDensity[] = "Road density (miles per section)";
inline constexpr char kAxisLandingSpacing[] = "Landing spacing (stations)";
inline constexpr char kAxisAyd[] = "AYD (stations)";
inline constexpr char kAxisLyd[] = "LYD (stations)";
inline constexpr char kAxisAlyd[] = "ALYD (stations)";
inline constexpr char kAxisAeyd[] = "AEYD (stations)";
inline constexpr char kAxisCorridors[] = "Corridors per landing";
inline constexpr char kAxisLandings[] = "Landings per unit";

// The short forms an axis title takes where the whole title has no room:
// the quantity's unit alone, in its brief spelling.
inline constexpr char kAxisEydShort[] = "EYD (stat)";
inline constexpr char kShortCost[] = "$/mbf";
inline constexpr char kShortMbfDay[] = "mbf/day";
inline constexpr char kShortTonsDay[] = "tons/day";
inline constexpr char kShortLoadsDay[] = "loads/day";
inline constexpr char kShortTensOfDays[] = "10 days";
inline constexpr char kShortMinutesTurn[] = "min/turn";
inline constexpr char kShortHoursLanding[] = "hrs/landing";
inline constexpr char kShortMilesSection[] = "mi/section";
inline constexpr char kShortStations[] = "stat";
inline constexpr char kShortPerLanding[] = "per landing";
inline constexpr char kShortPerUnit[] = "per unit";
inline constexpr char kAxisAydShort[] = "AYD (stat)";
inline constexpr char kAxisLydShort[] = "LYD (stat)";
inline constexpr char kAxisAlydShort[] = "ALYD (stat)";
inline constexpr char kAxisAeydShort[] = "AEYD (stat)";
inline constexpr char kAxisLandingSpacingShort[] = "Spacing (stat)";

// Units of the charted values, as the hover tip and mixed axes give them.
inline constexpr char kUnitCost[] = "$/mbf";
inline constexpr char kUnitMbfDay[] = "mbf/day";
inline constexpr char kUnitTonsDay[] = "tons/day";
inline constexpr char kUnitLoadsDay[] = "loads/day";
// The "1/10 Total Days" series holds a tenth of the days.
inline constexpr char kUnitTensOfDays[] = "tens of days";
inline constexpr char kUnitMinutesTurn[] = "min/turn";
inline constexpr char kUnitHoursLanding[] = "hours/landing";
inline constexpr char kUnitMilesSection[] = "miles per section";
inline constexpr char kUnitStations[] = "stations";
inline constexpr char kUnitPerLanding[] = "per landing";
inline constexpr char kUnitPerUnit[] = "per unit";

// Between the units of a chart whose series differ in unit.
inline constexpr char kUnitSeparator[] = " | ";

// The mark at the lowest total cost: %1 value, %2 unit, %3 EYD in stations.
inline constexpr char kMinimumLabel[] = "Lowest: %1 %2 at EYD %3";
// The notes of a chart on which the model's caps show.
inline constexpr char kCostCapNote[] = "Costs capped at 400 $/mbf";
inline constexpr char kDensityCapNote[] = "Road density capped at 20 miles per section";

}  // namespace charts

}  // namespace quorvale::texts
