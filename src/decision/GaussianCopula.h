#pragma once
// Linked inputs: a Gaussian copula. Each correlated variable's uniform
// number is turned into a normal score, the scores are mixed by the
// Cholesky factor of the correlation matrix, and turned back into uniform
// numbers, which the variables' own distributions then take as usual. A
// Spearman rank correlation rho becomes the Pearson correlation
// r = 2 sin(pi rho / 6) of the normal scores, which gives the variables
// that rank correlation whatever their shapes.

#include <vector>

namespace quorvale {

// The standard normal distribution function and its inverse (Acklam's
// rational approximation, polished by one Halley step to near double
// precision).
double normalCdf(double z);
double inverseNormalCdf(double p);

class GaussianCopula {
public:
    // A rank correlation between two of the dimension's indexes.
    struct Pair {
        int a = 0;
        int b = 0;
        double rho = 0;
    };

    // Builds the copula of the pairs; an index in no pair stays as it is.
    // The pairs are independent groups (indexes linked by pairs); a group
    // whose correlation matrix is not positive definite cannot be drawn:
    // its pairs, in the order given, are then in notPositiveDefinite().
    explicit GaussianCopula(const std::vector<Pair>& pairs);

    bool valid() const { return m_notPositiveDefinite.empty(); }
    bool empty() const { return m_groups.empty(); }
    const std::vector<Pair>& notPositiveDefinite() const { return m_notPositiveDefinite; }
    // Whether an index is in some pair.
    bool links(int index) const;

    // For every linked index i: u[i] from the uniform numbers r, mixed with
    // those of its group. r[i] is a single-precision uniform k / 2^24; its
    // cell's middle (k + 1/2) / 2^24 gives its normal score, so that none is
    // infinite. Other entries of u are left as they are.
    void apply(const float* r, double* u) const;

private:
    struct Group {
        std::vector<int> indexes;
        std::vector<double> factor;  // lower triangle, row by row
    };
    std::vector<Group> m_groups;
    std::vector<Pair> m_notPositiveDefinite;
};

}  // namespace quorvale
