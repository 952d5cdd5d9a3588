#pragma once
// Running statistics of the total cost within one EYD step, updated one
// sample at a time in constant memory: no sample is kept.

#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvale {

// Every step takes at least this many samples before the target is checked.
inline constexpr std::int64_t kMinSamplesPerStep = 31;

// The samples a step may take before the command-line tool ends it without
// its target: five million keep a run of 30 steps that never converge to
// about a minute. The window's run has no cap, but tells its view when a
// step passes this count, so that the user sees what the tool would have
// cut short.
inline constexpr std::int64_t kDefaultMaxSamplesPerStep = 5000000;
// A step without a cap samples until its target is reached or the run stops.
inline constexpr std::int64_t kNoSampleCap = 0;

class StepStatistics {
public:
    // The half-width before a step has two samples: far above any target.
    static constexpr double kStartHalfWidth = 1000000;

    // Adds one finite sample cost. The order and grouping of the updates are
    // kept as they are so that a run is reproducible bit for bit.
    void add(double x) {
        if (m_sampleIndex == 0) {
            // The first sample sets the mean and both extremes; fixed start
            // values would report them for steps whose costs lie beyond.
            m_mean = x;
            m_minimum = x;
            m_maximum = x;
        }
        m_previousMean = m_mean;
        if (x < m_minimum) {
            m_minimum = x;
        }
        if (x > m_maximum) {
            m_maximum = x;
        }
        if (m_sampleIndex >= 1) {
            const double n = static_cast<double>(m_sampleIndex);
            // A quantity whose update overflows keeps its previous value, so
            // that no infinity or NaN reaches a field, a chart or a later
            // sample.
            const double mean = m_mean + (x - m_mean) / (n + 1);
            if (std::isfinite(mean)) {
                m_mean = mean;
            }
            const double delta = m_mean - m_previousMean;
            const double variance = (1 - 1 / n) * m_variance + (n + 1) * (delta * delta);
            if (std::isfinite(variance) && m_wideStddev < 0) [[likely]] {
                m_variance = variance;
                const double halfWidth = 1.96 * std::sqrt(m_variance) / std::sqrt(n);
                if (std::isfinite(halfWidth)) {
                    m_halfWidth = halfWidth;
                }
            } else {
                addWide(n, delta);
            }
        }
        ++m_sampleIndex;
    }

    // Samples added so far in this step.
    std::int64_t count() const { return m_sampleIndex; }
    // Zero-based index of the latest sample (what the run shows as its
    // iteration count): 0 after the first sample, 30 after the 31st.
    std::int64_t latestIndex() const { return m_sampleIndex - 1; }

    double mean() const { return m_mean; }
    double previousMean() const { return m_previousMean; }
    // Infinite once the costs spread too wide for it (see m_wideStddev).
    double variance() const { return m_wideStddev < 0 ? m_variance : m_wideStddev * m_wideStddev; }
    double stddev() const { return m_wideStddev < 0 ? std::sqrt(m_variance) : m_wideStddev; }
    double halfWidth() const { return m_halfWidth; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }

    // Whether the step has enough samples and a half-width below the target.
    // A target that is not a positive number (or not a number) is never
    // reached, so the step samples until it is stopped.
    bool targetReached(double target) const { return m_sampleIndex >= kMinSamplesPerStep && m_halfWidth < target; }

private:
    // The same update on the standard deviation, in a form that cannot
    // overflow. Kept skipped, the variance would stay at what it was (0 at
    // a step's second sample), and a step whose costs run from 1e302 to
    // 1e305 would end after 31 samples with a half-width of 0 as if it had
    // met its target. A spread too wide even for this keeps the largest
    // number there is: never below a target, and never infinite on a field.
    [[gnu::cold, gnu::noinline]] void addWide(double n, double delta) {
        constexpr double kLargest = std::numeric_limits<double>::max();
        const double from = m_wideStddev < 0 ? std::sqrt(m_variance) : m_wideStddev;
        const double wide = std::hypot(std::sqrt(1 - 1 / n) * from, std::sqrt(n + 1) * delta);
        m_wideStddev = std::isfinite(wide) ? wide : kLargest;
        const double halfWidth = 1.96 * (m_wideStddev / std::sqrt(n));
        m_halfWidth = std::isfinite(halfWidth) ? halfWidth : kLargest;
    }

    // Counted in 64 bits: a step with an unreachable target on a fast
    // machine passes 2^31 samples within minutes.
    std::int64_t m_sampleIndex = 0;
    double m_mean = 0;
    double m_previousMean = 0;
    // Starts afresh with every step: a variance carried over would be
    // multiplied by zero at the step's second sample, which is NaN when the
    // carried value was infinite.
    double m_variance = 0;
    double m_halfWidth = kStartHalfWidth;
    // Negative while the variance serves; once an update of the variance
    // overflows (the costs lie more than about 1e154 apart, while their
    // standard deviation still fits a double), the standard deviation.
    double m_wideStddev = -1;
    double m_minimum = 0;
    double m_maximum = 0;
};

}  // namespace quorvale
