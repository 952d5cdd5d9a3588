#pragma once
// What a harvest plan takes from a decision analysis: at the recommended
// EYD and at both ends of its band, how far apart the roads lie, how much
// road the unit needs, how many landings and corridors it has, and what the
// unit costs in dollars; and what knowing the inputs exactly is worth for
// the whole unit.
//
// The layout terms (road spacing, road length, landings, corridors) and the
// unit's volume come from the cost model evaluated once with every input at
// the middle of its Low-High range: the average scenario, the inputs of the
// tornado's base. A crew stakes out one layout, so the plan is drawn for the
// expected unit and not averaged over scenarios: an average of the landing
// counts of a thousand layouts is the count of none of them. The sweep runs
// from the first station, so that fan-shaped layouts carry the steps before,
// as in every other sweep.
//
// The dollars are the scenarios' mean cost at that EYD ($/mbf) times the
// unit's volume (mbf) at those inputs; harvest volume and unit size are
// drawn each on its own, so that volume is also the scenarios' mean volume.
// The unit's EVPI in dollars is the EVPI ($/mbf) times the same volume.

#include <optional>
#include <string>

#include "inputs/InputRules.h"

namespace quorvale {

class RunInputs;
struct DecisionResult;

// One EYD of the plan. A figure the model cannot give for the average
// scenario (an extreme entry) is not a number.
struct PlanPoint {
    int step = 0;
    double eyd = 0;           // feet
    double roadSpacing = 0;   // feet from one road to the next
    double roadLength = 0;    // feet of road in the unit
    double landings = 0;      // landings in the unit (a real number)
    double corridors = 0;     // corridors in the unit (a real number)
    double volume = 0;        // mbf in the unit
    double meanCost = 0;      // $/mbf, the scenarios' mean at this EYD
    double totalDollars = 0;  // meanCost x volume

    bool operator==(const PlanPoint&) const = default;
};

struct PlanTerms {
    PlanPoint recommended;
    PlanPoint bandFrom;  // the shortest EYD of the band
    PlanPoint bandTo;    // the longest
    double evpiDollars = 0;
};

// The plan for a result; none without a recommendation.
std::optional<PlanTerms> planTerms(const RunInputs& inputs, CorridorPattern pattern, const DecisionResult& result);

// Feet of road per mile, for the texts that give road lengths in miles.
inline constexpr double kFeetPerMile = 5280;

// Whole dollars with a comma between groups of three digits, "$703,584";
// a dash when not a number.
std::string dollarText(double dollars);

// The plan in words, for the summary: the recommended EYD's layout and
// dollars, then the ends of the band, then the EVPI for the unit.
std::string planSentences(const PlanTerms& plan);

}  // namespace quorvale
