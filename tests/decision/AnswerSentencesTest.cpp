// The sentences around the decision analysis's answer, and the steps a
// simulation cannot tell from its optimum.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "decision/AnswerSentences.h"
#include "decision/DecisionSummary.h"
#include "decision/StepOverlap.h"

using namespace quorvale;

namespace {

// Five steps; the lowest mean at step 3, the cheapest most often step 4.
DecisionResult fiveSteps() {
    DecisionResult r;
    r.steps = 5;
    r.scenarios = 2000;
    r.nonFinite = 48;
    const double means[] = {180, 150, 140, 141, 145};
    const double shares[] = {0, 0.1, 0.3, 0.35, 0.25};
    for (int s = 0; s < 5; ++s) {
        DecisionRow row;
        row.step = s + 1;
        row.eyd = 100.0 * (s + 1);
        row.mean = means[s];
        row.pOptimal = shares[s];
        r.rows.push_back(row);
    }
    r.recommendedStep = 3;
    r.recommendedEyd = 300;
    r.recommendedMean = 140;
    r.bandTolerance = 0.01;
    r.bandFromEyd = 300;
    r.bandToEyd = 400;
    r.evpi = 1.25;
    return r;
}

}  // namespace

TEST(AnswerSentences, SayHowOftenTheAnswerIsTheCheapestAndWhenToWidenTheSweep) {
    DecisionResult r = fiveSteps();
    EXPECT_EQ(cheapestSentence(r),
              "It is the cheapest EYD in 30.0 % of the scenarios; 4 stations is the cheapest most often, in 35.0 %.");
    r.rows[2].pOptimal = 0.4;
    r.rows[3].pOptimal = 0.25;
    EXPECT_EQ(cheapestSentence(r),
              "It is the cheapest EYD in 40.0 % of the scenarios; no other is the cheapest more often.");
    EXPECT_FALSE(atLargestEyd(r));
    r.recommendedStep = 5;
    EXPECT_TRUE(atLargestEyd(r));
    EXPECT_NE(decisionSummary(r).find("widen the High EYD"), std::string::npos);

    // Without plan terms the EVPI is in $/mbf only.
    EXPECT_EQ(evpiSentence(r), "Knowing the inputs exactly would save 1.25 $/mbf.");
    r.plan = PlanTerms{};
    r.plan->evpiDollars = 2500;
    EXPECT_EQ(evpiSentence(r), "Knowing the inputs exactly would save 1.25 $/mbf, $2,500 for the unit.");
}

TEST(AnswerSentences, AStoppedRunsSummaryBeginsBySayingItIsNotFinal) {
    DecisionResult r = fiveSteps();
    EXPECT_EQ(decisionSummary(r).rfind("Lay out at 3 stations", 0), 0u);
    r.stopped = true;
    EXPECT_EQ(decisionSummary(r).rfind("Stopped after 2048 scenarios; not final", 0), 0u) << decisionSummary(r);
    r.recommendedStep = 0;
    r.scenarios = 0;
    EXPECT_EQ(decisionSummary(r).rfind("Stopped after 48 scenarios; not final", 0), 0u) << decisionSummary(r);
}

TEST(AnswerSentences, FollowTheDecisionAnalysisAndPlaceTheSimulationsOptimum) {
    DecisionResult r = fiveSteps();
    SimulationOptimum optimum;
    optimum.eyd = 400;
    EXPECT_EQ(followSentence(r, optimum),
              "Follow the decision analysis, which compares every EYD on the same scenarios: lay out at 3 stations; "
              "the simulation's optimum, 4 stations, lies inside its band of 3 to 4 stations.");
    optimum.eyd = 500;
    EXPECT_NE(followSentence(r, optimum).find("optimum, 5 stations, lies outside its band of 3 to 4 stations."),
              std::string::npos);
}

// Overlap is |mean - optimum's mean| <= both half-widths together; a far
// step with a wide interval counts too, a step without figures does not.
TEST(StepOverlap, TakesEveryStepWhoseIntervalMeetsTheOptimums) {
    RunSummary run;
    const double means[] = {300, 150, 140, 130, 133, 160, std::nan(""), 170};
    const double halves[] = {1, 2, 2, 1, 2.5, 1, 1, 50};
    for (int s = 0; s < 8; ++s) {
        StepSummary row;
        row.step = s + 1;
        row.eyd = 100.0 * (s + 1);
        row.samples = 31;
        row.mean = means[s];
        row.halfWidth = halves[s];
        run.rows.push_back(row);
    }
    EXPECT_FALSE(overlappingSteps(run));
    run.optimum = SimulationOptimum{130, 400, {}};
    const auto overlap = overlappingSteps(run);
    ASSERT_TRUE(overlap);
    EXPECT_EQ(overlap->optimumEyd, 400);
    EXPECT_EQ(overlap->fromEyd, 400);
    EXPECT_EQ(overlap->toEyd, 800);
    // Just apart: 133 lies 3 from 130, beyond 2.5 + 0.4; 170 lies 40 away.
    run.rows[3].halfWidth = 0.4;
    run.rows[7].halfWidth = 39.5;
    const auto apart = overlappingSteps(run);
    EXPECT_EQ(apart->fromEyd, 400);
    EXPECT_EQ(apart->toEyd, 400);
}
