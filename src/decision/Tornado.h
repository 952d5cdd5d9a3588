#pragma once
// The deterministic sensitivity of a decision analysis: each drawn variable
// at its Low and at its High with the others at their Averages, and the
// lowest cost over the steps at each end.

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "inputs/InputRules.h"
#include "simulator/RunInputs.h"

namespace quorvale {

// A figure there is none of.
inline constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

struct TornadoBar {
    int drawIndex = 0;     // the variable's place in the draw order (0..13)
    std::string variable;  // its command-line option name, e.g. "operator-cost"
    double low = 0;        // the variable's Low and High in model units
    double high = 0;
    // The minimum cost over 1..N with the variable at Low and at High, and
    // its EYD (feet, ties to the longer EYD). An end where no step has a
    // finite cost has no minimum: its figures, and the swing, are not a
    // number, which every output writes as "none" (null, empty, a dash).
    double costAtLow = kNoFigure;
    double costAtHigh = kNoFigure;
    double eydAtLow = kNoFigure;
    double eydAtHigh = kNoFigure;
    double swing = kNoFigure;  // |costAtHigh - costAtLow|

    bool hasLow() const { return std::isfinite(costAtLow); }
    bool hasHigh() const { return std::isfinite(costAtHigh); }
    bool complete() const { return hasLow() && hasHigh(); }
};

struct Tornado {
    // Every variable at its Average; not a number without a finite minimum.
    double baseMinCost = kNoFigure;
    double baseEyd = kNoFigure;  // feet
    // Bars with a side that has no minimum first (an extreme value the cost
    // cannot be figured at), then the largest swing first.
    std::vector<TornadoBar> bars;

    bool hasBase() const { return std::isfinite(baseMinCost); }
};

// The deterministic sensitivity alone (also part of runDecisionAnalysis).
Tornado computeTornado(const RunInputs& inputs, CorridorPattern pattern);

}  // namespace quorvale
