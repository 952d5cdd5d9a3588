#include "decision/gui/DecisionCostChart.h"

#include <QAreaSeries>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "decision/gui/DecisionChartParts.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

namespace tx = texts::decision;
using decision::applyRange;
using decision::axisTitle;
using decision::cell;
using decision::intervalsFor;
using decision::money;
using decision::roundRange;
using decision::stations;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Half the width of a bar, in stations.
constexpr double kHalfBar = 0.4;
// The steep costs of the shortest EYDs would flatten the part of the curve
// the decision is about; the cost axis stops at this multiple of the best
// mean (the hover and the saved data still give every step).
constexpr double kCostAxisReach = 1.5;
// Room per tick interval, in pixels.
constexpr int kPixelsPerXInterval = 60;
constexpr int kPixelsPerYInterval = 45;

bool finiteRow(const DecisionRow& r) {
    return std::isfinite(r.mean) && std::isfinite(r.p10) && std::isfinite(r.p50) && std::isfinite(r.p90) &&
           std::isfinite(r.pOptimal) && std::isfinite(r.eyd);
}

// Percent labels with as many decimals as the interval needs, so that no
// two ticks read alike.
QString percentFormat(double interval) {
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(interval) - 1e-9)));
    return QStringLiteral("%.%1f %%").arg(decimals);
}

LegendStrip::Entry boxEntry(const QAreaSeries* area) {
    return {area->name(), LegendStrip::Symbol::Box, QPen(area->color().darker(130)), area->brush()};
}

}  // namespace

DecisionCostChart::DecisionCostChart(QWidget* parent) : DecisionChartView(parent) {
    auto* chart = new QChart;
    setTitle(qtext(tx::kCostTitle));
    m_x = decision::newAxis(chart, Qt::AlignBottom);
    m_x->setLabelFormat(QStringLiteral("%g"));
    m_cost = decision::newAxis(chart, Qt::AlignLeft);
    m_cost->setLabelFormat(QStringLiteral("%g"));
    m_share = decision::newAxis(chart, Qt::AlignRight);
    m_share->setGridLineVisible(false);

    m_band = decision::newArea(QString(), QColor(120, 190, 120, 70), this);
    m_bars = decision::newArea(qtext(tx::kSeriesShare), QColor(150, 120, 190, 120), this);
    m_spread = decision::newArea(qtext(tx::kSeriesSpread), QColor(90, 140, 210, 70), this);
    m_p50 = new QLineSeries(this);
    m_p50->setName(qtext(tx::kSeriesP50));
    m_p50->setPen(QPen(QColor(20, 20, 20), 1.2, Qt::DashLine));
    m_mean = new QLineSeries(this);
    m_mean->setName(qtext(tx::kSeriesMean));
    m_mean->setPen(QPen(QColor(20, 70, 150), 2.5));
    m_recommended = new QScatterSeries(this);
    m_recommended->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_recommended->setMarkerSize(12);
    m_recommended->setColor(QColor(200, 40, 40));
    m_recommended->setBorderColor(Qt::white);

    // Drawn in this order: the band behind everything, the curves on top;
    // the P50 runs close to the mean, so its thin dashes go over it.
    for (QAbstractSeries* s :
         std::initializer_list<QAbstractSeries*>{m_band, m_bars, m_spread, m_mean, m_p50, m_recommended}) {
        chart->addSeries(s);
        s->attachAxis(m_x);
        s->attachAxis(s == m_bars ? m_share : m_cost);
    }
    for (QAreaSeries* area : {m_band, m_bars, m_spread}) {
        connect(area, &QAreaSeries::hovered, this, &DecisionCostChart::hovered);
    }
    for (QXYSeries* line : std::initializer_list<QXYSeries*>{m_mean, m_p50, m_recommended}) {
        connect(line, &QXYSeries::hovered, this, &DecisionCostChart::hovered);
    }
    adoptChart(chart);
    clear();
}

void DecisionCostChart::clear() { showResult(DecisionResult{}); }

void DecisionCostChart::showResult(const DecisionResult& result) {
    m_rows.clear();
    for (const DecisionRow& row : result.rows) {
        if (finiteRow(row)) {
            m_rows.push_back(row);
        }
    }
    QList<QPointF> mean, p50, p10, p90;
    std::vector<QRectF> bars;
    double costLow = kInfinity;
    double costHigh = -kInfinity;
    double bestMean = kInfinity;
    double shareHigh = 0;
    for (const DecisionRow& row : m_rows) {
        const double x = row.eyd / 100;
        mean << QPointF(x, row.mean);
        p50 << QPointF(x, row.p50);
        p10 << QPointF(x, row.p10);
        p90 << QPointF(x, row.p90);
        bars.emplace_back(QPointF(x - kHalfBar, 100 * row.pOptimal), QPointF(x + kHalfBar, 0));
        costLow = std::min(costLow, row.p10);
        costHigh = std::max(costHigh, row.p90);
        bestMean = std::min(bestMean, row.mean);
        shareHigh = std::max(shareHigh, 100 * row.pOptimal);
    }
    m_mean->replace(mean);
    m_p50->replace(p50);
    m_spread->upperSeries()->replace(p90);
    m_spread->lowerSeries()->replace(p10);
    decision::setRectangles(m_bars, bars);

    if (m_rows.empty()) {
        costLow = 0;
        costHigh = 1;
        bestMean = 1;
    }
    m_costLow = costLow;
    m_costHigh = std::min(costHigh, kCostAxisReach * bestMean);
    // Ticks at round stations; the last bar is drawn whole.
    m_lastStation = m_rows.empty() ? 1 : m_rows.back().eyd / 100;
    // The bars keep to the lower part of the plot, under the cost curves.
    m_shareHigh = std::min(100.0, std::max(1.0, shareHigh * 2.5));

    const bool hasBest = !m_rows.empty() && result.recommendedStep > 0 && std::isfinite(result.recommendedMean);
    m_recommended->clear();
    if (hasBest) {
        m_recommended->append(result.recommendedEyd / 100, result.recommendedMean);
        m_recommended->setName(qtext(tx::kSeriesRecommended).arg(stations(result.recommendedEyd)));
        m_bandFrom = std::min(result.bandFromEyd, result.bandToEyd) / 100;
        m_bandTo = std::max(result.bandFromEyd, result.bandToEyd) / 100;
        m_band->setName(qtext(tx::kSeriesBand).arg(QString::fromStdString(plainDecimal(100 * result.bandTolerance))));
    }
    m_recommended->setVisible(hasBest);
    m_band->setVisible(hasBest);

    std::vector<LegendStrip::Entry> legend;
    if (hasBest) {
        legend.push_back(boxEntry(m_band));
    }
    legend.push_back(boxEntry(m_bars));
    legend.push_back(boxEntry(m_spread));
    legend.push_back({m_mean->name(), LegendStrip::Symbol::Line, m_mean->pen(), {}});
    legend.push_back({m_p50->name(), LegendStrip::Symbol::Line, m_p50->pen(), {}});
    if (hasBest) {
        legend.push_back({m_recommended->name(), LegendStrip::Symbol::Dot, QPen(Qt::white), m_recommended->brush()});
    }
    setLegend(std::move(legend));
    refit();
}

void DecisionCostChart::present(const ChartDetail& detail) {
    m_x->setTitleText(axisTitle(tx::kEydAxis, tx::kEydAxisShort, detail));
    m_cost->setTitleText(axisTitle(tx::kCostAxis, tx::kCostAxisShort, detail));
    m_share->setTitleText(axisTitle(tx::kShareAxis, tx::kShareAxisShort, detail));
    presentCommon(detail);
    const QSizeF room = chart()->size();
    applyRanges(intervalsFor(static_cast<int>(room.width()), kPixelsPerXInterval, detail),
                intervalsFor(static_cast<int>(room.height()), kPixelsPerYInterval, detail));
}

void DecisionCostChart::applyRanges(int xIntervals, int costIntervals) {
    const AxisRange cost = roundRange(m_costLow, m_costHigh, costIntervals);
    applyRange(m_cost, cost);
    const AxisRange x = roundRange(0, m_lastStation, xIntervals);
    applyRange(m_x, {0, m_lastStation + 0.5, x.tickInterval});
    const AxisRange share = roundRange(0, m_shareHigh, costIntervals);
    applyRange(m_share, {0, std::min(100.0, share.maximum), share.tickInterval});
    m_share->setLabelFormat(percentFormat(share.tickInterval));
    decision::setRectangles(m_band, {});
    if (m_band->isVisible()) {
        decision::setRectangles(
            m_band, {QRectF(QPointF(m_bandFrom - 0.5, cost.maximum), QPointF(m_bandTo + 0.5, cost.minimum))});
    }
}

QString DecisionCostChart::stepText(double x) const {
    const DecisionRow* nearest = nullptr;
    double distance = kInfinity;
    for (const DecisionRow& row : m_rows) {
        const double d = std::fabs(row.eyd / 100 - x);
        if (d < distance) {
            distance = d;
            nearest = &row;
        }
    }
    if (!nearest) {
        return {};
    }
    const DecisionRow& r = *nearest;
    return qtext(tx::kCostHover)
        .arg(stations(r.eyd), money(r.mean), money(r.p10), money(r.p90), money(r.p50),
             QString::fromStdString(fixedDecimal(100 * r.pOptimal, 1)), money(r.regret));
}

void DecisionCostChart::hovered(const QPointF& point, bool entered) {
    showHover(entered ? stepText(point.x()) : QString());
}

ChartExport::Table DecisionCostChart::table() const {
    ChartExport::Table out{{tx::kCostColumns.begin(), tx::kCostColumns.end()}, {}};
    for (const DecisionRow& r : m_rows) {
        out.rows.push_back({cell(r.eyd / 100), cell(r.mean), cell(r.stddev), cell(r.halfWidth), cell(r.p10),
                            cell(r.p50), cell(r.p90), cell(r.pOptimal), cell(r.regret)});
    }
    return out;
}

}  // namespace quorvale
