#include "charts/gui/StaticChartWindow.h"

#include "charts/ChartLook.h"
#include "charts/gui/DataGridChart.h"

namespace quorvale {
namespace {
// Room for about forty stations of curve with readable axis labels.
constexpr double kInitialWidthTwips = 7200;
constexpr double kInitialHeightTwips = 4800;

SingleChartDesign designOf(const StaticChartDesign& design) {
    return {design.windowName,     design.chartName,   design.caption,     design.seriesLabels,
            design.clearedOnClose, kInitialWidthTwips, kInitialHeightTwips};
}

// Until a sweep draws it for its marks, a new window shows every series of
// its group, with the quantity its caption at creation names.
GraphMarks marksAtCreation() {
    GraphMarks marks;
    marks.roadCost = marks.loggingCost = marks.totalCost = true;
    marks.mbfDay = true;
    marks.totalDays = marks.cycleTime = marks.riggingTime = true;
    marks.roadDensity = marks.landingSpacing = true;
    return marks;
}
}  // namespace

StaticChartWindow::StaticChartWindow(const StaticChartDesign& design, ClearMark clearMark, QWidget* parent)
    : SingleChartWindow(designOf(design), std::move(clearMark), parent), m_group(design.group) {
    chart()->setLook(staticChartLook(design.group, marksAtCreation()));
}

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
