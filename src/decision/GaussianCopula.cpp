#include "decision/GaussianCopula.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace quorvale {
namespace {

// A pivot below this means the matrix is singular or nearly so: the draws
// would hang on rounding.
constexpr double kSmallestPivot = 1e-10;

// Cholesky factor of the n x n correlation matrix (row-major), in place as a
// packed lower triangle; false when it is not positive definite.
bool cholesky(std::vector<double> matrix, size_t n, std::vector<double>& factor) {
    factor.clear();
    std::vector<double> l(n * n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j <= i; ++j) {
            double sum = matrix[i * n + j];
            for (size_t k = 0; k < j; ++k) {
                sum -= l[i * n + k] * l[j * n + k];
            }
            if (i == j) {
                if (!(sum > kSmallestPivot)) {
                    return false;
                }
                l[i * n + i] = std::sqrt(sum);
            } else {
                l[i * n + j] = sum / l[j * n + j];
            }
        }
    }
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j <= i; ++j) {
            factor.push_back(l[i * n + j]);
        }
    }
    return true;
}

}  // namespace

double normalCdf(double z) { return 0.5 * std::erfc(-z / std::numbers::sqrt2); }

double inverseNormalCdf(double p) {
    if (!(p > 0)) {
        return -HUGE_VAL;
    }
    if (!(p < 1)) {
        return HUGE_VAL;
    }
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                                   1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                                   6.680131188771972e+01, -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                                   -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                                   3.754408661907416e+00};
    constexpr double kLow = 0.02425;
    double x = 0;
    if (p < kLow || p > 1 - kLow) {
        const double q = std::sqrt(-2 * std::log(p < kLow ? p : 1 - p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
        x = p < kLow ? x : -x;
    } else {
        const double q = p - 0.5;
        const double r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    }
    // One Halley step on normalCdf(x) - p.
    const double e = normalCdf(x) - p;
    const double u = e * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
    return x - u / (1 + x * u / 2);
}

GaussianCopula::GaussianCopula(const std::vector<Pair>& pairs) {
    // Groups: indexes linked by pairs (union-find over the indexes named).
    std::vector<int> indexes;
    for (const Pair& p : pairs) {
        indexes.push_back(p.a);
        indexes.push_back(p.b);
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    auto place = [&](int index) {
        return static_cast<size_t>(std::lower_bound(indexes.begin(), indexes.end(), index) - indexes.begin());
    };
    std::vector<size_t> parent(indexes.size());
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&](size_t i) {
        while (parent[i] != i) {
            i = parent[i] = parent[parent[i]];
        }
        return i;
    };
    for (const Pair& p : pairs) {
        parent[root(place(p.a))] = root(place(p.b));
    }
    for (size_t g = 0; g < indexes.size(); ++g) {
        if (root(g) != g) {
            continue;
        }
        Group group;
        for (size_t i = 0; i < indexes.size(); ++i) {
            if (root(i) == g) {
                group.indexes.push_back(indexes[i]);
            }
        }
        const size_t n = group.indexes.size();
        std::vector<double> matrix(n * n, 0.0);
        for (size_t i = 0; i < n; ++i) {
            matrix[i * n + i] = 1;
        }
        auto at = [&](int index) {
            return static_cast<size_t>(std::find(group.indexes.begin(), group.indexes.end(), index) -
                                       group.indexes.begin());
        };
        std::vector<Pair> groupPairs;
        for (const Pair& p : pairs) {
            if (root(place(p.a)) != g) {
                continue;
            }
            const double r = 2 * std::sin(std::numbers::pi * p.rho / 6);
            matrix[at(p.a) * n + at(p.b)] = r;
            matrix[at(p.b) * n + at(p.a)] = r;
            groupPairs.push_back(p);
        }
        if (cholesky(std::move(matrix), n, group.factor)) {
            m_groups.push_back(std::move(group));
        } else {
            m_notPositiveDefinite.insert(m_notPositiveDefinite.end(), groupPairs.begin(), groupPairs.end());
        }
    }
    if (!m_notPositiveDefinite.empty()) {
        m_groups.clear();
    }
}

bool GaussianCopula::links(int index) const {
    return std::any_of(m_groups.begin(), m_groups.end(), [&](const Group& g) {
        return std::find(g.indexes.begin(), g.indexes.end(), index) != g.indexes.end();
    });
}

void GaussianCopula::apply(const float* r, double* u) const {
    constexpr size_t kLargestGroup = 32;
    double scores[kLargestGroup];
    for (const Group& g : m_groups) {
        const size_t n = std::min(g.indexes.size(), kLargestGroup);
        for (size_t i = 0; i < n; ++i) {
            scores[i] = inverseNormalCdf(static_cast<double>(r[g.indexes[i]]) + 0x1p-25);
        }
        const double* row = g.factor.data();
        for (size_t i = 0; i < n; ++i) {
            double z = 0;
            for (size_t k = 0; k <= i; ++k) {
                z += row[k] * scores[k];
            }
            row += i + 1;
            u[g.indexes[i]] = normalCdf(z);
        }
    }
}

}  // namespace quorvale
