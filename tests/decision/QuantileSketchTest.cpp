#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "decision/QuantileSketch.h"
#include "simulator/RandomSource.h"

using namespace quorvale;

// Values on both sides of zero, zeros, and magnitudes far outside the array
// around the centre: every percentile is within the stated accuracy of the
// value of its rank, halves merge into the same sketch in either order, and
// a removed value leaves no trace.
TEST(QuantileSketch, PercentilesMergeAndRemovalOverTheWholeRange) {
    RandomSource random(3);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::exp(60.0 * random.nextUnit() - 30);  // e^-30 .. e^30
        values.push_back(i % 7 == 0 ? 0.0 : (i % 5 == 0 ? -magnitude : magnitude));
    }
    QuantileSketch whole(150), first(150), second(3);
    for (size_t i = 0; i < values.size(); ++i) {
        whole.add(values[i]);
        (i < values.size() / 2 ? first : second).add(values[i]);
    }
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    for (double q : {0.0, 0.01, 0.1, 0.25, 0.5, 0.75, 0.9, 0.99, 1.0}) {
        const size_t rank = std::max<size_t>(1, static_cast<size_t>(std::ceil(q * sorted.size())));
        const double exact = sorted[rank - 1];
        EXPECT_NEAR(whole.quantile(q), exact, std::fabs(exact) * QuantileSketch::kRelativeAccuracy) << q;
    }
    QuantileSketch merged(150);
    merged.merge(second);
    merged.merge(first);
    EXPECT_TRUE(merged == whole);
    EXPECT_EQ(merged.count(), values.size());

    QuantileSketch before = whole;
    for (double x : {-1e300, 0.0, 1e-300, 150.0, 7e250}) {
        whole.add(x);
        EXPECT_FALSE(whole == before);
        whole.remove(x);
        EXPECT_TRUE(whole == before) << x;
    }
    EXPECT_EQ(QuantileSketch().quantile(0.5), 0);
}
