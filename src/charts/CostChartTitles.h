#pragma once
// The cost chart's caption: which cost series are charted and for which range
// case. The texts are kept exactly as users have always seen them, blanks
// included, so exported screenshots and reports match older ones.

#include <optional>
#include <string_view>

#include "model/GraphMarks.h"

namespace quorvale {

inline constexpr int kCostChartTitleCount = 21;

// Title number 1 to 21; an empty view for any other number.
std::string_view costChartTitle(int number);

// The number of the title SetCostChartTitle writes for these marks: the last
// of the 21 tests that holds, each test naming all three cost marks and one
// range mark. None when no cost item or no range item is checked.
std::optional<int> costChartTitleNumber(const GraphMarks& marks);

}  // namespace quorvale
