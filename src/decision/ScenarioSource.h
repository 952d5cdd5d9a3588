#pragma once
// The scenarios of a decision analysis, for one alternative or two compared
// on the same draws.
//
// Scenarios are drawn in fixed blocks of kDecisionBlockScenarios, block b
// from its own generator stream, RandomSource(decisionBlockSeed(seed, b)):
// a scenario takes fourteen uniform numbers in the draw order, each
// alternative turns them into its inputs (ScenarioDraw) and is evaluated at
// its steps 1..N. The same seed thus gives the same scenarios whatever the
// number of threads that evaluate the blocks, and one alternative alone is
// drawn exactly as RunInputs::draw draws.
//
// A second alternative takes the first's number for every variable it
// shares with it: the same Low, High, mode and shape, and the same
// correlations with variables that are shared too. So a variable both
// alternatives hold the same belief of has the same value in both, in every
// scenario. For the others it draws numbers of its own from a second stream.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "decision/DecisionResult.h"
#include "decision/ScenarioDraw.h"
#include "decision/ScenarioEvaluator.h"

namespace quorvale {

inline constexpr std::uint64_t kDecisionBlockScenarios = 1024;
std::uint64_t decisionBlockSeed(std::uint64_t seed, std::uint64_t block);

class ScenarioSource {
public:
    static constexpr int kMostAlternatives = 2;

    // The alternatives must outlive the source; their correlations must form
    // a valid copula (checked before).
    ScenarioSource(const std::vector<const DecisionAlternative*>& alternatives, std::uint64_t seed);

    int alternatives() const { return static_cast<int>(m_alternatives.size()); }
    const DecisionAlternative& alternative(int k) const { return *m_alternatives[static_cast<size_t>(k)].source; }
    int steps(int k) const { return m_alternatives[static_cast<size_t>(k)].evaluator.steps(); }
    // Where alternative k's steps start among all decisions (every
    // alternative's steps, one after another).
    int offset(int k) const { return m_alternatives[static_cast<size_t>(k)].offset; }
    int decisions() const { return m_decisions; }
    // Whether the second alternative shares the first's number for each
    // variable in draw order (all true with one alternative).
    const std::array<bool, RunInputs::kDrawnCount>& shared() const { return m_shared; }

    struct Scenario {
        bool finite = false;                             // every figure of every step finite
        const double* costs = nullptr;                   // decisions() costs
        const double* u = nullptr;                       // the first alternative's own probabilities (when asked for)
        std::array<double, kMostAlternatives> volume{};  // mbf of the unit in each alternative
    };

    // Draws and evaluates scenarios [0, count) of a block, in order, and
    // hands each to visit(const Scenario&). `scratch` is room for the costs;
    // with `withProbabilities` each scenario also carries u.
    template <class Visit>
    void forEach(std::uint64_t block, std::uint64_t count, bool withProbabilities, std::vector<double>& scratch,
                 Visit&& visit) const {
        RandomSource random(decisionBlockSeed(m_seed, block));
        std::optional<RandomSource> own;
        if (m_ownNumbers) {
            own.emplace(decisionBlockSeed(m_seed ^ kOwnStream, block));
        }
        scratch.resize(static_cast<size_t>(m_decisions));
        float r[RunInputs::kDrawnCount];
        float second[RunInputs::kDrawnCount];
        double u[RunInputs::kDrawnCount];
        Scenario scenario;
        scenario.costs = scratch.data();
        scenario.u = withProbabilities ? u : nullptr;
        for (std::uint64_t i = 0; i < count; ++i) {
            for (float& x : r) {
                x = random.nextUnit();
            }
            if (own) {
                for (int v = 0; v < RunInputs::kDrawnCount; ++v) {
                    const float x = own->nextUnit();
                    second[v] = m_shared[static_cast<size_t>(v)] ? r[v] : x;
                }
            }
            scenario.finite = true;
            for (size_t k = 0; k < m_alternatives.size() && scenario.finite; ++k) {
                const Alternative& a = m_alternatives[k];
                ModelInputs m;
                a.draw.draw(k == 0 || !own ? r : second, m, k == 0 && withProbabilities ? u : nullptr);
                scenario.volume[k] = m.harvestVolume * m.unitSize;
                scenario.finite = a.evaluator.evaluate(m, scratch.data() + a.offset);
            }
            visit(scenario);
        }
    }

private:
    static constexpr std::uint64_t kOwnStream = 0x5be0cd19137e2179ULL;

    struct Alternative {
        const DecisionAlternative* source;
        ScenarioDraw draw;
        ScenarioEvaluator evaluator;
        int offset;
    };

    std::vector<Alternative> m_alternatives;
    std::uint64_t m_seed;
    int m_decisions = 0;
    std::array<bool, RunInputs::kDrawnCount> m_shared{};
    bool m_ownNumbers = false;
};

// Whether two alternatives hold the same belief of each variable in draw
// order: the same Low and High, mode and shape, and the same correlations,
// with shared variables only.
std::array<bool, RunInputs::kDrawnCount> sharedVariables(const DecisionAlternative& a, const DecisionAlternative& b);

// The total costs of scenarios [first, first + count) of a run with this
// seed, exactly as the analysis evaluates them: visit(costs) gets the N
// costs of every scenario whose figures are all finite, in scenario order.
// For measuring the percentile estimate against exact percentiles.
void forEachScenario(const RunInputs& inputs, CorridorPattern pattern, std::uint64_t seed, std::uint64_t first,
                     std::uint64_t count, const std::function<void(const std::vector<double>& costs)>& visit);

}  // namespace quorvale
