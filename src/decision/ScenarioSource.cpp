#include "decision/ScenarioSource.h"

#include "base/Mix64.h"
#include "model/RangeSweep.h"

namespace quorvale {

std::uint64_t decisionBlockSeed(std::uint64_t seed, std::uint64_t block) {
    return mix64(seed ^ mix64(block + 0x632be59bd9b4e019ULL));
}

std::array<bool, RunInputs::kDrawnCount> sharedVariables(const DecisionAlternative& a, const DecisionAlternative& b) {
    std::array<bool, RunInputs::kDrawnCount> shared{};
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        const size_t variable = static_cast<size_t>(RunInputs::drawnVariable(i));
        shared[static_cast<size_t>(i)] = a.inputs.range(i).low == b.inputs.range(i).low &&
                                         a.inputs.range(i).high == b.inputs.range(i).high &&
                                         a.beliefs.variables[variable] == b.beliefs.variables[variable];
    }
    // A variable linked to one that is not shared, or linked differently,
    // is mixed with other numbers in one alternative than in the other.
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
            if (!shared[static_cast<size_t>(i)]) {
                continue;
            }
            for (int j = 0; j < RunInputs::kDrawnCount; ++j) {
                const int vi = RunInputs::drawnVariable(i);
                const int vj = RunInputs::drawnVariable(j);
                const double rho = a.beliefs.rho(vi, vj);
                if (j != i && (rho != b.beliefs.rho(vi, vj) || (rho != 0 && !shared[static_cast<size_t>(j)]))) {
                    shared[static_cast<size_t>(i)] = false;
                    changed = true;
                    break;
                }
            }
        }
    }
    return shared;
}

ScenarioSource::ScenarioSource(const std::vector<const DecisionAlternative*>& alternatives, std::uint64_t seed)
    : m_seed(seed) {
    m_shared.fill(true);
    for (const DecisionAlternative* a : alternatives) {
        const int steps = stepCount(a->inputs.highEydFeet());
        m_alternatives.push_back(Alternative{a, ScenarioDraw(a->inputs, a->beliefs),
                                             ScenarioEvaluator(a->pattern, a->inputs.highEydFeet(), steps),
                                             m_decisions});
        m_decisions += steps;
    }
    if (alternatives.size() > 1) {
        m_shared = sharedVariables(*alternatives[0], *alternatives[1]);
        for (bool s : m_shared) {
            m_ownNumbers = m_ownNumbers || !s;
        }
    }
}

void forEachScenario(const RunInputs& inputs, CorridorPattern pattern, std::uint64_t seed, std::uint64_t first,
                     std::uint64_t count, const std::function<void(const std::vector<double>& costs)>& visit) {
    const DecisionAlternative alternative{inputs, {}, pattern, {}};
    const ScenarioSource source({&alternative}, seed);
    std::vector<double> scratch;
    std::vector<double> costs;
    std::uint64_t block = first / kDecisionBlockScenarios;
    std::uint64_t index = block * kDecisionBlockScenarios;
    const std::uint64_t end = first + count;
    for (; index < end; ++block) {
        const std::uint64_t n = std::min(kDecisionBlockScenarios, end - index);
        source.forEach(block, n, false, scratch, [&](const ScenarioSource::Scenario& s) {
            if (index >= first && s.finite) {
                costs.assign(s.costs, s.costs + source.decisions());
                visit(costs);
            }
            ++index;
        });
    }
}

}  // namespace quorvale
