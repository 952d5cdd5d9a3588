#include "decision/ScenarioDraw.h"

namespace quorvale {

int drawIndexOf(int variable) {
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        if (RunInputs::drawnVariable(i) == variable) {
            return i;
        }
    }
    return -1;
}

std::vector<GaussianCopula::Pair> ScenarioDraw::copulaPairs(const Beliefs& beliefs) {
    std::vector<GaussianCopula::Pair> pairs;
    for (const RankCorrelation& c : beliefs.correlations) {
        const int a = drawIndexOf(c.a);
        const int b = drawIndexOf(c.b);
        if (a >= 0 && b >= 0 && a != b) {
            pairs.push_back({a, b, c.rho});
        }
    }
    return pairs;
}

ScenarioDraw::ScenarioDraw(const RunInputs& inputs, const Beliefs& beliefs) : m_copula(copulaPairs(beliefs)) {
    m_marginals.reserve(RunInputs::kDrawnCount);
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        const VariableBelief& belief = beliefs.variables[static_cast<size_t>(RunInputs::drawnVariable(i))];
        if (belief.hasMode()) {
            m_marginals.emplace_back(inputs.range(i), RunInputs::toModelUnits(i, belief.mode), belief.shape);
        } else {
            m_marginals.emplace_back(inputs.range(i));
        }
    }
}

ModelInputs ScenarioDraw::means() const {
    ModelInputs m;
    for (size_t i = 0; i < kFields.size(); ++i) {
        m.*kFields[i] = m_marginals[i].mean();
    }
    if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
        m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
    }
    return m;
}

}  // namespace quorvale
