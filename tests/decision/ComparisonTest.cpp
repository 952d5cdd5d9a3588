#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "decision/DecisionAnalysis.h"
#include "decision/DifferenceHistogram.h"
#include "decision/ScenarioStatistics.h"
#include "decision/ValueSummary.h"
#include "simulator/RunTestInputs.h"

using namespace quorvale;
using namespace quorvale::test;

namespace {

double nearestRank(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const size_t rank = std::max<size_t>(1, static_cast<size_t>(std::ceil(q * static_cast<double>(v.size()))));
    return v[rank - 1];
}

// The realistic unit: 20-30 mbf/acre, 80 acres, EYD 50 stations, operator
// cost 2500-3500, external speed 700-900, road cost 1200-2000.
InMemoryInputs realisticUnit() {
    InMemoryInputs inputs;
    formatEntries(inputs);
    auto set = [&](int k, const char* low, const char* high) {
        inputs.setEntryText(lowEntry(k), low);
        inputs.setEntryText(highEntry(k), high);
    };
    set(HarvestVolume, "20", "30");
    set(UnitSize, "80", "80");
    set(ExternalYardingDistance, "50", "50");
    set(OperatorCost, "2500", "3500");
    set(ExternalSpeed, "700", "900");
    set(LifeCycleRoadCost, "1200", "2000");
    Repair_Variables(inputs);
    return inputs;
}

DecisionSettings fixedRun(std::uint64_t scenarios, std::uint64_t seed = 7) {
    DecisionSettings s;
    s.seed = seed;
    s.scenarios = scenarios;
    s.threads = 2;
    return s;
}

}  // namespace

// Counts are exact: every percentile is the value of its rank, also for
// differences outside the window around the centre, after values are taken
// back out and after two halves are merged (into windows around different
// centres too).
TEST(DifferenceHistogram, PercentilesOfWholeCentsAddRemoveAndMerge) {
    RandomSource random(9);
    std::vector<double> values;
    DifferenceHistogram whole(2.5), first(2.5), second(-30);
    for (int i = 0; i < 30000; ++i) {
        const double cents = std::round((random.nextUnit() - 0.3) * (i % 10 == 0 ? 2e6 : 2e3));
        const double value = cents / 100;
        values.push_back(value);
        whole.add(value);
        (i % 2 == 0 ? first : second).add(value);
    }
    whole.add(1e200);
    whole.add(-7.5);
    whole.remove(1e200);
    whole.remove(-7.5);
    first.merge(second);
    for (const DifferenceHistogram* h : {&whole, &first}) {
        ASSERT_EQ(h->count(), values.size());
        EXPECT_EQ(h->positive(), static_cast<std::uint64_t>(
                                     std::count_if(values.begin(), values.end(), [](double v) { return v > 0; })));
        EXPECT_EQ(h->negative(), static_cast<std::uint64_t>(
                                     std::count_if(values.begin(), values.end(), [](double v) { return v < 0; })));
        for (double q : {0.0, 0.001, 0.1, 0.5, 0.9, 0.999, 1.0}) {
            EXPECT_EQ(h->quantile(q), nearestRank(values, q)) << q;
        }
    }
    EXPECT_TRUE(std::isnan(DifferenceHistogram().quantile(0.5)));
}

// One unit under both patterns: every scenario draws the same values for
// both, so each side's figures are those of a run of that pattern alone
// with the same seed, and the difference of the recommendations, its
// percentiles and the shares are those of the paired scenarios.
TEST(Comparison, PatternsOnTheSameScenariosMatchTheirOwnRunsAndTheirPairedDifferences) {
    // Inputs 90 % either side of the defaults recommend steps far from the
    // cheapest at the means, whose differences the threads do not keep: the
    // difference is then worked out on a second pass, with the same figures.
    for (const auto& [fraction, eyd] : {std::pair{0.25, "20"}, std::pair{0.9, "40"}}) {
        InMemoryInputs inputs = spreadInputs(fraction, eyd);
        const RunInputs ranges(inputs);
        const DecisionAlternative parallel{ranges, {}, CorridorPattern::Parallel, ""};
        const DecisionAlternative fan{ranges, {}, CorridorPattern::FanShaped, ""};
        const DecisionSettings s = fixedRun(3000);
        const ComparisonResult c = runComparison(parallel, fan, s);
        const DecisionResult alone[2] = {runDecisionAnalysis(parallel, s), runDecisionAnalysis(fan, s)};
        const DecisionResult* sides[2] = {&c.a, &c.b};
        for (int k = 0; k < 2; ++k) {
            ASSERT_EQ(sides[k]->rows.size(), alone[k].rows.size());
            for (size_t i = 0; i < alone[k].rows.size(); ++i) {
                EXPECT_EQ(sides[k]->rows[i].mean, alone[k].rows[i].mean);
                EXPECT_EQ(sides[k]->rows[i].p90, alone[k].rows[i].p90);
                EXPECT_EQ(sides[k]->rows[i].pOptimal, alone[k].rows[i].pOptimal);
            }
            EXPECT_EQ(sides[k]->recommendedStep, alone[k].recommendedStep);
        }
        EXPECT_TRUE(std::all_of(c.shared.begin(), c.shared.end(), [](bool b) { return b; }));
        const ScenarioSource source({&parallel, &fan}, s.seed);
        const ScenarioStatistics statistics(source, s);
        const auto& kept = statistics.pairs();
        const bool keptPair =
            std::find(kept.begin(), kept.end(),
                      std::pair{c.a.recommendedStep - 1, source.offset(1) + c.b.recommendedStep - 1}) != kept.end();
        EXPECT_EQ(keptPair, fraction < 0.5) << fraction;

        std::vector<std::vector<double>> costs[2];
        for (int k = 0; k < 2; ++k) {
            forEachScenario(ranges, k == 0 ? CorridorPattern::Parallel : CorridorPattern::FanShaped, s.seed, 0, 3000,
                            [&](const std::vector<double>& v) { costs[k].push_back(v); });
        }
        ASSERT_EQ(costs[0].size(), c.a.scenarios);
        std::vector<double> d;
        double aCheaper = 0, bCheaper = 0, sum = 0;
        for (size_t i = 0; i < costs[0].size(); ++i) {
            const double x = costs[1][i][c.b.recommendedStep - 1] - costs[0][i][c.a.recommendedStep - 1];
            d.push_back(x);
            sum += x;
            aCheaper += x > 0;
            bCheaper += x < 0;
        }
        const double n = static_cast<double>(d.size());
        EXPECT_NEAR(c.meanDifference, sum / n, 1e-9);
        EXPECT_NEAR(c.p10, nearestRank(d, 0.1), 1e-9);
        EXPECT_NEAR(c.p90, nearestRank(d, 0.9), 1e-9);
        EXPECT_EQ(c.pACheaper, aCheaper / n);
        EXPECT_EQ(c.pBCheaper, bCheaper / n);
        EXPECT_EQ(c.chooseA, c.meanDifference >= 0);
    }
}

// A second unit that holds the same beliefs of a variable draws the same
// value of it in every scenario: with its road cost fixed, its costs are the
// first unit's scenario with only the road cost changed.
TEST(Comparison, SharedVariablesGetTheSameDrawInBothUnits) {
    InMemoryInputs first = spreadInputs(0.2, "15");
    InMemoryInputs second = first;
    second.setEntryText(lowEntry(LifeCycleRoadCost), "1700");
    second.setEntryText(highEntry(LifeCycleRoadCost), "1700");
    Beliefs beliefs;
    beliefs.variables[HarvestVolume] = {30, BeliefShape::Pert};
    beliefs.correlate(HarvestVolume, TurnVolume, 0.5);
    const DecisionAlternative a{RunInputs(first), beliefs, CorridorPattern::FanShaped, "a"};
    const DecisionAlternative b{RunInputs(second), beliefs, CorridorPattern::FanShaped, "b"};
    const ScenarioSource source({&a, &b}, 11);
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        EXPECT_EQ(source.shared()[static_cast<size_t>(i)], RunInputs::drawnVariable(i) != LifeCycleRoadCost) << i;
    }
    const ScenarioDraw draw(a.inputs, beliefs);
    RandomSource random(decisionBlockSeed(11, 3));
    std::vector<double> scratch;
    int scenarios = 0;
    source.forEach(3, 200, false, scratch, [&](const ScenarioSource::Scenario& scenario) {
        float r[RunInputs::kDrawnCount];
        for (float& x : r) {
            x = random.nextUnit();
        }
        ModelInputs m;
        draw.draw(r, m);
        m.roadCostPerStation = 1700;
        m.pattern = CorridorPattern::FanShaped;
        const std::vector<double> expected = sweepCosts(m, 15);
        for (int s = 0; s < 15; ++s) {
            EXPECT_EQ(scenario.costs[source.offset(1) + s], expected[static_cast<size_t>(s)]) << "step " << s + 1;
        }
        ++scenarios;
    });
    EXPECT_EQ(scenarios, 200);

    // A variable linked to one that is not shared is not shared either.
    Beliefs other = beliefs;
    other.variables[TurnVolume] = {420, BeliefShape::Triangular};
    const DecisionAlternative c{RunInputs(first), other, CorridorPattern::FanShaped, "c"};
    const auto shared = sharedVariables(a, c);
    EXPECT_FALSE(shared[0]);  // harvest volume: linked to the turn volume
    EXPECT_FALSE(shared[1]);
    EXPECT_TRUE(shared[2]);
}

// What is worth measuring, worked out by hand from the scenarios: bins of
// equal probability by each variable's uniform number, the best step within
// each bin against the best step overall. A fixed variable is worth exactly
// nothing, and no variable more than knowing everything.
TEST(InformationValue, OneLevelBinningMatchesAWorkingByHand) {
    InMemoryInputs inputs = spreadInputs(0.3, "25");
    inputs.setEntryText(lowEntry(TotalFixedTime), "4");
    inputs.setEntryText(highEntry(TotalFixedTime), "4");
    const RunInputs ranges(inputs);
    DecisionSettings s = fixedRun(4000, 5);
    s.voiBins = 8;
    const DecisionResult r = runDecisionAnalysis(ranges, s);
    ASSERT_EQ(r.voi.size(), 14u);
    ASSERT_EQ(r.nonFinite, 0u);

    // Each scenario's fourteen uniform numbers, in draw order, and its costs.
    std::vector<std::array<float, RunInputs::kDrawnCount>> numbers;
    for (std::uint64_t block = 0; block * kDecisionBlockScenarios < 4000; ++block) {
        RandomSource random(decisionBlockSeed(5, block));
        for (std::uint64_t i = 0; i < kDecisionBlockScenarios && numbers.size() < 4000; ++i) {
            auto& u = numbers.emplace_back();
            for (float& x : u) {
                x = random.nextUnit();
            }
        }
    }
    std::vector<std::vector<double>> costs;
    forEachScenario(ranges, CorridorPattern::Parallel, 5, 0, 4000,
                    [&](const std::vector<double>& c) { costs.push_back(c); });
    const size_t steps = costs[0].size();
    const size_t best = static_cast<size_t>(r.recommendedStep - 1);
    for (const VoiEntry& entry : r.voi) {
        int draw = 0;
        while (RunInputs::drawnVariable(draw) != entry.variable) {
            ++draw;
        }
        if (entry.variable == TotalFixedTime) {
            EXPECT_EQ(entry.evppi, 0);
            continue;
        }
        double gain = 0;
        for (int bin = 0; bin < 8; ++bin) {
            std::vector<double> sums(steps, 0.0);
            for (size_t i = 0; i < costs.size(); ++i) {
                if (static_cast<int>(numbers[i][static_cast<size_t>(draw)] * 8) == bin) {
                    for (size_t st = 0; st < steps; ++st) {
                        sums[st] += costs[i][st];
                    }
                }
            }
            gain += sums[best] - *std::min_element(sums.begin(), sums.end());
        }
        EXPECT_NEAR(entry.evppi, gain / 4000, 1e-9) << entry.option;
        EXPECT_LE(entry.evppi, r.evpi + 1e-12) << entry.option;
        EXPECT_NEAR(entry.evppiDollars, entry.evppi * r.meanVolume, 1e-9 * entry.evppiDollars);
    }
    EXPECT_TRUE(std::is_sorted(r.voi.begin(), r.voi.end(),
                               [](const VoiEntry& x, const VoiEntry& y) { return x.evppi > y.evppi; }));
    EXPECT_GT(r.voi.front().evppi, 0);
}

// On the realistic unit at the default stop, an input given a range of
// 0.1 % of its value is worth less than a cent per mbf to measure (the
// method's upward lean stays below that), and every input at most EVPI.
TEST(InformationValue, ANarrowInputIsWorthAlmostNothingAtTheDefaultStop) {
    InMemoryInputs inputs = realisticUnit();
    inputs.setEntryText(lowEntry(TurnVolume), "400");
    inputs.setEntryText(highEntry(TurnVolume), "400.4");
    DecisionSettings s;
    s.seed = 21;
    s.threads = 2;
    const DecisionResult r = runDecisionAnalysis(RunInputs(inputs), s);
    EXPECT_FALSE(r.capped);
    for (const VoiEntry& entry : r.voi) {
        EXPECT_LE(entry.evppi, r.evpi) << entry.option;
        if (entry.variable == TurnVolume) {
            EXPECT_LT(entry.evppi, 0.01);
        }
        if (entry.variable == HarvestVolume) {
            EXPECT_GT(entry.evppi, 0.01);
        }
    }
}

// Modes, linked inputs, both patterns and what is worth measuring: the same
// seed gives the same figures, bit for bit, on 1, 2 and 7 threads, the
// adaptive stop included.
TEST(Comparison, BeliefsAndComparisonAreTheSameOnAnyThreadCount) {
    InMemoryInputs inputs = spreadInputs(0.25, "20");
    Beliefs beliefs;
    beliefs.variables[HarvestVolume] = {40, BeliefShape::Pert};
    beliefs.variables[OperatorCost] = {2500, BeliefShape::Triangular};
    beliefs.correlate(HarvestVolume, TurnVolume, 0.6);
    beliefs.correlate(OperatorCost, ExternalSpeed, -0.3);
    const DecisionAlternative a{RunInputs(inputs), beliefs, CorridorPattern::Parallel, ""};
    const DecisionAlternative b{RunInputs(inputs), beliefs, CorridorPattern::FanShaped, ""};
    DecisionSettings s;
    s.seed = 3;
    s.target = 1.0;
    s.pOptimalHalfWidth = 0.03;
    std::vector<ComparisonResult> results;
    for (unsigned threads : {1u, 2u, 7u}) {
        s.threads = threads;
        results.push_back(runComparison(a, b, s));
    }
    const ComparisonResult& one = results[0];
    ASSERT_TRUE(one.decided());
    EXPECT_GT(one.a.scenarios, s.minScenarios);
    for (const ComparisonResult& c : results) {
        ASSERT_EQ(c.a.scenarios, one.a.scenarios);
        for (const auto& [x, y] : {std::pair{&c.a, &one.a}, std::pair{&c.b, &one.b}}) {
            for (size_t i = 0; i < x->rows.size(); ++i) {
                EXPECT_TRUE(x->rows[i].mean == y->rows[i].mean && x->rows[i].p10 == y->rows[i].p10 &&
                            x->rows[i].regret == y->rows[i].regret && x->rows[i].pOptimal == y->rows[i].pOptimal);
            }
        }
        EXPECT_TRUE(c.meanDifference == one.meanDifference && c.p10 == one.p10 && c.p90 == one.p90 &&
                    c.pACheaper == one.pACheaper && c.evpi == one.evpi);
        ASSERT_EQ(c.voi.size(), one.voi.size());
        for (size_t i = 0; i < c.voi.size(); ++i) {
            EXPECT_EQ(c.voi[i].variable, one.voi[i].variable);
            EXPECT_EQ(c.voi[i].evppi, one.voi[i].evppi);
            EXPECT_LE(c.voi[i].evppi, c.evpi + 1e-12);
        }
    }
}

// The words of a comparison, whichever side is chosen, with and without
// names, and what is worth measuring against the biggest cost driver.
TEST(Comparison, SentencesSayWhichToChooseHowOftenAndByHowMuch) {
    ComparisonResult c;
    c.a.pattern = CorridorPattern::Parallel;
    c.a.recommendedStep = 15;
    c.b.pattern = CorridorPattern::FanShaped;
    c.b.recommendedStep = 12;
    c.meanDifference = 2.6;
    c.p10 = -1.1;
    c.p90 = 6.9;
    c.pACheaper = 0.71;
    c.pBCheaper = 0.27;
    c.chooseA = true;
    EXPECT_EQ(comparisonSentence(c),
              "Lay out parallel corridors at 15 stations: in 71 % of scenarios they cost less than fan-shaped at 12, "
              "by 2.6 $/mbf on average (P10 \u22121.1, P90 6.9).");
    c.meanDifference = -2.6;
    c.p10 = -6.9;
    c.p90 = 1.1;
    c.chooseA = false;
    c.nameA = "North slope";
    c.nameB = "North slope, fan";
    EXPECT_EQ(comparisonSentence(c),
              "Choose North slope, fan (fan-shaped corridors at 12 stations): in 27 % of scenarios it costs less "
              "than North slope (parallel at 15), by 2.6 $/mbf on average (P10 \u22121.1, P90 6.9).");
    c.meanDifference = kNoFigure;
    EXPECT_FALSE(c.decided());

    Tornado tornado;
    tornado.bars.push_back({4, "operator-cost", 2500, 3500, 120, 162, 1500, 1500, 42});
    const std::vector<VoiEntry> voi{{HarvestVolume, "harvest-volume", 0.088, 175.4},
                                    {OperatorCost, "operator-cost", 0.012, 24}};
    EXPECT_EQ(informationValueSentences(voi, tornado),
              (std::vector<std::string>{"Measure Harvest Volume (mbf/acre) first: knowing it before deciding would "
                                        "save 0.09 $/mbf, $175 for the unit.",
                                        "Operator's Cost ($/day) moves the cost most but hardly changes the choice: "
                                        "knowing it would save 0.01 $/mbf."}));
    EXPECT_EQ(informationValueSentences({{HarvestVolume, "harvest-volume", 0.004, 8}}, tornado).front(),
              "No single input is worth measuring first: knowing any one exactly would save less than 0.01 $/mbf.");
}
