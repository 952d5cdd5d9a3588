#pragma once
// The quantile function of a Beta(alpha, beta) distribution with alpha and
// beta at least 1, as the Beta-PERT shape needs it: from a table built once
// per variable, fast enough to draw millions of scenarios.
//
// Each half of (0, 1) has its own table: below the median in the variable
// t = u^(1/alpha), above it in s = (1 - u)^(1/beta). In those variables the
// quantile runs straight out of the ends of the interval, where in u it
// rises with an infinite slope, so a cubic Hermite interpolation between
// knots with exact slopes stays accurate right up to 0 and 1.

#include <vector>

namespace quorvale {

// The regularized incomplete beta function I_x(a, b) by its continued
// fraction, and its inverse by safeguarded Newton steps: near double
// precision, but far too slow for every draw.
double incompleteBeta(double a, double b, double x);
double inverseIncompleteBeta(double a, double b, double u);

class BetaQuantile {
public:
    // Intervals of each half's table.
    static constexpr int kIntervals = 128;

    BetaQuantile(double alpha, double beta);

    // The x in [0, 1] with I_x(alpha, beta) = u, for u in [0, 1].
    double operator()(double u) const { return u <= 0.5 ? m_lower.at(u) : 1 - m_upper.at(1 - u); }

private:
    // The quantile of Beta(alpha, beta) for u in [0, 1/2] as a function of
    // t = u^(1/alpha): values and slopes at evenly spaced knots.
    struct Half {
        Half(double alpha, double beta);
        double at(double u) const;

        double alpha = 1;
        double inverseAlpha = 1;
        double knotsPerT = 0;  // intervals per unit of t
        double step = 0;       // knot spacing in t
        std::vector<double> value;
        std::vector<double> slope;  // d value / dt
    };

    Half m_lower;
    Half m_upper;  // Beta(beta, alpha): the upper half seen from 1
};

}  // namespace quorvale
