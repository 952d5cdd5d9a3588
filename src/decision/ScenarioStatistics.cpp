#include "decision/ScenarioStatistics.h"

#include <algorithm>
#include <cmath>

#include "model/RangeSweep.h"

namespace quorvale {
namespace {

constexpr double kZ95 = 1.96;
// A cost further than this from the step's reference cannot be squared
// within the double range; such a scenario is treated like one whose
// figures overflowed.
constexpr double kLargestDeviation = 1e150;

}  // namespace

void BlockSums::reset(int n) {
    finite = 0;
    nonFinite = 0;
    steps.assign(static_cast<size_t>(n), StepSums{});
}

void BlockSums::add(const BlockSums& b) {
    finite += b.finite;
    nonFinite += b.nonFinite;
    for (size_t s = 0; s < steps.size(); ++s) {
        steps[s].sum += b.steps[s].sum;
        steps[s].sumSquares += b.steps[s].sumSquares;
        steps[s].regret += b.steps[s].regret;
        steps[s].optimal += b.steps[s].optimal;
    }
}

ScenarioStatistics::ScenarioStatistics(const RunInputs& inputs, const DecisionSettings& settings)
    : m_settings(settings), m_steps(stepCount(inputs.highEydFeet())), m_evaluator(inputs, settings.pattern, m_steps) {
    ModelInputs base = inputs.midpoints();
    base.pattern = settings.pattern;
    const std::vector<double> baseCosts = sweepCosts(base, m_steps);
    m_reference.resize(static_cast<size_t>(m_steps));
    for (int s = 0; s < m_steps; ++s) {
        const double c = baseCosts[static_cast<size_t>(s)];
        m_reference[static_cast<size_t>(s)] = std::isfinite(c) ? c : 0;
        m_centres.push_back(c);
    }
    m_totals.reset(m_steps);
}

std::vector<QuantileSketch> ScenarioStatistics::newSketches() const {
    return std::vector<QuantileSketch>(m_centres.begin(), m_centres.end());
}

void ScenarioStatistics::runBlock(std::uint64_t block, std::uint64_t count, BlockSums& sums,
                                  std::vector<QuantileSketch>& sketches, std::vector<double>& scratch) const {
    sums.reset(m_steps);
    RandomSource random(decisionBlockSeed(m_settings.seed, block));
    scratch.resize(static_cast<size_t>(m_steps));
    double* costs = scratch.data();
    const size_t n = static_cast<size_t>(m_steps);
    for (std::uint64_t i = 0; i < count; ++i) {
        if (!m_evaluator.evaluate(random, costs) || !measurable(costs)) {
            ++sums.nonFinite;
            continue;
        }
        size_t best = 0;
        for (size_t s = 1; s < n; ++s) {
            if (costs[s] <= costs[best]) {
                best = s;
            }
        }
        const double lowest = costs[best];
        for (size_t s = 0; s < n; ++s) {
            const double d = costs[s] - m_reference[s];
            StepSums& t = sums.steps[s];
            t.sum += d;
            t.sumSquares += d * d;
            t.regret += costs[s] - lowest;
            sketches[s].add(costs[s]);
        }
        ++sums.steps[best].optimal;
        ++sums.finite;
    }
}

void ScenarioStatistics::unrunBlock(std::uint64_t block, std::uint64_t count, std::vector<QuantileSketch>& sketches,
                                    std::vector<double>& scratch) const {
    RandomSource random(decisionBlockSeed(m_settings.seed, block));
    scratch.resize(static_cast<size_t>(m_steps));
    for (std::uint64_t i = 0; i < count; ++i) {
        if (m_evaluator.evaluate(random, scratch.data()) && measurable(scratch.data())) {
            for (size_t s = 0; s < scratch.size(); ++s) {
                sketches[s].remove(scratch[s]);
            }
        }
    }
}

std::vector<DecisionRow> ScenarioStatistics::rows(const std::vector<QuantileSketch>& sketches) const {
    std::vector<DecisionRow> rows(static_cast<size_t>(m_steps));
    const double n = static_cast<double>(m_totals.finite);
    for (int s = 0; s < m_steps; ++s) {
        const StepSums& t = m_totals.steps[static_cast<size_t>(s)];
        DecisionRow& row = rows[static_cast<size_t>(s)];
        row.step = s + 1;
        row.eyd = 100.0 * (s + 1);
        if (m_totals.finite == 0) {
            continue;
        }
        row.mean = m_reference[static_cast<size_t>(s)] + t.sum / n;
        if (m_totals.finite >= 2) {
            const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / n)) / (n - 1));
            row.stddev = std::sqrt(variance);
            row.halfWidth = kZ95 * row.stddev / std::sqrt(n);
        }
        const QuantileSketch& q = sketches[static_cast<size_t>(s)];
        row.p10 = q.quantile(0.10);
        row.p50 = q.quantile(0.50);
        row.p90 = q.quantile(0.90);
        row.pOptimal = static_cast<double>(t.optimal) / n;
        row.regret = t.regret / n;
    }
    return rows;
}

bool ScenarioStatistics::targetMet() const {
    const std::uint64_t n = m_totals.finite;
    if (n < std::max<std::uint64_t>(m_settings.minScenarios, 2)) {
        return false;
    }
    const double dn = static_cast<double>(n);
    int best = -1;
    double bestMean = 0;
    for (int s = 0; s < m_steps; ++s) {
        const StepSums& t = m_totals.steps[static_cast<size_t>(s)];
        const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / dn)) / (dn - 1));
        const double halfWidth = kZ95 * std::sqrt(variance) / std::sqrt(dn);
        if (!(halfWidth <= m_settings.target)) {
            return false;
        }
        const double mean = m_reference[static_cast<size_t>(s)] + t.sum / dn;
        if (best < 0 || mean <= bestMean) {
            best = s;
            bestMean = mean;
        }
    }
    if (best < 0) {
        return true;
    }
    const double p = static_cast<double>(m_totals.steps[static_cast<size_t>(best)].optimal) / dn;
    return kZ95 * std::sqrt(p * (1 - p) / dn) <= m_settings.pOptimalHalfWidth;
}

double ScenarioStatistics::worstHalfWidth() const {
    const std::uint64_t n = m_totals.finite;
    if (n < 2) {
        return 0;
    }
    const double dn = static_cast<double>(n);
    double worst = 0;
    for (const StepSums& t : m_totals.steps) {
        const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / dn)) / (dn - 1));
        worst = std::max(worst, kZ95 * std::sqrt(variance) / std::sqrt(dn));
    }
    return worst;
}

bool ScenarioStatistics::measurable(const double* costs) const {
    for (int s = 0; s < m_steps; ++s) {
        if (!(std::fabs(costs[s] - m_reference[static_cast<size_t>(s)]) <= kLargestDeviation)) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvale
