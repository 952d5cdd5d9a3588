#include "decision/ScenarioStatistics.h"

#include <algorithm>
#include <cmath>

namespace quorvale {
namespace {

constexpr double kZ95 = 1.96;
// A cost further than this from the step's reference cannot be squared
// within the double range; such a scenario is treated like one whose
// figures overflowed.
constexpr double kLargestDeviation = 1e150;
// Steps either side of an alternative's cheapest step at its means whose
// differences are kept.
constexpr int kPairReach = 2;

double halfWidthOf(const StepSums& t, double n) {
    const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / n)) / (n - 1));
    return kZ95 * std::sqrt(variance) / std::sqrt(n);
}

}  // namespace

void BlockSums::add(const BlockSums& b) {
    finite += b.finite;
    nonFinite += b.nonFinite;
    for (size_t s = 0; s < steps.size(); ++s) {
        steps[s].sum += b.steps[s].sum;
        steps[s].sumSquares += b.steps[s].sumSquares;
        steps[s].regret += b.steps[s].regret;
        steps[s].optimal += b.steps[s].optimal;
    }
    for (size_t i = 0; i < binCounts.size(); ++i) {
        binCounts[i] += b.binCounts[i];
    }
    for (size_t i = 0; i < binSums.size(); ++i) {
        binSums[i] += b.binSums[i];
    }
    jointLowest += b.jointLowest;
    for (size_t k = 0; k < volume.size(); ++k) {
        volume[k] += b.volume[k];
    }
}

ScenarioStatistics::ScenarioStatistics(const ScenarioSource& source, const DecisionSettings& settings)
    : m_source(source), m_settings(settings) {
    for (int k = 0; k < source.alternatives(); ++k) {
        const DecisionAlternative& a = source.alternative(k);
        ModelInputs base = a.inputs.midpoints();
        base.pattern = a.pattern;
        for (const double c : sweepCosts(base, source.steps(k))) {
            m_reference.push_back(std::isfinite(c) ? c : 0);
            m_centres.push_back(c);
        }
    }
    const int first = RunInputs::kDrawnCount;
    if (settings.voiBins > 0) {
        m_bins = std::min(settings.voiBins, DecisionSettings::kMostVoiBins);
        for (int i = 0; i < first; ++i) {
            const DrawRange& r = source.alternative(0).inputs.range(i);
            if (r.low != r.high) {
                m_binned.push_back(i);
            }
        }
    }
    if (source.alternatives() == 2) {
        // Around the cheapest step with every variable at its mean.
        std::array<std::vector<int>, 2> near;
        for (int k = 0; k < 2; ++k) {
            const DecisionAlternative& a = source.alternative(k);
            ModelInputs means = ScenarioDraw(a.inputs, a.beliefs).means();
            means.pattern = a.pattern;
            const std::vector<double> costs = sweepCosts(means, source.steps(k));
            int best = -1;
            for (int s = 0; s < source.steps(k); ++s) {
                if (std::isfinite(costs[static_cast<size_t>(s)]) &&
                    (best < 0 || costs[static_cast<size_t>(s)] <= costs[static_cast<size_t>(best)])) {
                    best = s;
                }
            }
            for (int s = std::max(0, best - kPairReach); best >= 0 && s <= best + kPairReach && s < source.steps(k);
                 ++s) {
                near[static_cast<size_t>(k)].push_back(source.offset(k) + s);
            }
        }
        for (int a : near[0]) {
            for (int b : near[1]) {
                m_pairs.emplace_back(a, b);
            }
        }
    }
    m_totals.steps.assign(static_cast<size_t>(decisions()), StepSums{});
    m_totals.binCounts.assign(m_binned.size() * static_cast<size_t>(m_bins), 0);
    m_totals.binSums.assign(m_totals.binCounts.size() * static_cast<size_t>(decisions()), 0.0);
    if (!m_reference.empty()) {
        m_lowestReference = *std::min_element(m_reference.begin(), m_reference.end());
    }
}

DifferenceHistogram ScenarioStatistics::newDifferences(int a, int b) const {
    return DifferenceHistogram(m_reference[static_cast<size_t>(b)] - m_reference[static_cast<size_t>(a)]);
}

ScenarioStatistics::Local ScenarioStatistics::newLocal() const {
    Local local;
    local.sketches = std::vector<QuantileSketch>(m_centres.begin(), m_centres.end());
    for (const auto& [a, b] : m_pairs) {
        local.differences.push_back(newDifferences(a, b));
    }
    local.deviations.resize(static_cast<size_t>(decisions()));
    return local;
}

void ScenarioStatistics::merge(Local& into, const Local& from) {
    for (size_t s = 0; s < into.sketches.size(); ++s) {
        into.sketches[s].merge(from.sketches[s]);
    }
    for (size_t p = 0; p < into.differences.size(); ++p) {
        into.differences[p].merge(from.differences[p]);
    }
}

void ScenarioStatistics::runBlock(std::uint64_t block, std::uint64_t count, BlockSums& sums, Local& local) const {
    sums = BlockSums{};
    sums.steps.assign(m_totals.steps.size(), StepSums{});
    sums.binCounts.assign(m_totals.binCounts.size(), 0);
    sums.binSums.assign(m_totals.binSums.size(), 0.0);
    const size_t decisionCount = static_cast<size_t>(decisions());
    const bool joint = m_source.alternatives() > 1;
    const size_t bins = static_cast<size_t>(m_bins);
    double* deviations = local.deviations.data();
    m_source.forEach(block, count, !m_binned.empty(), local.scratch, [&](const ScenarioSource::Scenario& scenario) {
        const double* costs = scenario.costs;
        if (!scenario.finite || !measurable(costs)) {
            ++sums.nonFinite;
            return;
        }
        for (int k = 0; k < m_source.alternatives(); ++k) {
            const size_t first = static_cast<size_t>(m_source.offset(k));
            const size_t end = first + static_cast<size_t>(m_source.steps(k));
            if (first == end) {
                continue;
            }
            size_t best = first;
            for (size_t s = first + 1; s < end; ++s) {
                if (costs[s] <= costs[best]) {
                    best = s;
                }
            }
            const double lowest = costs[best];
            for (size_t s = first; s < end; ++s) {
                const double d = costs[s] - m_reference[s];
                StepSums& t = sums.steps[s];
                t.sum += d;
                t.sumSquares += d * d;
                t.regret += costs[s] - lowest;
                local.sketches[s].add(costs[s]);
                deviations[s] = d;
            }
            ++sums.steps[best].optimal;
            sums.volume[static_cast<size_t>(k)] += scenario.volume[static_cast<size_t>(k)];
        }
        if (joint) {
            sums.jointLowest += *std::min_element(costs, costs + decisionCount) - m_lowestReference;
            for (size_t p = 0; p < m_pairs.size(); ++p) {
                local.differences[p].add(costs[m_pairs[p].second] - costs[m_pairs[p].first]);
            }
        }
        for (size_t j = 0; j < m_binned.size(); ++j) {
            const double u = scenario.u[m_binned[j]];
            const size_t bin = std::min(static_cast<size_t>(u * static_cast<double>(bins)), bins - 1);
            const size_t cell = j * bins + bin;
            ++sums.binCounts[cell];
            double* row = sums.binSums.data() + cell * decisionCount;
            for (size_t s = 0; s < decisionCount; ++s) {
                row[s] += deviations[s];
            }
        }
        ++sums.finite;
    });
}

void ScenarioStatistics::unrunBlock(std::uint64_t block, std::uint64_t count, Local& local) const {
    m_source.forEach(block, count, false, local.scratch, [&](const ScenarioSource::Scenario& scenario) {
        if (!scenario.finite || !measurable(scenario.costs)) {
            return;
        }
        for (size_t s = 0; s < local.sketches.size(); ++s) {
            local.sketches[s].remove(scenario.costs[s]);
        }
        for (size_t p = 0; p < m_pairs.size(); ++p) {
            local.differences[p].remove(scenario.costs[m_pairs[p].second] - scenario.costs[m_pairs[p].first]);
        }
    });
}

void ScenarioStatistics::addDifferences(std::uint64_t block, std::uint64_t count, int a, int b,
                                        DifferenceHistogram& into, std::vector<double>& scratch) const {
    m_source.forEach(block, count, false, scratch, [&](const ScenarioSource::Scenario& scenario) {
        if (scenario.finite && measurable(scenario.costs)) {
            into.add(scenario.costs[b] - scenario.costs[a]);
        }
    });
}

std::vector<DecisionRow> ScenarioStatistics::rows(int alternative, const Local& merged) const {
    const int first = m_source.offset(alternative);
    std::vector<DecisionRow> rows(static_cast<size_t>(m_source.steps(alternative)));
    const double n = static_cast<double>(m_totals.finite);
    for (int s = 0; s < m_source.steps(alternative); ++s) {
        const size_t d = static_cast<size_t>(first + s);
        const StepSums& t = m_totals.steps[d];
        DecisionRow& row = rows[static_cast<size_t>(s)];
        row.step = s + 1;
        row.eyd = 100.0 * (s + 1);
        if (m_totals.finite == 0) {
            continue;
        }
        row.mean = m_reference[d] + t.sum / n;
        if (m_totals.finite >= 2) {
            const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / n)) / (n - 1));
            row.stddev = std::sqrt(variance);
            row.halfWidth = kZ95 * row.stddev / std::sqrt(n);
        }
        const QuantileSketch& q = merged.sketches[d];
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
    for (int k = 0; k < m_source.alternatives(); ++k) {
        const int first = m_source.offset(k);
        int best = -1;
        double bestMean = 0;
        for (int s = first; s < first + m_source.steps(k); ++s) {
            const StepSums& t = m_totals.steps[static_cast<size_t>(s)];
            if (!(halfWidthOf(t, dn) <= m_settings.target)) {
                return false;
            }
            const double mean = m_reference[static_cast<size_t>(s)] + t.sum / dn;
            if (best < 0 || mean <= bestMean) {
                best = s;
                bestMean = mean;
            }
        }
        if (best < 0) {
            continue;
        }
        const double p = static_cast<double>(m_totals.steps[static_cast<size_t>(best)].optimal) / dn;
        if (!(kZ95 * std::sqrt(p * (1 - p) / dn) <= m_settings.pOptimalHalfWidth)) {
            return false;
        }
    }
    return true;
}

double ScenarioStatistics::worstHalfWidth() const {
    const std::uint64_t n = m_totals.finite;
    if (n < 2) {
        return 0;
    }
    double worst = 0;
    for (const StepSums& t : m_totals.steps) {
        worst = std::max(worst, halfWidthOf(t, static_cast<double>(n)));
    }
    return worst;
}

double ScenarioStatistics::meanVolume(int alternative) const {
    return m_totals.finite == 0
               ? 0
               : m_totals.volume[static_cast<size_t>(alternative)] / static_cast<double>(m_totals.finite);
}

double ScenarioStatistics::jointEvpi(int best) const {
    if (m_totals.finite == 0 || m_source.alternatives() < 2) {
        return kNoFigure;
    }
    // Each scenario's cost at the best decision is at least its cheapest,
    // so this is never below zero but by rounding.
    const double n = static_cast<double>(m_totals.finite);
    const size_t b = static_cast<size_t>(best);
    const double atBest = m_reference[b] + m_totals.steps[b].sum / n;
    return std::max(0.0, atBest - (m_lowestReference + m_totals.jointLowest / n));
}

bool ScenarioStatistics::measurable(const double* costs) const {
    for (size_t s = 0; s < m_reference.size(); ++s) {
        if (!(std::fabs(costs[s] - m_reference[s]) <= kLargestDeviation)) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvale
