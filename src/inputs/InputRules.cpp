#include "inputs/InputRules.h"

namespace quorvale {
namespace {

// Each spin button keeps two small numbers besides its default and upper
// bound; the larger serves as its step, the smaller as its lower bound, so
// every spin value is a valid positive entry and a spin moves by a useful
// amount (10 acres, 100 $/day, 1000 feet/hour).
constexpr SpinRule spin(int defaultValue, int upper, int a, int b) {
    const int lower = a < b ? a : b;
    const int step = a < b ? b : a;
    return {defaultValue, lower, upper, step};
}

constexpr std::array<VariableRule, kVariableCount> kRules{{
    {"Harvest Volume (mbf/acre)", "Site Conditions", "mbf/acre", "harvest-volume", spin(35, 200, 5, 1),
     spin(35, 200, 5, 1)},
    {"Turn Volume (bdft)", "Site Conditions", "bdft", "turn-volume", spin(400, 2000, 10, 1), spin(400, 2000, 10, 1)},
    {"Unit Size (acres)", "Site Conditions", "acres", "unit-size", spin(60, 5000, 10, 10), spin(60, 5000, 1, 10)},
    {"Road Density Factor (% normal)", "Site Conditions", "% of normal", "road-density-factor", spin(100, 200, 1, 1),
     spin(100, 200, 1, 1)},
    {"External Yarding Distance (stations)", "Site Conditions", "stations", "eyd", spin(30, 70, 10, 2),
     spin(30, 70, 10, 2)},
    {"Operator's Cost ($/day)", "Site Conditions", "$/day", "operator-cost", spin(3000, 5000, 100, 100),
     spin(3000, 5000, 1, 100)},
    {"External Speed (feet/min-ayd)", "Yarding Time ", "feet/min", "external-speed", spin(800, 3000, 100, 10),
     spin(800, 3000, 1, 10)},
    {"Total Fixed Time (min)", "Yarding Time ", "min/turn", "fixed-time", spin(4, 10, 1, 1), spin(4, 10, 1, 1)},
    {"Lateral Speed  (feet/min-lyd)", "Yarding Time ", "feet/min", "lateral-speed", spin(100, 1000, 10, 5),
     spin(100, 1000, 1, 5)},
    {"Production Delay (% of total time)", "Yarding Time ", "% of total time", "production-delay", spin(16, 100, 1, 1),
     spin(16, 100, 1, 1)},
    {"Fixed Landing Time (hrs)", "Setup", "crew hours", "fixed-landing-time", spin(4, 10, 1, 1), spin(4, 10, 1, 1)},
    {"Variable Time (feet/hr-eyd)", "Setup", "feet/hour", "variable-time", spin(2000, 5000, 100, 1000),
     spin(2000, 5000, 1, 1000)},
    {"Fixed Corridor Time (hrs)", "Setup", "crew hours", "fixed-corridor-time", spin(1, 5, 1, 1), spin(1, 10000, 1, 1)},
    {"Multiple Corridor Correction Time (hrs)", "Setup", "crew hours", "corridor-correction-time", spin(1, 5, 1, 1),
     spin(1, 5, 1, 1)},
    {"Life Cycle Road Cost ($/station)", "Road Costs", "$/station", "road-cost", spin(1500, 5000, 100, 1),
     spin(1500, 5000, 1, 1)},
}};

}  // namespace

const std::array<VariableRule, kVariableCount>& variableRules() { return kRules; }

const VariableRule& variableRule(int variable) { return kRules.at(static_cast<size_t>(variable)); }

const SpinRule& spinRule(int entry) {
    const VariableRule& rule = variableRule(entry / 2);
    return entry % 2 == 0 ? rule.low : rule.high;
}

std::string_view patternCaption(CorridorPattern pattern) {
    return pattern == CorridorPattern::Parallel ? "Parallel Corridors" : "Fan-Shaped Corridors";
}

}  // namespace quorvale
