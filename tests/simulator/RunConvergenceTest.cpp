// What a run computes over wide ranges: means that agree with an
// independent long sampling, and no memory that grows with the samples.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "RunTestInputs.h"
#include "ScriptedRunView.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/RunInputs.h"

// The heap figures come from glibc; a sanitizer's allocator keeps its own.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define QUORVALE_HEAP_FIGURES 1
#include <malloc.h>
#endif

using namespace quorvale;
using namespace quorvale::test;

namespace {

// Mean cost per step from plain uniform draws in double precision with a
// different generator: nothing of the run's own machinery.
std::vector<double> referenceMeans(InputVariables& inputs, int steps, int samplesPerStep) {
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    std::mt19937_64 engine(12345);
    std::vector<double> means;
    for (int step = 1; step <= steps; ++step) {
        double sum = 0;
        FanCarry carry;
        for (int i = 0; i < samplesPerStep; ++i) {
            double v[RunInputs::kDrawnCount];
            for (int k = 0; k < RunInputs::kDrawnCount; ++k) {
                const DrawRange& r = ranges.range(k);
                v[k] = std::uniform_real_distribution<double>(r.low, r.high)(engine);
            }
            ModelInputs m;
            m.harvestVolume = v[0];
            m.turnVolume = v[1];
            m.unitSize = v[2];
            m.roadDensityFactor = v[3];
            m.operatorCost = v[4];
            m.externalSpeed = v[5];
            m.fixedTime = v[6];
            m.lateralSpeed = v[7];
            m.productionDelay = v[8];
            m.variableTime = v[9];
            m.fixedCorridorTime = v[10];
            if (v[11] >= v[10]) {
                m.multipleCorridorCorrection = v[10] / 2;
            } else {
                m.multipleCorridorCorrection = v[11];
            }
            m.fixedLandingTime = v[12];
            m.roadCostPerStation = v[13];
            sum += evaluateUncapped(m, step, carry).totalCost;
        }
        means.push_back(sum / samplesPerStep);
    }
    return means;
}

}  // namespace

TEST(MonteCarloRunConvergence, MeansAgreeWithALongIndependentSampling) {
    constexpr double kTarget = 5;
    InMemoryInputs inputs = spreadInputs(0.5, "10");
    HeadlessRunView view(kTarget);
    const RunSummary run = stat_itmain(inputs, view, 17);
    const std::vector<double> reference = referenceMeans(inputs, 10, 200000);

    ASSERT_EQ(run.rows.size(), 10u);
    int withinTarget = 0;
    for (const StepSummary& row : run.rows) {
        const double expected = reference[static_cast<size_t>(row.step - 1)];
        EXPECT_LT(row.halfWidth, kTarget);
        EXPECT_GT(row.samples, 31) << "wide ranges need more than the minimum";
        EXPECT_NEAR(row.mean, expected, 2 * kTarget) << "step " << row.step;
        withinTarget += std::fabs(row.mean - expected) < kTarget ? 1 : 0;
    }
    // A 95 % half-width misses now and then, not often.
    EXPECT_GE(withinTarget, 8);
}

TEST(MonteCarloRunConvergence, SamplingAllocatesNothing) {
#ifdef QUORVALE_HEAP_FIGURES
    InMemoryInputs inputs = spreadInputs(0.5, "1");
    ScriptedRunView view;
    view.yieldAfterEverySample = false;
    view.keepShown = false;
    constexpr long long kSamples = 200000;
    size_t inUseAtFirst = 0;
    size_t inUseAtLast = 0;
    auto inUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    };
    view.targetAfter = [&](long long n) {
        if (n == 1) {
            inUseAtFirst = inUse();
        } else if (n == kSamples) {
            inUseAtLast = inUse();
        }
        return n < kSamples ? 1e-12 : 1e12;
    };
    const RunSummary run = stat_itmain(inputs, view, 1);
    ASSERT_EQ(run.rows.at(0).samples, kSamples);
    EXPECT_NE(inUseAtFirst, 0u);
    EXPECT_EQ(inUseAtLast, inUseAtFirst);
#else
    GTEST_SKIP() << "heap figures need glibc's own allocator";
#endif
}
