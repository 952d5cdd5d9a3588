#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "charts/AxisRange.h"

using namespace quorvale;

namespace {

void expectCovers(const AxisRange& r, double low, double high) {
    EXPECT_TRUE(std::isfinite(r.minimum) && std::isfinite(r.maximum));
    EXPECT_LT(r.minimum, r.maximum);
    EXPECT_LE(r.minimum, low);
    EXPECT_GE(r.maximum, high);
    // Between two and a dozen or so ticks.
    EXPECT_GT(r.tickInterval, 0);
    EXPECT_LE((r.maximum - r.minimum) / r.tickInterval, 12.5);
    EXPECT_GE((r.maximum - r.minimum) / r.tickInterval, 0.99);
}

}  // namespace

TEST(AxisRange, ValuesStartAtZeroAndEndOnARoundNumberAboveTheData) {
    const AxisRange cost = niceAxisRange(135.2, 340.12, AxisKind::Values);
    EXPECT_EQ(cost.minimum, 0);
    EXPECT_EQ(cost.maximum, 400);
    EXPECT_EQ(cost.tickInterval, 100);
    // A curve exactly on a round bound gets room above it.
    const AxisRange capped = niceAxisRange(100, 400, AxisKind::Values);
    EXPECT_GT(capped.maximum, 400);
    const AxisRange negative = niceAxisRange(-7.5, -1, AxisKind::Values);
    EXPECT_LE(negative.minimum, -7.5);
    EXPECT_EQ(negative.maximum, 0);
}

TEST(AxisRange, PositionsHugTheRows) {
    const AxisRange stations = niceAxisRange(1, 30, AxisKind::Positions);
    EXPECT_EQ(stations.minimum, 0);
    EXPECT_EQ(stations.maximum, 30.5);  // the last marker drawn whole
    EXPECT_EQ(stations.tickInterval, 10);
    const AxisRange far = niceAxisRange(500, 1000, AxisKind::Positions);
    EXPECT_EQ(far.minimum, 499.5);
    EXPECT_EQ(far.maximum, 1000.5);
    EXPECT_EQ(far.tickInterval, 200);
    const AxisRange one = niceAxisRange(5, 5, AxisKind::Positions);
    expectCovers(one, 5, 5);
}

TEST(AxisRange, ConstantZeroAndExtremeDataStillGiveAUsableRange) {
    expectCovers(niceAxisRange(0, 0, AxisKind::Values), 0, 0);
    expectCovers(niceAxisRange(1, 1, AxisKind::Values), 1, 1);
    expectCovers(niceAxisRange(1e300, 1e300, AxisKind::Values), 1e300, 1e300);
    expectCovers(niceAxisRange(1e-300, 3e-300, AxisKind::Values), 1e-300, 3e-300);
    expectCovers(niceAxisRange(DBL_MIN, 4 * DBL_MIN, AxisKind::Positions), DBL_MIN, 4 * DBL_MIN);
    // A span beyond the largest double cannot be covered exactly; the
    // range is still finite and ordered.
    const AxisRange huge = niceAxisRange(-DBL_MAX, DBL_MAX, AxisKind::Values);
    EXPECT_TRUE(std::isfinite(huge.minimum) && std::isfinite(huge.maximum));
    EXPECT_LT(huge.minimum, huge.maximum);
    const AxisRange nan = niceAxisRange(NAN, 1, AxisKind::Values);
    EXPECT_TRUE(std::isfinite(nan.minimum) && std::isfinite(nan.maximum));
}
