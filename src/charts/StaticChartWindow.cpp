#include "charts/StaticChartWindow.h"

#include <QVBoxLayout>

#include "charts/DataGridChart.h"
#include "shell/Twips.h"

namespace quorvale {
namespace {
// Room for about forty stations of curve with readable axis labels.
constexpr double kInitialWidthTwips = 7200;
constexpr double kInitialHeightTwips = 4800;

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }
}  // namespace

StaticChartWindow::StaticChartWindow(const StaticChartSpec& spec, ClearMark clearMark, QWidget* parent)
    : ChildWindow(parent), m_spec(spec), m_clearMark(std::move(clearMark)) {
    setObjectName(text(spec.windowName));
    setWindowTitle(text(spec.caption));

    QStringList labels;
    for (std::string_view label : spec.seriesLabels) {
        labels.append(text(label));
    }
    m_chart = new DataGridChart(labels, this);
    m_chart->setObjectName(text(spec.chartName));

    // No margin on any side: the chart is the window. The layout keeps it so
    // through every resize and ignores the sizes of a minimized window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_chart);
    resize(Twips(*this).size(kInitialWidthTwips, kInitialHeightTwips));
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

void StaticChartWindow::unloadWindow() {
    if (!m_clearMark) {
        return;
    }
    for (std::string_view item : m_spec.clearedOnClose) {
        m_clearMark(text(item));
    }
}

}  // namespace quorvale
