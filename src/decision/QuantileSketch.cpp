#include "decision/QuantileSketch.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace quorvale {
QuantileSketch::QuantileSketch(double centre) : m_dense(kDenseBuckets, 0) {
    if (!(centre > 0) || !std::isfinite(centre)) {
        centre = 100;
    }
    const std::uint32_t middle = bucketOf(centre);
    const std::uint32_t half = kDenseBuckets / 2;
    // Never below bucket 1, so that zero (bucket 0) always takes the map.
    m_denseFirst = middle > half ? middle - half : 1;
}

double QuantileSketch::middleOf(std::uint32_t bucket) {
    const double lower = std::bit_cast<double>(static_cast<std::uint64_t>(bucket) << kBucketShift);
    const double upper = std::bit_cast<double>(static_cast<std::uint64_t>(bucket + 1) << kBucketShift);
    // The top bucket's upper edge is infinity; its lower edge is close enough.
    return std::isfinite(upper) ? lower + (upper - lower) / 2 : lower;
}

void QuantileSketch::addSlow(double x, std::int64_t delta) {
    if (x == 0) {
        m_zeros += static_cast<std::uint64_t>(delta);
        return;
    }
    const std::uint32_t index = bucketOf(x);
    if (x > 0) {
        const std::uint32_t offset = index - m_denseFirst;
        if (offset < kDenseBuckets) {
            m_dense[offset] += static_cast<std::uint64_t>(delta);
            return;
        }
    }
    auto& map = x > 0 ? m_positive : m_negative;
    const std::uint64_t now = (map[index] += static_cast<std::uint64_t>(delta));
    if (now == 0) {
        map.erase(index);
    }
}

void QuantileSketch::remove(double x) {
    addSlow(x, -1);
    --m_count;
}

void QuantileSketch::merge(const QuantileSketch& other) {
    for (std::uint32_t i = 0; i < kDenseBuckets; ++i) {
        const std::uint64_t n = other.m_dense[i];
        if (n == 0) {
            continue;
        }
        const std::uint32_t index = other.m_denseFirst + i;
        const std::uint32_t offset = index - m_denseFirst;
        if (offset < kDenseBuckets) {
            m_dense[offset] += n;
        } else {
            m_positive[index] += n;
        }
    }
    for (const auto& [index, n] : other.m_positive) {
        const std::uint32_t offset = index - m_denseFirst;
        if (offset < kDenseBuckets) {
            m_dense[offset] += n;
        } else {
            m_positive[index] += n;
        }
    }
    for (const auto& [index, n] : other.m_negative) {
        m_negative[index] += n;
    }
    m_zeros += other.m_zeros;
    m_count += other.m_count;
}

double QuantileSketch::quantile(double q) const {
    if (m_count == 0) {
        return 0;
    }
    const double wanted = std::ceil(std::clamp(q, 0.0, 1.0) * static_cast<double>(m_count));
    const std::uint64_t rank = std::clamp<std::uint64_t>(static_cast<std::uint64_t>(wanted), 1, m_count);
    std::uint64_t seen = 0;
    // Negative values from the largest magnitude down, then zeros, then
    // positive values upwards: below the array, in it, above it.
    for (auto it = m_negative.rbegin(); it != m_negative.rend(); ++it) {
        seen += it->second;
        if (seen >= rank) {
            return -middleOf(it->first);
        }
    }
    seen += m_zeros;
    if (seen >= rank) {
        return 0;
    }
    auto it = m_positive.begin();
    for (; it != m_positive.end() && it->first < m_denseFirst; ++it) {
        seen += it->second;
        if (seen >= rank) {
            return middleOf(it->first);
        }
    }
    for (std::uint32_t i = 0; i < kDenseBuckets; ++i) {
        seen += m_dense[i];
        if (seen >= rank) {
            return middleOf(m_denseFirst + i);
        }
    }
    for (; it != m_positive.end(); ++it) {
        seen += it->second;
        if (seen >= rank) {
            return middleOf(it->first);
        }
    }
    return 0;  // not reached: the counts add up to m_count
}

bool QuantileSketch::operator==(const QuantileSketch& other) const {
    if (m_count != other.m_count || m_zeros != other.m_zeros || m_negative != other.m_negative) {
        return false;
    }
    // Compare bucket by bucket, whichever store holds it.
    std::map<std::uint32_t, std::uint64_t> mine = m_positive;
    std::map<std::uint32_t, std::uint64_t> theirs = other.m_positive;
    for (std::uint32_t i = 0; i < kDenseBuckets; ++i) {
        if (m_dense[i] != 0) {
            mine[m_denseFirst + i] += m_dense[i];
        }
        if (other.m_dense[i] != 0) {
            theirs[other.m_denseFirst + i] += other.m_dense[i];
        }
    }
    return mine == theirs;
}

}  // namespace quorvale
