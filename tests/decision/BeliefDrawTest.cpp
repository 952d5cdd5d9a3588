#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <numeric>
#include <vector>

#include "decision/GaussianCopula.h"
#include "decision/Marginal.h"
#include "decision/ScenarioDraw.h"
#include "simulator/RandomSource.h"
#include "simulator/RunTestInputs.h"

using namespace quorvale;

namespace {

// The Beta-PERT distribution function worked out by numerical integration of
// its density, x^(a-1) (1-x)^(b-1), by Simpson's rule in s = sqrt(x) near 0
// and s = sqrt(1 - x) near 1, where the density's slope may be infinite.
double simpson(double (*f)(double, double, double), double a, double b, double from, double to) {
    constexpr int kIntervals = 4000;
    const double h = (to - from) / kIntervals;
    double sum = f(from, a, b) + f(to, a, b);
    for (int i = 1; i < kIntervals; ++i) {
        sum += (i % 2 == 1 ? 4 : 2) * f(from + i * h, a, b);
    }
    return sum * h / 3;
}
// x = s^2: density(x) dx = 2 s^(2a-1) (1 - s^2)^(b-1) ds.
double lowerIntegrand(double s, double a, double b) { return 2 * std::pow(s, 2 * a - 1) * std::pow(1 - s * s, b - 1); }

double pertCdf(double a, double b, double x) {
    const double half = std::sqrt(0.5);
    const double whole = simpson(lowerIntegrand, a, b, 0, half) + simpson(lowerIntegrand, b, a, 0, half);
    if (x <= 0.5) {
        return simpson(lowerIntegrand, a, b, 0, std::sqrt(x)) / whole;
    }
    return 1 - simpson(lowerIntegrand, b, a, 0, std::sqrt(1 - x)) / whole;
}

double pertDensity(double a, double b, double x) {
    const double half = std::sqrt(0.5);
    const double whole = simpson(lowerIntegrand, a, b, 0, half) + simpson(lowerIntegrand, b, a, 0, half);
    return std::pow(x, a - 1) * std::pow(1 - x, b - 1) / whole;
}

std::vector<double> probabilities() {
    std::vector<double> u = {1e-9, 1e-6, 1e-4, 0.01, 0.5, 0.99, 1 - 1e-4, 1 - 1e-6};
    for (int i = 1; i < 40; ++i) {
        u.push_back(i / 40.0);
    }
    std::sort(u.begin(), u.end());
    return u;
}

std::vector<double> ranks(const std::vector<double>& v) {
    std::vector<size_t> order(v.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t i, size_t j) { return v[i] < v[j]; });
    std::vector<double> rank(v.size());
    for (size_t r = 0; r < order.size(); ++r) {
        rank[order[r]] = static_cast<double>(r);
    }
    return rank;
}

double pearson(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double sxy = 0, sxx = 0, syy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

double spearman(const std::vector<double>& x, const std::vector<double>& y) { return pearson(ranks(x), ranks(y)); }

// The fourteen drawn fields, bit for bit.
std::vector<std::uint64_t> drawnFields(const ModelInputs& m) {
    std::vector<std::uint64_t> bits;
    for (double v : {m.harvestVolume, m.turnVolume, m.unitSize, m.roadDensityFactor, m.operatorCost, m.externalSpeed,
                     m.fixedTime, m.lateralSpeed, m.productionDelay, m.variableTime, m.fixedCorridorTime,
                     m.multipleCorridorCorrection, m.fixedLandingTime, m.roadCostPerStation}) {
        bits.push_back(std::bit_cast<std::uint64_t>(v));
    }
    return bits;
}

}  // namespace

// The triangular quantile against the distribution function
// (x - a)^2 / ((b - a)(m - a)) below the mode and 1 - (b - x)^2 /
// ((b - a)(b - m)) above it, the mode at either end included.
TEST(BeliefDraw, TriangularQuantilesInvertTheDistributionFunction) {
    const double a = 20, b = 30;
    for (double m : {20.0, 24.0, 25.0, 29.5, 30.0}) {
        const Marginal triangular({a, b}, m, BeliefShape::Triangular);
        double previous = a;
        for (double u : probabilities()) {
            const double x = triangular.quantile(u);
            ASSERT_TRUE(x >= a && x <= b) << m << " " << u;
            const double cdf =
                x <= m ? (x - a) * (x - a) / ((b - a) * (m - a)) : 1 - (b - x) * (b - x) / ((b - a) * (b - m));
            EXPECT_NEAR(cdf, u, 1e-12) << "mode " << m << " u " << u;
            EXPECT_GE(x, previous);
            previous = x;
        }
        EXPECT_NEAR(triangular.quantile(0.5),
                    m >= 25 ? a + std::sqrt(0.5 * 10 * (m - a)) : b - std::sqrt(0.5 * 10 * (b - m)), 1e-12);
    }
}

// The PERT quantile is within 1e-6 of (High - Low) of the value whose
// integrated density is u: the quantile's error is the distribution
// function's miss divided by the density there.
TEST(BeliefDraw, PertQuantilesMatchTheIntegratedDensity) {
    const double low = 1200, high = 2000;
    for (double m : {1200.0, 1250.0, 1500.0, 1600.0, 1900.0, 2000.0}) {
        const Marginal pert({low, high}, m, BeliefShape::Pert);
        const double alpha = 1 + 4 * (m - low) / (high - low);
        const double beta = 1 + 4 * (high - m) / (high - low);
        for (double u : probabilities()) {
            const double x = (pert.quantile(u) - low) / (high - low);
            ASSERT_TRUE(x >= 0 && x <= 1);
            const double density = pertDensity(alpha, beta, x);
            if (density < 1e-3) {
                continue;  // the far tails, where a miss in u says little about x
            }
            const double miss = (pertCdf(alpha, beta, x) - u) / density;
            EXPECT_LT(std::fabs(miss), 1e-6) << "mode " << m << " u " << u;
        }
        // Its mean is (Low + 4 Mode + High) / 6.
        double sum = 0;
        constexpr int kPoints = 20000;
        for (int i = 0; i < kPoints; ++i) {
            sum += pert.quantile((i + 0.5) / kPoints);
        }
        EXPECT_NEAR(sum / kPoints, (low + 4 * m + high) / 6, 0.01) << m;
    }
}

// A variable without a mode is drawn exactly as the simulation draws it,
// reversed interval and a fixed one included; a fixed variable with a mode
// is its value.
TEST(BeliefDraw, WithoutBeliefsTheDrawIsTheSimulationsDraw) {
    InMemoryInputs inputs = test::spreadInputs(0.3, "20");
    inputs.setEntryText(lowEntry(LifeCycleRoadCost), "2000");  // Low above High
    inputs.setEntryText(highEntry(LifeCycleRoadCost), "1200");
    inputs.setEntryText(lowEntry(TotalFixedTime), "4");
    inputs.setEntryText(highEntry(TotalFixedTime), "4");
    const RunInputs ranges(inputs);
    const ScenarioDraw draw(ranges, Beliefs{});
    RandomSource mine(5), theirs(5);
    for (int i = 0; i < 20000; ++i) {
        float r[RunInputs::kDrawnCount];
        for (float& x : r) {
            x = mine.nextUnit();
        }
        ModelInputs a, b;
        draw.draw(r, a);
        ranges.draw(theirs, b);
        ASSERT_EQ(drawnFields(a), drawnFields(b)) << "draw " << i;
    }
    Beliefs beliefs;
    beliefs.variables[TotalFixedTime] = {5, BeliefShape::Pert};
    ModelInputs m;
    const float r[RunInputs::kDrawnCount] = {0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f,
                                             0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f, 0.3f};
    ScenarioDraw(ranges, beliefs).draw(r, m);
    EXPECT_EQ(m.fixedTime, 4);
}

// The normal scores: the inverse is the distribution function's inverse to
// near double precision, far into both tails.
TEST(BeliefDraw, InverseNormalInvertsTheNormalDistribution) {
    EXPECT_EQ(inverseNormalCdf(0.5), 0);
    EXPECT_NEAR(inverseNormalCdf(0.975), 1.959963984540054, 1e-13);
    EXPECT_NEAR(inverseNormalCdf(0.001), -3.090232306167814, 1e-12);
    for (double p : {1e-12, 1e-7, 0.02, 0.0243, 0.0245, 0.3, 0.7, 0.9756, 0.999, 1 - 1e-9}) {
        EXPECT_NEAR(normalCdf(inverseNormalCdf(p)), p, 1e-13 * std::max(p, 1e-3)) << p;
    }
}

// Over 10^5 draws each linked pair shows its rank correlation, within
// sampling error, whatever the variables' shapes; a variable in no pair
// stays independent, and each keeps its own distribution.
TEST(BeliefDraw, CopulaGivesTheRankCorrelationsAndKeepsTheShapes) {
    InMemoryInputs inputs = test::spreadInputs(0.25, "30");
    const RunInputs ranges(inputs);
    Beliefs beliefs;
    beliefs.variables[HarvestVolume] = {40, BeliefShape::Pert};  // entered 26.25 .. 43.75
    beliefs.variables[TurnVolume] = {350, BeliefShape::Triangular};
    beliefs.correlate(HarvestVolume, TurnVolume, 0.6);
    beliefs.correlate(TurnVolume, OperatorCost, -0.4);
    const ScenarioDraw draw(ranges, beliefs);
    ASSERT_TRUE(draw.copula().valid());
    RandomSource random(17);
    constexpr int kDraws = 100'000;
    std::vector<double> harvest, turn, cost, speed;
    for (int i = 0; i < kDraws; ++i) {
        float r[RunInputs::kDrawnCount];
        for (float& x : r) {
            x = random.nextUnit();
        }
        ModelInputs m;
        draw.draw(r, m);
        harvest.push_back(m.harvestVolume);
        turn.push_back(m.turnVolume);
        cost.push_back(m.operatorCost);
        speed.push_back(m.externalSpeed);
    }
    // The standard error of a rank correlation near rho is about
    // (1 - rho^2) / sqrt(n), 0.002 here; 0.01 is five of them.
    EXPECT_NEAR(spearman(harvest, turn), 0.6, 0.01);
    EXPECT_NEAR(spearman(turn, cost), -0.4, 0.01);
    EXPECT_NEAR(spearman(harvest, speed), 0, 0.01);
    const double pertMean = (26.25 + 4 * 40 + 43.75) / 6;
    EXPECT_NEAR(std::accumulate(harvest.begin(), harvest.end(), 0.0) / kDraws, pertMean, 0.05);
    const double triangularMean = (0.3 + 0.35 + 0.5) / 3;
    EXPECT_NEAR(std::accumulate(turn.begin(), turn.end(), 0.0) / kDraws, triangularMean, 0.001);
    EXPECT_NEAR(std::accumulate(cost.begin(), cost.end(), 0.0) / kDraws, 3000, 3);
    EXPECT_TRUE(std::all_of(turn.begin(), turn.end(), [](double t) { return t >= 0.3 && t <= 0.5; }));
}

// Pairs that no set of variables can have at once are refused with exactly
// the pairs of the group that cannot be drawn.
TEST(BeliefDraw, CopulaRefusesAMatrixThatIsNotPositiveDefinite) {
    const GaussianCopula impossible({{0, 1, 0.9}, {1, 2, 0.9}, {4, 5, 0.5}, {0, 2, -0.9}});
    EXPECT_FALSE(impossible.valid());
    ASSERT_EQ(impossible.notPositiveDefinite().size(), 3u);
    for (const auto& p : impossible.notPositiveDefinite()) {
        EXPECT_NE(p.a, 4) << "the valid pair is not named";
    }
    const GaussianCopula possible({{0, 1, 0.9}, {1, 2, 0.9}, {0, 2, 0.7}});
    EXPECT_TRUE(possible.valid());
    EXPECT_TRUE(possible.links(2));
    EXPECT_FALSE(possible.links(3));
}
