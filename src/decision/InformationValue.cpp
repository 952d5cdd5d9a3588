// What is worth measuring: the expected value of partial perfect
// information of each variable, by the one-level method of Strong and
// Oakley (2013). The scenarios are put into bins of equal probability of the
// variable's own distribution (by the probability its draw came from); in
// each bin the best decision for the scenarios of that bin is taken. What
// that gains over the one best decision for all scenarios, weighted by the
// bins' shares, is what knowing the variable before deciding is worth.
//
// Only sums per bin and decision are kept, so memory does not grow with the
// scenarios. Within a bin the estimate takes the best of noisy means, so it
// leans upwards by the noise left in the bins: docs/performance.md gives
// the size of that lean.

#include <algorithm>

#include "decision/ScenarioStatistics.h"

namespace quorvale {

std::vector<VoiEntry> ScenarioStatistics::informationValue(int best, double volume) const {
    std::vector<VoiEntry> entries;
    const double n = static_cast<double>(m_totals.finite);
    const size_t decisionCount = static_cast<size_t>(decisions());
    const size_t bins = static_cast<size_t>(m_bins);
    const size_t b = static_cast<size_t>(best);
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        VoiEntry entry;
        entry.variable = RunInputs::drawnVariable(i);
        entry.option = std::string(variableRule(entry.variable).option);
        const auto binned = std::find(m_binned.begin(), m_binned.end(), i);
        if (binned != m_binned.end() && m_totals.finite > 0) {
            const size_t j = static_cast<size_t>(binned - m_binned.begin());
            double gain = 0;
            for (size_t bin = 0; bin < bins; ++bin) {
                const size_t cell = j * bins + bin;
                const double count = static_cast<double>(m_totals.binCounts[cell]);
                const double* sums = m_totals.binSums.data() + cell * decisionCount;
                // What the bin's best decision saves against the overall
                // best one, over the bin's scenarios: never below 0, as the
                // overall best is among those compared.
                double most = 0;
                for (size_t d = 0; d < decisionCount; ++d) {
                    most = std::max(most, count * (m_reference[b] - m_reference[d]) + (sums[b] - sums[d]));
                }
                gain += most;
            }
            entry.evppi = gain / n;
        }
        entry.evppiDollars = entry.evppi * volume;
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const VoiEntry& x, const VoiEntry& y) { return x.evppi > y.evppi; });
    return entries;
}

}  // namespace quorvale
