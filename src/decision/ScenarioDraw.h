#pragma once
// How one alternative turns a scenario's fourteen uniform numbers into its
// drawn inputs: linked variables through the Gaussian copula, then every
// variable through its own distribution. Without modes and correlations
// this is exactly RunInputs::draw, the simulation's draw.

#include <array>

#include "inputs/Beliefs.h"
#include "decision/GaussianCopula.h"
#include "decision/Marginal.h"
#include "model/YardingModel.h"
#include "simulator/RunInputs.h"

namespace quorvale {

class ScenarioDraw {
public:
    // Modes are taken in the Variables window's units, like Low and High;
    // a mode given to the EYD, or a correlation with it, plays no part.
    ScenarioDraw(const RunInputs& inputs, const Beliefs& beliefs);

    // The correlation pairs as draw-order pairs (for the copula).
    static std::vector<GaussianCopula::Pair> copulaPairs(const Beliefs& beliefs);

    const GaussianCopula& copula() const { return m_copula; }

    // Every drawn field at its distribution's mean, then the correction
    // rule (pattern and maxEyd left to the caller).
    ModelInputs means() const;

    // r: the scenario's fourteen uniform numbers in draw order. Fills the
    // drawn fields of m, then applies the correction rule to them (pattern
    // and maxEyd are left to the caller). When u is given it receives each
    // variable's probability under its own distribution, for binning.
    void draw(const float* r, ModelInputs& m, double* u = nullptr) const {
        double p[RunInputs::kDrawnCount];
        for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
            p[i] = static_cast<double>(r[i]);
        }
        if (!m_copula.empty()) {
            m_copula.apply(r, p);
        }
        for (size_t i = 0; i < kFields.size(); ++i) {
            m.*kFields[i] = m_marginals[i].quantile(p[i]);
        }
        if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
            m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
        }
        if (u != nullptr) {
            for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
                u[i] = p[i];
            }
        }
    }

private:
    // The model fields in draw order, as RunInputs::draw fills them.
    static constexpr std::array<double ModelInputs::*, RunInputs::kDrawnCount> kFields{
        &ModelInputs::harvestVolume,     &ModelInputs::turnVolume,         &ModelInputs::unitSize,
        &ModelInputs::roadDensityFactor, &ModelInputs::operatorCost,       &ModelInputs::externalSpeed,
        &ModelInputs::fixedTime,         &ModelInputs::lateralSpeed,       &ModelInputs::productionDelay,
        &ModelInputs::variableTime,      &ModelInputs::fixedCorridorTime,  &ModelInputs::multipleCorridorCorrection,
        &ModelInputs::fixedLandingTime,  &ModelInputs::roadCostPerStation,
    };

    std::vector<Marginal> m_marginals;
    GaussianCopula m_copula;
};

// The place of a variable (Variables window number) in the draw order; -1
// for the EYD, which is not drawn.
int drawIndexOf(int variable);

}  // namespace quorvale
