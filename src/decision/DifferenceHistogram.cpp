#include "decision/DifferenceHistogram.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace quorvale {
DifferenceHistogram::DifferenceHistogram(double centre)
    : m_first((std::isfinite(centre) && std::fabs(centre) * 100 < kLargestCents ? std::llround(centre * 100) : 0) -
              kHalfWindow),
      m_window(2 * kHalfWindow, 0) {}

void DifferenceHistogram::change(double difference, std::int64_t delta) {
    // Unsigned arithmetic wraps, so a negative delta takes counts back exactly.
    const auto step = static_cast<std::uint64_t>(delta);
    m_count += step;
    const double cents = difference * 100;
    if (std::fabs(cents) < kLargestCents) {
        const std::int64_t offset = static_cast<std::int64_t>((cents + kRounding) - kRounding) - m_first;
        if (offset >= 0 && offset < static_cast<std::int64_t>(m_window.size())) {
            m_window[static_cast<size_t>(offset)] += step;
            return;
        }
    }
    auto& n = m_outside[difference];
    n += step;
    if (n == 0) {
        m_outside.erase(difference);
    }
}

void DifferenceHistogram::merge(const DifferenceHistogram& other) {
    if (other.m_first != m_first) {
        for (size_t i = 0; i < other.m_window.size(); ++i) {
            if (other.m_window[i] > 0) {
                change(other.valueAt(i), static_cast<std::int64_t>(other.m_window[i]));
            }
        }
        for (const auto& [value, n] : other.m_outside) {
            change(value, static_cast<std::int64_t>(n));
        }
        return;
    }
    m_count += other.m_count;
    for (size_t i = 0; i < m_window.size(); ++i) {
        m_window[i] += other.m_window[i];
    }
    for (const auto& [value, n] : other.m_outside) {
        m_outside[value] += n;
    }
}

std::uint64_t DifferenceHistogram::positive() const {
    std::uint64_t n = 0;
    for (size_t i = 0; i < m_window.size(); ++i) {
        n += valueAt(i) > 0 ? m_window[i] : 0;
    }
    for (const auto& [value, count] : m_outside) {
        n += value > 0 ? count : 0;
    }
    return n;
}

std::uint64_t DifferenceHistogram::negative() const {
    std::uint64_t n = 0;
    for (size_t i = 0; i < m_window.size(); ++i) {
        n += valueAt(i) < 0 ? m_window[i] : 0;
    }
    for (const auto& [value, count] : m_outside) {
        n += value < 0 ? count : 0;
    }
    return n;
}

double DifferenceHistogram::quantile(double q) const {
    if (m_count == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double wanted = std::ceil(q * static_cast<double>(m_count));
    const std::uint64_t rank = wanted < 1 ? 1 : static_cast<std::uint64_t>(wanted);
    std::uint64_t seen = 0;
    const double windowLow = static_cast<double>(m_first) / 100;
    auto it = m_outside.begin();
    // Values outside the window below it, then the window, then above it.
    for (; it != m_outside.end() && it->first < windowLow; ++it) {
        seen += it->second;
        if (seen >= rank) {
            return it->first;
        }
    }
    for (size_t i = 0; i < m_window.size(); ++i) {
        seen += m_window[i];
        if (seen >= rank) {
            return valueAt(i);
        }
    }
    for (; it != m_outside.end(); ++it) {
        seen += it->second;
        if (seen >= rank) {
            return it->first;
        }
    }
    return std::prev(m_outside.end())->first;
}

}  // namespace quorvale
