#include "decision/BetaQuantile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvale {
namespace {

double logBeta(double a, double b) { return std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b); }

// The continued fraction of I_x(a, b) by the modified Lentz method, for x
// below (a + 1) / (a + b + 2), where it converges quickly.
double betaFraction(double a, double b, double x) {
    constexpr double kTiny = 1e-300;
    double c = 1;
    double d = 1 - (a + b) * x / (a + 1);
    d = 1 / (std::fabs(d) < kTiny ? kTiny : d);
    double f = d;
    for (int m = 1; m <= 500; ++m) {
        const double twoM = 2.0 * m;
        const double even = m * (b - m) * x / ((a + twoM - 1) * (a + twoM));
        d = 1 + even * d;
        d = 1 / (std::fabs(d) < kTiny ? kTiny : d);
        c = 1 + even / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        f *= d * c;
        const double odd = -(a + m) * (a + b + m) * x / ((a + twoM) * (a + twoM + 1));
        d = 1 + odd * d;
        d = 1 / (std::fabs(d) < kTiny ? kTiny : d);
        c = 1 + odd / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        const double delta = d * c;
        f *= delta;
        if (std::fabs(delta - 1) < 1e-16) {
            break;
        }
    }
    return f;
}

double betaDensity(double a, double b, double x, double lnB) {
    return std::exp((a - 1) * std::log(x) + (b - 1) * std::log1p(-x) - lnB);
}

}  // namespace

double incompleteBeta(double a, double b, double x) {
    if (x <= 0) {
        return 0;
    }
    if (x >= 1) {
        return 1;
    }
    const double front = std::exp(a * std::log(x) + b * std::log1p(-x) - logBeta(a, b));
    if (x < (a + 1) / (a + b + 2)) {
        return front * betaFraction(a, b, x) / a;
    }
    return 1 - front * betaFraction(b, a, 1 - x) / b;
}

double inverseIncompleteBeta(double a, double b, double u) {
    if (u <= 0) {
        return 0;
    }
    if (u >= 1) {
        return 1;
    }
    const double lnB = logBeta(a, b);
    // Near 0, I_x(a, b) is about x^a / (a B(a, b)).
    double x = std::clamp(std::pow(a * std::exp(lnB) * u, 1 / a), 1e-300, 0.5);
    double lo = 0;
    double hi = 1;
    for (int i = 0; i < 300 && hi - lo > 4 * std::numeric_limits<double>::epsilon() * x; ++i) {
        const double error = incompleteBeta(a, b, x) - u;
        if (error == 0) {
            return x;
        }
        (error < 0 ? lo : hi) = x;
        const double newton = x - error / betaDensity(a, b, x, lnB);
        x = newton > lo && newton < hi ? newton : (lo + hi) / 2;
    }
    return x;
}

BetaQuantile::Half::Half(double a, double b) : alpha(a), inverseAlpha(1 / a) {
    const double end = std::pow(0.5, inverseAlpha);  // t at the median
    step = end / kIntervals;
    knotsPerT = kIntervals / end;
    const double lnB = logBeta(a, b);
    value.resize(kIntervals + 1);
    slope.resize(kIntervals + 1);
    // At t = 0 the quantile leaves 0 with the slope (a B(a, b))^(1/a).
    value[0] = 0;
    slope[0] = std::pow(a * std::exp(lnB), inverseAlpha);
    for (int k = 1; k <= kIntervals; ++k) {
        const double t = k == kIntervals ? end : step * k;
        const double u = k == kIntervals ? 0.5 : std::pow(t, a);
        const double x = inverseIncompleteBeta(a, b, u);
        value[static_cast<size_t>(k)] = x;
        // dx/dt = (du/dt) / density(x) = a t^(a-1) / density(x).
        slope[static_cast<size_t>(k)] = a * std::pow(t, a - 1) / betaDensity(a, b, x, lnB);
    }
}

double BetaQuantile::Half::at(double u) const {
    const double t = alpha == 1 ? u : std::pow(u, inverseAlpha);
    const double position = t * knotsPerT;
    const int k = std::min(static_cast<int>(position), kIntervals - 1);
    const double s = position - k;
    const size_t i = static_cast<size_t>(k);
    const double r = 1 - s;
    // Cubic Hermite between knots k and k + 1.
    return (1 + 2 * s) * r * r * value[i] + s * r * r * step * slope[i] + s * s * (3 - 2 * s) * value[i + 1] -
           s * s * r * step * slope[i + 1];
}

BetaQuantile::BetaQuantile(double alpha, double beta) : m_lower(alpha, beta), m_upper(beta, alpha) {}

}  // namespace quorvale
