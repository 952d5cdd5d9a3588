#include "decision/gui/DecisionChartView.h"

#include <QAbstractAxis>
#include <QLegend>

namespace quorvale {
namespace {

constexpr int kMargin = 4;

}  // namespace

DecisionChartView::DecisionChartView(QWidget* parent) : ChartView(parent) {
    // Small enough for any tile; the fit takes away what has no room.
    setMinimumSize(120, 90);
    exporter()->setCaptionSource([this] { return m_title; });
}

void DecisionChartView::adoptChart(QChart* chart) {
    ChartView::adoptChart(chart);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    m_legend = std::make_unique<LegendStrip>(chart);
    // Whoever sizes the chart, the view or a page of the report, the chart
    // fits itself to the new room.
    connect(chart, &QGraphicsWidget::geometryChanged, this, &DecisionChartView::refit);
}

void DecisionChartView::setTitle(const QString& title) { m_title = title; }

void DecisionChartView::setLegend(std::vector<LegendStrip::Entry> entries) { m_legend->setEntries(std::move(entries)); }

QFont DecisionChartView::face(const ChartDetail& detail) const {
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * (detail.smallFace ? 0.75 : 0.9));
    return f;
}

void DecisionChartView::presentCommon(const ChartDetail& detail) {
    QChart* c = chart();
    const QFont f = face(detail);
    for (QAbstractAxis* axis : c->axes()) {
        axis->setLabelsFont(f);
        axis->setTitleFont(f);
        axis->setTitleVisible(detail.axisTitles);
        axis->setLabelsVisible(detail.tickLabels);
    }
    QFont titleFace = f;
    titleFace.setBold(true);
    c->setTitleFont(titleFace);
    c->setTitle(detail.chartTitle ? m_title : QString());
    const int legendHeight = m_legend->layOut(f, kMargin, detail.legend);
    c->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin + legendHeight));
}

}  // namespace quorvale
