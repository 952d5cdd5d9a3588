#pragma once
// One drawn variable's own distribution, as a quantile function: the value
// at probability u. A draw passes its uniform number through it, so that a
// variable without a mode is drawn exactly as the simulation draws it.

#include <memory>

#include "decision/BetaQuantile.h"
#include "inputs/Beliefs.h"
#include "simulator/RunInputs.h"

namespace quorvale {

class Marginal {
public:
    // Uniform between Low and High: |Low + (High - Low) u|, or Low when that
    // is not above 0, as RunInputs::drawValue (a Low above its High reverses
    // the interval).
    explicit Marginal(const DrawRange& range);
    // Triangular or Beta-PERT over the interval between Low and High with
    // its peak at the mode (all three in the same units; the mode between
    // the ends).
    Marginal(const DrawRange& range, double mode, BeliefShape shape);

    double quantile(double u) const;
    // The distribution's mean.
    double mean() const;

private:
    enum class Kind { Uniform, Triangular, Pert };
    Kind m_kind = Kind::Uniform;
    DrawRange m_range;
    double m_low = 0;  // the interval's lower and upper end
    double m_high = 0;
    double m_mode = 0;
    double m_modeShare = 0;  // (mode - low) / (high - low)
    std::shared_ptr<const BetaQuantile> m_beta;
};

}  // namespace quorvale
