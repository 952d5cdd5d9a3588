#pragma once
// The fifteen input variables of a harvest unit and the rules of their thirty
// entries (Low = entry 2k, High = entry 2k+1).

#include <array>
#include <string_view>

namespace quorvale {

constexpr int kVariableCount = 15;
constexpr int kEntryCount = 30;

enum class CorridorPattern { Parallel, FanShaped };

// Variable numbers, in the order of the Variables window.
enum Variable : int {
    HarvestVolume = 0,
    TurnVolume,
    UnitSize,
    RoadDensityFactor,
    ExternalYardingDistance,
    OperatorCost,
    ExternalSpeed,
    TotalFixedTime,
    LateralSpeed,
    ProductionDelay,
    FixedLandingTime,
    VariableTime,
    FixedCorridorTime,
    MultipleCorridorCorrection,
    LifeCycleRoadCost,
};

constexpr int lowEntry(int variable) { return 2 * variable; }
constexpr int highEntry(int variable) { return 2 * variable + 1; }

// One spin button: its initial value and the range and step it spins over.
struct SpinRule {
    int defaultValue;
    int lower;
    int upper;
    int step;
};

struct VariableRule {
    std::string_view caption;  // row label, exact
    std::string_view group;    // heading the row stands under, exact
    std::string_view unit;     // for help texts and the command line
    std::string_view option;   // command-line option name
    SpinRule low;
    SpinRule high;
};

const std::array<VariableRule, kVariableCount>& variableRules();
const VariableRule& variableRule(int variable);
const SpinRule& spinRule(int entry);

std::string_view patternCaption(CorridorPattern pattern);

}  // namespace quorvale
