#include "charts/gui/SingleChartWindow.h"

#include <QVBoxLayout>

#include "charts/gui/DataGridChart.h"
#include "base/gui/Twips.h"
#include "base/gui/QtText.h"

namespace quorvale {

SingleChartWindow::SingleChartWindow(const SingleChartDesign& design, ClearMark clearMark, QWidget* parent)
    : ChildWindow(parent), m_clearedOnClose(design.clearedOnClose), m_clearMark(std::move(clearMark)) {
    setObjectName(qtext(design.windowName));
    setWindowTitle(qtext(design.caption));

    QStringList labels;
    for (std::string_view label : design.seriesLabels) {
        labels.append(qtext(label));
    }
    m_chart = new DataGridChart(labels, this);
    m_chart->setObjectName(qtext(design.chartName));

    // No margin on any side: the chart is the window. The layout keeps it so
    // through every resize and ignores the sizes of a minimized window.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_chart);
    m_designSize = Twips(*this).size(design.widthTwips, design.heightTwips);
    resize(m_designSize);
}

// The items are addressed through the one main window, never through a
// reference of the chart window's own.
void SingleChartWindow::unloadWindow() {
    if (!m_clearMark) {
        return;
    }
    for (std::string_view item : m_clearedOnClose) {
        m_clearMark(qtext(item));
    }
}

}  // namespace quorvale
