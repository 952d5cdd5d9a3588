#include "inputs/Beliefs.h"

#include <algorithm>

namespace quorvale {

std::string_view shapeKey(BeliefShape shape) { return shape == BeliefShape::Pert ? "pert" : "triangular"; }

std::optional<BeliefShape> shapeFromKey(std::string_view key) {
    if (key == "triangular") {
        return BeliefShape::Triangular;
    }
    if (key == "pert") {
        return BeliefShape::Pert;
    }
    return std::nullopt;
}

bool Beliefs::anyMode() const {
    return std::any_of(variables.begin(), variables.end(), [](const VariableBelief& v) { return v.hasMode(); });
}

double Beliefs::rho(int a, int b) const {
    for (const RankCorrelation& c : correlations) {
        if ((c.a == a && c.b == b) || (c.a == b && c.b == a)) {
            return c.rho;
        }
    }
    return 0;
}

void Beliefs::correlate(int a, int b, double rho) {
    for (RankCorrelation& c : correlations) {
        if ((c.a == a && c.b == b) || (c.a == b && c.b == a)) {
            c.rho = rho;
            return;
        }
    }
    correlations.push_back({a, b, rho});
}

bool isDrawnVariable(int variable) {
    return variable >= 0 && variable < kVariableCount && variable != ExternalYardingDistance;
}

}  // namespace quorvale
