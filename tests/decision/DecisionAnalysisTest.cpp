#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "simulator/RunTestInputs.h"
#include "decision/DecisionAnalysis.h"

using namespace quorvale;
using namespace quorvale::test;

namespace {

// The analysis worked out scenario by scenario, straight from the draw
// rule: each scenario draws once and sweeps steps 1..N with its own carry.
struct Expected {
    std::uint64_t finite = 0, nonFinite = 0;
    std::vector<double> mean, regret, pOptimal;
    std::vector<std::vector<double>> costs;  // per step
};

Expected byHand(const RunInputs& ranges, CorridorPattern pattern, std::uint64_t seed, std::uint64_t count) {
    const int steps = stepCount(ranges.highEydFeet());
    Expected e;
    e.mean.assign(steps, 0);
    e.regret.assign(steps, 0);
    e.pOptimal.assign(steps, 0);
    e.costs.resize(steps);
    RandomSource random(0);
    for (std::uint64_t i = 0; i < count; ++i) {
        if (i % kDecisionBlockScenarios == 0) {
            random = RandomSource(decisionBlockSeed(seed, i / kDecisionBlockScenarios));
        }
        ModelInputs m;
        ranges.draw(random, m);
        m.pattern = pattern;
        FanCarry carry;
        std::vector<double> c;
        bool finite = true;
        for (int step = 1; step <= steps && finite; ++step) {
            const YardingResult r = evaluateUncapped(m, step, carry);
            finite = isFinite(r);
            c.push_back(r.totalCost);
        }
        if (!finite) {
            ++e.nonFinite;
            continue;
        }
        ++e.finite;
        int best = 0;
        for (int s = 0; s < steps; ++s) {
            best = c[s] <= c[best] ? s : best;
            e.costs[s].push_back(c[s]);
        }
        e.pOptimal[best] += 1;
        for (int s = 0; s < steps; ++s) {
            e.mean[s] += c[s];
            e.regret[s] += c[s] - c[best];
        }
    }
    for (int s = 0; s < steps; ++s) {
        e.mean[s] /= e.finite;
        e.regret[s] /= e.finite;
        e.pOptimal[s] /= e.finite;
    }
    return e;
}

double nearestRank(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const size_t rank = std::max<size_t>(1, static_cast<size_t>(std::ceil(q * v.size())));
    return v[rank - 1];
}

void expectMatches(const DecisionResult& r, const Expected& e) {
    ASSERT_EQ(r.scenarios, e.finite);
    ASSERT_EQ(r.nonFinite, e.nonFinite);
    ASSERT_EQ(r.rows.size(), e.mean.size());
    for (size_t s = 0; s < r.rows.size(); ++s) {
        const DecisionRow& row = r.rows[s];
        EXPECT_NEAR(row.mean, e.mean[s], 1e-9 * e.mean[s]) << "step " << s + 1;
        EXPECT_NEAR(row.regret, e.regret[s], 1e-9 * e.mean[s]) << "step " << s + 1;
        EXPECT_DOUBLE_EQ(row.pOptimal, e.pOptimal[s]) << "step " << s + 1;
        for (const auto& [q, got] : {std::pair{0.1, row.p10}, {0.5, row.p50}, {0.9, row.p90}}) {
            const double exact = nearestRank(e.costs[s], q);
            EXPECT_NEAR(got, exact, exact / 1000) << "step " << s + 1 << " q " << q;
        }
    }
    EXPECT_NEAR(r.evpi, r.rows[r.recommendedStep - 1].regret, 1e-12);
    EXPECT_GE(r.evpi, 0);
}

DecisionSettings fixedRun(CorridorPattern pattern, std::uint64_t scenarios, std::uint64_t seed = 7) {
    DecisionSettings s;
    s.pattern = pattern;
    s.seed = seed;
    s.scenarios = scenarios;
    s.threads = 1;
    return s;
}

}  // namespace

// Each scenario is drawn once and swept over every step with its own carry,
// so pOptimal and regret compare costs of the same draw; a partial last
// block keeps the count exact.
TEST(DecisionAnalysis, PairedFanShapedScenariosMatchAWorkingByHand) {
    for (CorridorPattern pattern : {CorridorPattern::FanShaped, CorridorPattern::Parallel}) {
        InMemoryInputs inputs = spreadInputs(0.3, "12", pattern);
        const RunInputs ranges(inputs);
        const DecisionResult r = runDecisionAnalysis(ranges, fixedRun(pattern, 2500));
        EXPECT_EQ(r.scenarios + r.nonFinite, 2500u);
        EXPECT_EQ(r.steps, 12);
        expectMatches(r, byHand(ranges, pattern, 7, 2500));
    }
}

TEST(DecisionAnalysis, ScenariosWithOverflowingFiguresAreCountedAndLeftOut) {
    InMemoryInputs inputs = spreadInputs(0.2, "6");
    // Beyond about 4e302 acres the unit's volume in pounds overflows.
    inputs.setEntryText(lowEntry(UnitSize), "1");
    inputs.setEntryText(highEntry(UnitSize), "8e302");
    const RunInputs ranges(inputs);
    const DecisionResult r = runDecisionAnalysis(ranges, fixedRun(CorridorPattern::Parallel, 1500));
    EXPECT_GT(r.nonFinite, 300u);
    EXPECT_GT(r.scenarios, 300u);
    expectMatches(r, byHand(ranges, CorridorPattern::Parallel, 7, 1500));
    for (const DecisionRow& row : r.rows) {
        EXPECT_TRUE(std::isfinite(row.mean) && std::isfinite(row.stddev) && std::isfinite(row.p90));
    }
    // At its High the unit size has no finite cost at any step (the others
    // at their averages, so at half its High, have one): that side
    // has no minimum (not a cost of 0), the bar comes first and the summary
    // names the entry.
    inputs.setEntryText(highEntry(UnitSize), "6e302");
    const Tornado tornado = computeTornado(RunInputs(inputs), CorridorPattern::Parallel);
    const TornadoBar& first = tornado.bars.front();
    EXPECT_EQ(first.variable, "unit-size");
    EXPECT_TRUE(first.hasLow() && !first.hasHigh() && !first.complete());
    EXPECT_TRUE(
        std::all_of(tornado.bars.begin() + 1, tornado.bars.end(), [](const TornadoBar& b) { return b.complete(); }));
    EXPECT_TRUE(tornado.hasBase());
    DecisionResult withTornado = r;
    withTornado.tornado = tornado;
    const std::string summary = decisionSummary(withTornado);
    EXPECT_NE(summary.find("With Unit Size (acres) at its High, no EYD has a finite cost"), std::string::npos)
        << summary;
    EXPECT_NE(summary.find("moves the cost most"), std::string::npos) << summary;
}

// Equal Low and High: every scenario is the static sweep, so the means are
// its costs, the band is worked out from them, and nothing is left to learn.
TEST(DecisionAnalysis, FixedInputsGiveTheStaticSweepItsBandAndNoEvpi) {
    InMemoryInputs inputs = defaultInputs("40", CorridorPattern::Parallel);
    const std::vector<double> costs = staticCosts(inputs, 40, CorridorPattern::Parallel);
    DecisionSettings s = fixedRun(CorridorPattern::Parallel, 100);
    s.bandTolerance = 0.02;
    const DecisionResult r = runDecisionAnalysis(RunInputs(inputs), s);
    size_t best = 0;
    for (size_t i = 0; i < costs.size(); ++i) {
        EXPECT_EQ(r.rows[i].mean, costs[i]);
        EXPECT_EQ(r.rows[i].stddev, 0);
        best = costs[i] <= costs[best] ? i : best;
    }
    size_t from = best, to = best;
    while (from > 0 && costs[from - 1] <= costs[best] * 1.02)
        --from;
    while (to + 1 < costs.size() && costs[to + 1] <= costs[best] * 1.02)
        ++to;
    ASSERT_LT(from, to);  // the case must show a band wider than one step
    EXPECT_EQ(r.recommendedStep, static_cast<int>(best) + 1);
    EXPECT_EQ(r.bandFromEyd, 100.0 * (from + 1));
    EXPECT_EQ(r.bandToEyd, 100.0 * (to + 1));
    EXPECT_EQ(r.evpi, 0);
    EXPECT_EQ(r.rows[best].pOptimal, 1);
    EXPECT_EQ(r.tornado.baseMinCost, costs[best]);
    EXPECT_EQ(r.tornado.baseEyd, 100.0 * (best + 1));
}

// A unit whose two cheapest steps cost the same: the longer EYD wins, in
// the recommendation, in pOptimal and in the tornado.
TEST(DecisionAnalysis, TiesGoToTheLongerEyd) {
    bool found = false;
    for (int roadCost = 1000; roadCost < 3000 && !found; roadCost += 7) {
        InMemoryInputs inputs = defaultInputs("40", CorridorPattern::Parallel);
        inputs.setEntryText(lowEntry(LifeCycleRoadCost), std::to_string(roadCost));
        inputs.setEntryText(highEntry(LifeCycleRoadCost), std::to_string(roadCost));
        const std::vector<double> costs = staticCosts(inputs, 40, CorridorPattern::Parallel);
        const double lowest = *std::min_element(costs.begin(), costs.end());
        if (std::count(costs.begin(), costs.end(), lowest) < 2) {
            continue;
        }
        found = true;
        const size_t last =
            static_cast<size_t>(std::find(costs.rbegin(), costs.rend(), lowest).base() - costs.begin()) - 1;
        const DecisionResult r = runDecisionAnalysis(RunInputs(inputs), fixedRun(CorridorPattern::Parallel, 50));
        EXPECT_EQ(r.recommendedEyd, 100.0 * (last + 1));
        EXPECT_EQ(r.rows[last].pOptimal, 1);
        EXPECT_EQ(r.tornado.baseEyd, 100.0 * (last + 1));
        for (const TornadoBar& bar : r.tornado.bars) {
            EXPECT_EQ(bar.eydAtLow, 100.0 * (last + 1)) << bar.variable;
        }
    }
    ASSERT_TRUE(found) << "no road cost gave a tie";
}

// The same seed gives the same figures, bit for bit, on 1, 2 or 7 threads,
// adaptive stop included; EVPI is never negative.
TEST(DecisionAnalysis, ThreadCountDoesNotChangeTheResult) {
    InMemoryInputs inputs = spreadInputs(0.25, "20", CorridorPattern::FanShaped);
    const RunInputs ranges(inputs);
    DecisionSettings s;
    s.pattern = CorridorPattern::FanShaped;
    s.seed = 42;
    s.target = 1.0;
    s.pOptimalHalfWidth = 0.03;
    std::vector<DecisionResult> results;
    for (unsigned threads : {1u, 2u, 7u}) {
        s.threads = threads;
        results.push_back(runDecisionAnalysis(ranges, s));
        EXPECT_EQ(results.back().threads, threads);
        EXPECT_GE(results.back().evpi, 0);
        EXPECT_FALSE(results.back().capped);
    }
    const DecisionResult& one = results[0];
    EXPECT_GT(one.scenarios, s.minScenarios);
    for (const DecisionResult& r : results) {
        ASSERT_EQ(r.scenarios, one.scenarios);
        ASSERT_EQ(r.rows.size(), one.rows.size());
        for (size_t i = 0; i < r.rows.size(); ++i) {
            const DecisionRow &a = r.rows[i], &b = one.rows[i];
            EXPECT_TRUE(a.mean == b.mean && a.stddev == b.stddev && a.halfWidth == b.halfWidth && a.p10 == b.p10 &&
                        a.p50 == b.p50 && a.p90 == b.p90 && a.pOptimal == b.pOptimal && a.regret == b.regret)
                << "step " << i + 1;
        }
        EXPECT_EQ(r.recommendedEyd, one.recommendedEyd);
        EXPECT_EQ(r.evpi, one.evpi);
        EXPECT_EQ(decisionSummary(r), decisionSummary(one));
    }
    // The stopping rule held when it stopped.
    for (const DecisionRow& row : one.rows) {
        EXPECT_LE(row.halfWidth, s.target);
    }
}

// Each variable at Low and at High with the others at their averages; the
// bars are sorted by swing, equal swings in draw order.
TEST(DecisionAnalysis, TornadoMovesOneVariableAtATime) {
    InMemoryInputs inputs = spreadInputs(0.2, "25", CorridorPattern::Parallel);
    // Equal Low and High for the fixed time: a bar of no swing.
    inputs.setEntryText(lowEntry(TotalFixedTime), "4");
    inputs.setEntryText(highEntry(TotalFixedTime), "4");
    const RunInputs ranges(inputs);
    const Tornado t = computeTornado(ranges, CorridorPattern::Parallel);
    ASSERT_EQ(t.bars.size(), 14u);
    for (size_t i = 0; i < t.bars.size(); ++i) {
        const TornadoBar& bar = t.bars[i];
        auto minimum = [&](double value) {
            ModelInputs m = ranges.midpoints();
            RunInputs::setDrawn(m, bar.drawIndex, value);
            if (bar.variable == "fixed-corridor-time") {
                m.multipleCorridorCorrection = (ranges.range(11).low + ranges.range(11).high) / 2;
            }
            if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
                m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
            }
            FanCarry carry;
            std::pair<double, double> best{1e300, 0};
            for (int step = 1; step <= 25; ++step) {
                const double c = evaluateUncapped(m, step, carry).totalCost;
                if (c <= best.first)
                    best = {c, 100.0 * step};
            }
            return best;
        };
        EXPECT_EQ(std::pair(bar.costAtLow, bar.eydAtLow), minimum(ranges.range(bar.drawIndex).low)) << bar.variable;
        EXPECT_EQ(std::pair(bar.costAtHigh, bar.eydAtHigh), minimum(ranges.range(bar.drawIndex).high)) << bar.variable;
        EXPECT_EQ(bar.swing, std::fabs(bar.costAtHigh - bar.costAtLow));
        if (i > 0) {
            const TornadoBar& before = t.bars[i - 1];
            EXPECT_TRUE(before.swing > bar.swing || (before.swing == bar.swing && before.drawIndex < bar.drawIndex));
        }
    }
    const auto fixedTime =
        std::find_if(t.bars.begin(), t.bars.end(), [](const TornadoBar& b) { return b.variable == "fixed-time"; });
    ASSERT_NE(fixedTime, t.bars.end());
    EXPECT_EQ(fixedTime->swing, 0);
    EXPECT_GT(t.bars.front().swing, 1);
}

// A stop asked for mid-run keeps the scenarios of the blocks folded so far:
// their figures are those of exactly that many scenarios, percentiles too
// (blocks evaluated beyond the stop are taken back out of the sketches).
TEST(DecisionAnalysis, CancelKeepsTheScenariosSoFar) {
    InMemoryInputs inputs = spreadInputs(0.3, "8", CorridorPattern::FanShaped);
    const RunInputs ranges(inputs);
    DecisionSettings s = fixedRun(CorridorPattern::FanShaped, 50'000'000);
    s.threads = 2;
    std::atomic<bool> cancel{false};
    const DecisionResult r = runDecisionAnalysis(ranges, s, &cancel, [&](const DecisionProgress& p) {
        EXPECT_TRUE(p.fraction >= 0 && p.fraction <= 1);
        cancel = true;
    });
    EXPECT_TRUE(r.stopped);
    EXPECT_FALSE(r.capped);
    ASSERT_GT(r.scenarios, 0u);
    ASSERT_LT(r.scenarios, 10'000'000u);
    EXPECT_EQ(r.scenarios % kDecisionBlockScenarios, 0u);
    expectMatches(r, byHand(ranges, CorridorPattern::FanShaped, 7, r.scenarios));

    cancel = true;  // before the first block: nothing, and nothing that is not a number
    const DecisionResult none = runDecisionAnalysis(ranges, s, &cancel);
    EXPECT_TRUE(none.stopped);
    EXPECT_EQ(none.scenarios, 0u);
    EXPECT_EQ(none.recommendedStep, 0);
    for (const DecisionRow& row : none.rows) {
        EXPECT_EQ(row.mean, 0);
        EXPECT_EQ(row.p50, 0);
    }
}
