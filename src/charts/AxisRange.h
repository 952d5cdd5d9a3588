#pragma once
// Axis bounds that a reader takes in at a glance: round numbers at both ends
// and a round tick interval, for any finite data however large or small.

namespace quorvale {

struct AxisRange {
    double minimum = 0;
    double maximum = 1;
    // Tick marks stand at every multiple of the interval inside the range.
    double tickInterval = 1;
};

enum class AxisKind {
    // Row positions (whole stations): the range starts at a round number
    // and ends half a row beyond the last one, so its marker is drawn whole.
    Positions,
    // Values: the range reaches down (or up) to 0, and data that land
    // exactly on a round end get one more interval, so no curve runs along
    // the frame.
    Values,
};

// Bounds covering [low, high] (both finite), widened to round numbers with
// about `intervals` intervals (five unless the room for the axis asks for
// fewer or more). A single value gets a range around it.
inline constexpr int kDefaultIntervals = 5;
AxisRange niceAxisRange(double low, double high, AxisKind kind, int intervals = kDefaultIntervals);

}  // namespace quorvale
