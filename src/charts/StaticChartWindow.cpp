#include "charts/StaticChartWindow.h"

namespace quorvale {
namespace {
// Room for about forty stations of curve with readable axis labels.
constexpr double kInitialWidthTwips = 7200;
constexpr double kInitialHeightTwips = 4800;

SingleChartDesign designOf(const StaticChartSpec& spec) {
    return {spec.windowName,     spec.chartName,     spec.caption,       spec.seriesLabels,
            spec.clearedOnClose, kInitialWidthTwips, kInitialHeightTwips};
}
}  // namespace

StaticChartWindow::StaticChartWindow(const StaticChartSpec& spec, ClearMark clearMark, QWidget* parent)
    : SingleChartWindow(designOf(spec), std::move(clearMark), parent), m_group(spec.group) {}

WindowId StaticChartWindow::windowId(ChartGroup group) {
    switch (group) {
        case ChartGroup::Cost:
            return WindowId::FrmGraph;
        case ChartGroup::Production:
            return WindowId::FrmGraphLoads;
        case ChartGroup::LoggingTime:
            return WindowId::FrmGraphLogging;
        case ChartGroup::Roads:
            return WindowId::FrmGraphRoad;
        case ChartGroup::Settings:
            return WindowId::FrmGraphSettings;
    }
    return WindowId::FrmGraph;
}

}  // namespace quorvale
