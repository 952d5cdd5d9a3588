#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// The plan terms of a decision analysis in words; {} are filled in order by
// fmt.
namespace plan {

// {} stations, road spacing (ft), road (miles), landings, corridors, the
// unit's dollars, its mean cost ($/mbf) and its volume (mbf).
inline constexpr char kAtRecommended[] =
    "At {} stations the roads lie {} ft apart: {} miles of road, {} landings and {} corridors in the unit, which "
    "costs {} in all ({} $/mbf on {} mbf).";
// {} the band's two ends in stations; road (miles), landings and dollars at
// each end.
inline constexpr char kAtBandEnds[] =
    "At the band's ends, {} and {} stations: {} and {} miles of road, {} and {} landings, {} and {}.";
// A figure the model cannot give for the average scenario.
inline constexpr char kNone[] = "-";

// How often the recommended EYD is the cheapest ({} percent), and the step
// that is the cheapest most often ({} stations, percent) when another.
inline constexpr char kCheapest[] =
    "It is the cheapest EYD in {} % of the scenarios; {} stations is the cheapest most often, in {} %.";
inline constexpr char kCheapestMostOften[] =
    "It is the cheapest EYD in {} % of the scenarios; no other is the cheapest more often.";
inline constexpr char kWiden[] = "The lowest cost lies at the largest EYD swept: widen the High EYD.";
// {} $/mbf, two decimals; then the dollars for the unit.
inline constexpr char kEvpi[] = "Knowing the inputs exactly would save {} $/mbf.";
inline constexpr char kEvpiDollars[] = "Knowing the inputs exactly would save {} $/mbf, {} for the unit.";
// {} the recommended stations, the simulation's optimum, the band's ends.
inline constexpr char kFollowInside[] =
    "Follow the decision analysis, which compares every EYD on the same scenarios: lay out at {} stations; the "
    "simulation's optimum, {} stations, lies inside its band of {} to {} stations.";
inline constexpr char kFollowOutside[] =
    "Follow the decision analysis, which compares every EYD on the same scenarios: lay out at {} stations; the "
    "simulation's optimum, {} stations, lies outside its band of {} to {} stations.";

}  // namespace plan

}  // namespace quorvale::texts
