#pragma once
// What the engineer believes about the inputs beyond their Low and High:
// a most-likely value (mode) with a shape for any variable, and rank
// correlations between pairs of variables. They shape the draws of the
// decision analysis only; the simulation and the static analysis keep
// drawing uniformly between Low and High.

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "inputs/InputRules.h"

namespace quorvale {

enum class BeliefShape {
    Triangular,  // Low, Mode, High
    Pert,        // Beta-PERT: alpha = 1 + 4 (m - a) / (b - a), beta = 1 + 4 (b - m) / (b - a)
};

// "triangular", "pert": the names the command line and unit files use.
std::string_view shapeKey(BeliefShape shape);
std::optional<BeliefShape> shapeFromKey(std::string_view key);

struct VariableBelief {
    // In the units of the Variables window, like Low and High; not a
    // number when the variable has none.
    double mode = std::numeric_limits<double>::quiet_NaN();
    BeliefShape shape = BeliefShape::Triangular;

    bool hasMode() const { return !std::isnan(mode); }
    bool operator==(const VariableBelief& o) const {
        return (hasMode() ? o.hasMode() && mode == o.mode : !o.hasMode()) && shape == o.shape;
    }
};

// A Spearman rank correlation rho in (-1, 1) between two variables
// (Variables window numbers).
struct RankCorrelation {
    int a = 0;
    int b = 0;
    double rho = 0;

    bool operator==(const RankCorrelation&) const = default;
};

struct Beliefs {
    std::array<VariableBelief, kVariableCount> variables{};
    std::vector<RankCorrelation> correlations;

    bool anyMode() const;
    // Neither a mode nor a correlation: the draws are uniform, as the
    // simulation's.
    bool empty() const { return !anyMode() && correlations.empty(); }
    // The correlation between a and b (either order); 0 when none is given.
    double rho(int a, int b) const;
    // Adds or replaces the pair's correlation.
    void correlate(int a, int b, double rho);

    bool operator==(const Beliefs&) const = default;
};

// Whether a variable takes a belief: the EYD sets the steps, it is never
// drawn.
bool isDrawnVariable(int variable);

}  // namespace quorvale
