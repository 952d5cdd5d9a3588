#include "decision/gui/DecisionChartView.h"

#include <QAbstractAxis>
#include <QContextMenuEvent>
#include <QLegend>
#include <QMenu>
#include <QToolTip>

namespace quorvale {
namespace {

constexpr int kMargin = 4;

}  // namespace

DecisionChartView::DecisionChartView(QWidget* parent)
    : QChartView(parent), m_export(new ChartExport(this, [this] { return table(); })) {
    setRenderHint(QPainter::Antialiasing, true);
    // Small enough for any tile; the fit takes away what has no room.
    setMinimumSize(120, 90);
    m_export->setCaptionSource([this] { return m_title; });
}

// The view starts with a chart of its own, which it lets go of (without
// deleting it) when given another.
void DecisionChartView::adoptChart(QChart* chart) {
    QChart* builtIn = QChartView::chart();
    setChart(chart);
    delete builtIn;
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    m_legend = std::make_unique<LegendStrip>(chart);
    // Whoever sizes the chart, the view or a page of the report, the chart
    // fits itself to the new room.
    connect(chart, &QGraphicsWidget::geometryChanged, this, &DecisionChartView::refit);
}

void DecisionChartView::setTitle(const QString& title) { m_title = title; }

void DecisionChartView::setLegend(std::vector<LegendStrip::Entry> entries) { m_legend->setEntries(std::move(entries)); }

void DecisionChartView::showHover(const QString& text) {
    m_hoverText = text;
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(QCursor::pos(), text, this);
    }
}

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

void DecisionChartView::refit() {
    const auto apply = [this](const ChartDetail& d) { present(d); };
    m_detail = ChartFit::fit(*chart(), apply);
    if (wantsSecondFit()) {
        m_detail = ChartFit::fit(*chart(), apply);
    }
}

void DecisionChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = m_export->createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

}  // namespace quorvale
