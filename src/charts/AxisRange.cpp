#include "charts/AxisRange.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace quorvale {
namespace {

constexpr int kFewestIntervals = 1;
constexpr double kHalfRow = 0.5;
constexpr double kMostIntervals = 12;

// 1, 2, 2.5 or 5 times a power of ten, at least `raw`.
double roundStep(double raw) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    double factor = 10;
    if (normal <= 1) {
        factor = 1;
    } else if (normal <= 2) {
        factor = 2;
    } else if (normal <= 2.5) {
        factor = 2.5;
    } else if (normal <= 5) {
        factor = 5;
    }
    return factor * magnitude;
}

}  // namespace

AxisRange niceAxisRange(double low, double high, AxisKind kind, int intervals) {
    const double target = std::clamp(intervals, kFewestIntervals, static_cast<int>(kMostIntervals));
    const bool values = kind == AxisKind::Values;
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return {};
    }
    if (low > high) {
        std::swap(low, high);
    }
    if (values) {
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    if (low == high) {
        const double pad = low == 0 ? 1 : std::fabs(low) / 2;
        low -= pad;
        high += pad;
    }
    // Halving both ends keeps the span finite for data near the limits of a
    // double; the range then covers the data only approximately there, which
    // is all a picture needs.
    double span = high - low;
    if (!std::isfinite(span)) {
        low /= 2;
        high /= 2;
        return {low, high, (high - low) / target};
    }
    const double step = roundStep(span / target);
    if (!(step > 0) || !std::isfinite(step)) {
        return {low, high, span};
    }
    double minimum = std::floor(low / step) * step;
    double maximum = std::ceil(high / step) * step;
    if (values && maximum == high && high != 0) {
        maximum += step;
    }
    if (values && minimum == low && low != 0) {
        minimum -= step;
    }
    double interval = step;
    if (!values) {
        minimum = std::min(minimum, low - kHalfRow);
        maximum = high + kHalfRow;
        interval = roundStep((maximum - minimum) / target);
    }
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || maximum <= minimum) {
        return {low, high, span};
    }
    // However the numbers fell, an axis never gets more than a few dozen
    // ticks: drawing them is all the chart would do.
    if (!(interval > 0) || (maximum - minimum) / interval > kMostIntervals) {
        interval = (maximum - minimum) / target;
    }
    return {minimum, maximum, interval};
}

}  // namespace quorvale
