#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "simulator/StepStatistics.h"

using namespace quorvale;

namespace {

struct Reference {
    double mean;
    double variance;  // sample variance, n - 1 in the denominator
};

Reference twoPass(const std::vector<double>& xs) {
    double sum = 0;
    for (double x : xs) {
        sum += x;
    }
    const double mean = sum / static_cast<double>(xs.size());
    double squares = 0;
    for (double x : xs) {
        squares += (x - mean) * (x - mean);
    }
    return {mean, xs.size() > 1 ? squares / static_cast<double>(xs.size() - 1) : 0};
}

}  // namespace

TEST(StepStatistics, RunningFiguresMatchTheSampleMeanAndVariance) {
    const std::vector<double> costs = {212.5, 198.25, 305.1, 187.0, 240.75, 199.99, 260.0, 222.22, 230.5, 201.0};
    StepStatistics s;
    std::vector<double> seen;
    for (double x : costs) {
        s.add(x);
        seen.push_back(x);
        const Reference ref = twoPass(seen);
        EXPECT_NEAR(s.mean(), ref.mean, 1e-9);
        EXPECT_NEAR(s.variance(), ref.variance, 1e-8);
        EXPECT_EQ(s.count(), static_cast<std::int64_t>(seen.size()));
        EXPECT_EQ(s.latestIndex(), static_cast<std::int64_t>(seen.size()) - 1);
        if (seen.size() >= 2) {
            // 1.96 standard deviations over the root of the sample index.
            EXPECT_NEAR(s.halfWidth(), 1.96 * std::sqrt(ref.variance) / std::sqrt(seen.size() - 1.0), 1e-9);
        }
        EXPECT_NEAR(s.previousMean(), seen.size() == 1 ? x : twoPass({seen.begin(), seen.end() - 1}).mean, 1e-9);
    }
    EXPECT_EQ(s.minimum(), 187.0);
    EXPECT_EQ(s.maximum(), 305.1);
}

TEST(StepStatistics, FirstSampleSetsMeanAndBothExtremes) {
    for (double x : {250000.0, 0.42}) {  // beyond 100000, below 1
        StepStatistics s;
        s.add(x);
        EXPECT_EQ(s.mean(), x);
        EXPECT_EQ(s.minimum(), x);
        EXPECT_EQ(s.maximum(), x);
        EXPECT_EQ(s.variance(), 0);
        EXPECT_EQ(s.halfWidth(), StepStatistics::kStartHalfWidth);
    }
}

TEST(StepStatistics, TargetCountsOnlyFromThe31stSampleAndOnlyWhenPassed) {
    StepStatistics s;
    for (int i = 0; i < 30; ++i) {
        s.add(100);
        EXPECT_FALSE(s.targetReached(5)) << "after sample " << i + 1;
    }
    s.add(100);
    EXPECT_EQ(s.halfWidth(), 0);
    EXPECT_TRUE(s.targetReached(5));
    EXPECT_TRUE(s.targetReached(1e-300));
    // A half-width equal to the target asks for another sample; a target
    // that is not a positive number is never passed.
    EXPECT_FALSE(s.targetReached(0));
    EXPECT_FALSE(s.targetReached(-5));
    EXPECT_FALSE(s.targetReached(std::numeric_limits<double>::quiet_NaN()));
}

// Costs too far apart for the variance (the square of their spread
// overflows) keep their true standard deviation, which still fits, and
// such a step never counts as having met its target.
TEST(StepStatistics, CostsTooFarApartForTheVarianceKeepTheirSpread) {
    StepStatistics s;
    const double low = 1e300;
    const double high = 1.7e308;
    s.add(low);
    s.add(high);  // the squared change of the mean overflows
    EXPECT_TRUE(std::isfinite(s.mean()));
    EXPECT_EQ(s.maximum(), high);
    for (int i = 0; i < 40; ++i) {
        s.add(i % 2 == 0 ? low : high);
    }
    // 21 of each: the sample standard deviation is half the gap times
    // sqrt(42 / 41).
    EXPECT_NEAR(s.stddev() / ((high - low) / 2 * std::sqrt(42.0 / 41.0)), 1, 1e-12);
    EXPECT_TRUE(std::isfinite(s.halfWidth()));
    EXPECT_FALSE(s.targetReached(1e307));

    // Costs a thousandfold apart near 1e304: the variance overflowed and
    // stood at 0, and the step met any target after 31 samples.
    StepStatistics wide;
    for (int i = 0; i < 31; ++i) {
        wide.add(i % 2 == 0 ? 1e302 : 1e305);
    }
    EXPECT_GT(wide.stddev(), 1e304);
    EXPECT_FALSE(wide.targetReached(5));
}

TEST(StepStatistics, NeedsNoStoragePerSample) {
    // Everything a step keeps is a handful of numbers, whatever its length.
    static_assert(sizeof(StepStatistics) <= 8 * sizeof(double));
    StepStatistics s;
    for (int i = 0; i < 1000000; ++i) {
        s.add(i % 2 == 0 ? 90.0 : 110.0);
    }
    EXPECT_NEAR(s.mean(), 100, 1e-9);
    EXPECT_NEAR(s.stddev(), 10, 1e-4);
    EXPECT_EQ(s.count(), 1000000);
}
