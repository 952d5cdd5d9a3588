#include "decision/Marginal.h"

#include <algorithm>
#include <cmath>

namespace quorvale {

Marginal::Marginal(const DrawRange& range) : m_range(range) {}

Marginal::Marginal(const DrawRange& range, double mode, BeliefShape shape)
    : m_kind(shape == BeliefShape::Pert ? Kind::Pert : Kind::Triangular),
      m_range(range),
      m_low(std::min(range.low, range.high)),
      m_high(std::max(range.low, range.high)),
      m_mode(std::clamp(mode, m_low, m_high)) {
    const double width = m_high - m_low;
    m_modeShare = width > 0 ? (m_mode - m_low) / width : 0;
    if (m_kind == Kind::Pert && width > 0) {
        m_beta = std::make_shared<const BetaQuantile>(1 + 4 * m_modeShare, 1 + 4 * (1 - m_modeShare));
    }
}

double Marginal::quantile(double u) const {
    const double width = m_high - m_low;
    switch (m_kind) {
        case Kind::Uniform: {
            const double value = std::fabs(m_range.low + (m_range.high - m_range.low) * u);
            return value > 0 ? value : m_range.low;
        }
        case Kind::Triangular:
            if (!(width > 0)) {
                return m_low;
            }
            if (u < m_modeShare) {
                return std::min(m_mode, m_low + std::sqrt(u * width * (m_mode - m_low)));
            }
            return std::max(m_mode, m_high - std::sqrt((1 - u) * width * (m_high - m_mode)));
        case Kind::Pert:
            if (!(width > 0)) {
                return m_low;
            }
            return std::clamp(m_low + width * (*m_beta)(u), m_low, m_high);
    }
    return m_low;
}

double Marginal::mean() const {
    switch (m_kind) {
        case Kind::Triangular:
            return (m_low + m_mode + m_high) / 3;
        case Kind::Pert:
            return (m_low + 4 * m_mode + m_high) / 6;
        case Kind::Uniform:
            break;
    }
    return (m_range.low + m_range.high) / 2;
}

}  // namespace quorvale
