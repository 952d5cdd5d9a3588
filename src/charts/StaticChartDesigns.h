#pragma once
// The five static chart windows as designed: window and chart control names,
// caption at creation, series labels, and the menu items each one clears when
// it closes (in that order).

#include <array>
#include <span>
#include <string_view>

#include "charts/ChartLoading.h"

namespace quorvale {

struct StaticChartDesign {
    ChartGroup group;
    std::string_view windowName;
    std::string_view chartName;
    std::string_view caption;
    std::span<const std::string_view> seriesLabels;
    std::span<const std::string_view> clearedOnClose;
};

const std::array<StaticChartDesign, 5>& staticChartDesigns();

}  // namespace quorvale
