#pragma once
// The distribution of a cost difference between two alternatives over the
// scenarios, counted exactly. Costs are two-decimal numbers, so a
// difference is a whole number of cents: a window of counts around the
// expected difference holds nearly all of them, and the rare ones outside
// it are kept by value. Counts are whole numbers, so histograms of several
// threads merge exactly and in any order, and a scenario added can be taken
// back out.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace quorvale {

class DifferenceHistogram {
public:
    // A window of 2 * kHalfWindow cents around `centre` ($/mbf).
    static constexpr std::int64_t kHalfWindow = 4096;

    explicit DifferenceHistogram(double centre = 0);

    // Every scenario adds one difference, so the common case is inline: a
    // whole number of cents in the window.
    void add(double difference) {
        const double cents = difference * 100;
        if (std::fabs(cents) < kLargestCents) {
            // Adding and taking away 1.5 * 2^52 rounds to a whole number.
            const auto index = static_cast<std::int64_t>((cents + kRounding) - kRounding) - m_first;
            if (static_cast<std::uint64_t>(index) < m_window.size()) {
                ++m_window[static_cast<size_t>(index)];
                ++m_count;
                return;
            }
        }
        change(difference, 1);
    }
    void remove(double difference) { change(difference, -1); }
    void merge(const DifferenceHistogram& other);

    std::uint64_t count() const { return m_count; }
    // The differences above and below zero.
    std::uint64_t positive() const;
    std::uint64_t negative() const;
    // The nearest-rank percentile: the value of rank ceil(q * count), at
    // least rank 1; not a number when empty.
    double quantile(double q) const;

private:
    // Beyond this a difference is no longer a whole number of cents in a
    // double that rounds exactly.
    static constexpr double kLargestCents = 1e15;
    static constexpr double kRounding = 6755399441055744.0;  // 1.5 * 2^52

    // Adds delta (negative: takes back) counts of one difference.
    void change(double difference, std::int64_t delta);
    double valueAt(size_t i) const { return static_cast<double>(m_first + static_cast<std::int64_t>(i)) / 100; }

    std::int64_t m_first = 0;  // the cents of the window's first count
    std::vector<std::uint64_t> m_window;
    std::map<double, std::uint64_t> m_outside;
    std::uint64_t m_count = 0;
};

}  // namespace quorvale
