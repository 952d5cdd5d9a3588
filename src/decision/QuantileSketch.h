#pragma once
// Percentiles of a stream of costs in constant memory, to within 0.1 % of
// the value.
//
// A value is counted in a bucket named by the top bits of its double: the
// sign, the exponent and the first 9 bits of the mantissa. Every octave is
// thus cut into 512 equal slices, and the middle of a slice is within 2^-10
// (0.098 %) of every value in it. The counts are whole numbers, so two
// sketches merge exactly and in any order: a run split over threads gives
// the same sketch as one thread.
//
// The buckets a run normally hits are kept in one array around a centre
// given up front (six octaves, about 1/8 to 8 times the centre); the rare
// values outside it go into a sorted map. Memory is bounded by the number of
// distinct buckets of the double range, whatever the number of values.

#include <bit>
#include <cstdint>
#include <map>
#include <vector>

namespace quorvale {

class QuantileSketch {
public:
    // Relative error of a reported percentile against the value of that rank.
    static constexpr double kRelativeAccuracy = 1.0 / 1024;

    explicit QuantileSketch(double centre = 100);

    // Adds one finite value; NaN and infinities are the caller's to leave out.
    void add(double x) {
        const std::uint32_t index = bucketOf(x);
        const std::uint32_t offset = index - m_denseFirst;
        if (x > 0 && offset < kDenseBuckets) {
            ++m_dense[offset];
        } else {
            addSlow(x, 1);
        }
        ++m_count;
    }

    // Takes back one value added before (a count never goes below zero).
    void remove(double x);

    // Adds every count of another sketch, whatever its centre.
    void merge(const QuantileSketch& other);

    std::uint64_t count() const { return m_count; }

    // The value of rank ceil(q * count) (the nearest-rank percentile), to
    // within kRelativeAccuracy; 0 for an empty sketch.
    double quantile(double q) const;

    // Equal counts in every bucket.
    bool operator==(const QuantileSketch& other) const;

private:
    static constexpr std::uint32_t kDenseBuckets = 6 * 512;

    static constexpr int kBucketShift = 64 - 1 - 11 - 9;  // keep sign, exponent, 9 mantissa bits

    static std::uint32_t bucketOf(double x) {
        return static_cast<std::uint32_t>((std::bit_cast<std::uint64_t>(x) & ~kSignBit) >> kBucketShift);
    }
    static constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
    static double middleOf(std::uint32_t bucket);
    void addSlow(double x, std::int64_t delta);

    std::uint32_t m_denseFirst = 0;
    std::vector<std::uint64_t> m_dense;
    // Positive values outside the array, negative values (by magnitude) and
    // zeros: none arise from positive inputs, but a sketch must not lose them.
    std::map<std::uint32_t, std::uint64_t> m_positive;
    std::map<std::uint32_t, std::uint64_t> m_negative;
    std::uint64_t m_zeros = 0;
    std::uint64_t m_count = 0;
};

}  // namespace quorvale
