#include "decision/gui/DecisionCharts.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QContextMenuEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "charts/AxisRange.h"
#include "inputs/InputRules.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

namespace tx = texts::decision;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Half the width of a bar, in stations (or in rows of the tornado).
constexpr double kHalfBar = 0.4;
// The steep costs of the shortest EYDs would flatten the part of the curve
// the decision is about; the cost axis stops at this multiple of the best
// mean (the hover and the saved data still give every step).
constexpr double kCostAxisReach = 1.5;

QString money(double value) { return QString::fromStdString(fixedDecimal(value, 2)); }
QString stations(double feet) { return QString::fromStdString(plainDecimal(feet / 100)); }
std::string cell(double value) { return std::isfinite(value) ? roundTripText(value) : std::string(); }
template <size_t N>
std::vector<std::string> headings(const std::array<const char*, N>& columns) {
    return {columns.begin(), columns.end()};
}

bool finiteRow(const DecisionRow& r) {
    return std::isfinite(r.mean) && std::isfinite(r.p10) && std::isfinite(r.p50) && std::isfinite(r.p90) &&
           std::isfinite(r.pOptimal) && std::isfinite(r.eyd);
}

// Round ends and a round interval around [low, high], without reaching
// down to 0: the differences between costs are what the charts are for.
AxisRange roundRange(double low, double high) {
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double raw = (high - low) / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double ratio = raw / magnitude;
    const double step = magnitude * (ratio <= 1 ? 1 : ratio <= 2 ? 2 : ratio <= 5 ? 5 : 10);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

void applyRange(QValueAxis* axis, const AxisRange& range) {
    // Range and interval change one after the other; with dynamic ticks the
    // state in between could ask for a great many ticks.
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(range.minimum, range.maximum);
    axis->setTickAnchor(range.minimum);
    axis->setTickInterval(range.tickInterval);
    axis->setTickType(QValueAxis::TicksDynamic);
}

QAreaSeries* newArea(const QString& name, const QColor& fill, QObject* parent) {
    auto* area = new QAreaSeries(new QLineSeries(parent), new QLineSeries(parent));
    area->setName(name);
    area->setColor(fill);
    area->setBorderColor(fill.darker(130));
    area->setPen(QPen(Qt::NoPen));
    return area;
}

void setRectangles(QAreaSeries* area, const std::vector<QRectF>& rects) {
    // Several rectangles in one area: the outline drops to the bottom
    // between them, so the fill shows only where a rectangle stands.
    QList<QPointF> upper;
    QList<QPointF> lower;
    for (const QRectF& r : rects) {
        upper << QPointF(r.left(), r.bottom()) << QPointF(r.left(), r.top()) << QPointF(r.right(), r.top())
              << QPointF(r.right(), r.bottom());
        lower << QPointF(r.left(), r.bottom()) << QPointF(r.left(), r.bottom()) << QPointF(r.right(), r.bottom())
              << QPointF(r.right(), r.bottom());
    }
    area->upperSeries()->replace(upper);
    area->lowerSeries()->replace(lower);
}

void hideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series)) {
        marker->setVisible(false);
    }
}

QChart* newChart(const char* title, const QFont& font) {
    auto* chart = new QChart;
    chart->setTitle(qtext(title));
    QFont small = font;
    small.setPointSizeF(small.pointSizeF() * 0.9);
    chart->legend()->setFont(small);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

QValueAxis* newAxis(QChart* chart, const char* title, Qt::Alignment where) {
    auto* axis = new QValueAxis(chart);
    axis->setTitleText(qtext(title));
    axis->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(axis, where);
    return axis;
}

}  // namespace

DecisionChartView::DecisionChartView(QWidget* parent)
    : QChartView(parent), m_export(new ChartExport(this, [this] { return table(); })) {
    setRenderHint(QPainter::Antialiasing, true);
    setMinimumSize(240, 200);
}

// The view starts with a chart of its own, which it lets go of (without
// deleting it) when given another.
void DecisionChartView::adoptChart(QChart* chart) {
    QChart* builtIn = QChartView::chart();
    setChart(chart);
    delete builtIn;
}

void DecisionChartView::showHover(const QString& text) {
    m_hoverText = text;
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(QCursor::pos(), text, this);
    }
}

void DecisionChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = m_export->createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

// ---------------------------------------------------------------------------

DecisionCostChart::DecisionCostChart(QWidget* parent) : DecisionChartView(parent) {
    QChart* chart = newChart(tx::kCostTitle, font());
    m_x = newAxis(chart, tx::kEydAxis, Qt::AlignBottom);
    m_x->setLabelFormat(QStringLiteral("%g"));
    m_cost = newAxis(chart, tx::kCostAxis, Qt::AlignLeft);
    m_cost->setLabelFormat(QStringLiteral("%g"));
    m_share = newAxis(chart, tx::kShareAxis, Qt::AlignRight);
    m_share->setLabelFormat(QStringLiteral("%.0f %%"));
    m_share->setGridLineVisible(false);

    m_band = newArea(QString(), QColor(120, 190, 120, 70), this);
    m_bars = newArea(qtext(tx::kSeriesShare), QColor(150, 120, 190, 120), this);
    m_spread = newArea(qtext(tx::kSeriesSpread), QColor(90, 140, 210, 70), this);
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
    setRectangles(m_bars, bars);

    if (m_rows.empty()) {
        costLow = 0;
        costHigh = 1;
        bestMean = 1;
    }
    const AxisRange cost = roundRange(costLow, std::min(costHigh, kCostAxisReach * bestMean));
    applyRange(m_cost, cost);
    // Ticks at round stations; the last bar is drawn whole.
    const double lastStation = m_rows.empty() ? 1 : m_rows.back().eyd / 100;
    const AxisRange x = roundRange(0, lastStation);
    applyRange(m_x, {0, lastStation + 0.5, x.tickInterval});
    // The bars keep to the lower part of the plot, under the cost curves.
    const AxisRange share = roundRange(0, std::min(100.0, std::max(1.0, shareHigh * 2.5)));
    applyRange(m_share, {0, std::min(100.0, share.maximum), share.tickInterval});

    const bool hasBest = !m_rows.empty() && result.recommendedStep > 0 && std::isfinite(result.recommendedMean);
    m_recommended->clear();
    setRectangles(m_band, {});
    if (hasBest) {
        const double x = result.recommendedEyd / 100;
        m_recommended->append(x, result.recommendedMean);
        m_recommended->setName(qtext(tx::kSeriesRecommended).arg(stations(result.recommendedEyd)));
        const double from = std::min(result.bandFromEyd, result.bandToEyd) / 100;
        const double to = std::max(result.bandFromEyd, result.bandToEyd) / 100;
        setRectangles(m_band, {QRectF(QPointF(from - 0.5, cost.maximum), QPointF(to + 0.5, cost.minimum))});
        m_band->setName(qtext(tx::kSeriesBand).arg(QString::fromStdString(plainDecimal(100 * result.bandTolerance))));
    }
    m_recommended->setVisible(hasBest);
    m_band->setVisible(hasBest);
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
    ChartExport::Table out{headings(tx::kCostColumns), {}};
    for (const DecisionRow& r : m_rows) {
        out.rows.push_back({cell(r.eyd / 100), cell(r.mean), cell(r.stddev), cell(r.halfWidth), cell(r.p10),
                            cell(r.p50), cell(r.p90), cell(r.pOptimal), cell(r.regret)});
    }
    return out;
}

// ---------------------------------------------------------------------------

DecisionTornadoChart::DecisionTornadoChart(QWidget* parent) : DecisionChartView(parent) {
    QChart* chart = newChart(tx::kTornadoTitle, font());
    m_cost = newAxis(chart, tx::kTornadoAxis, Qt::AlignBottom);
    m_cost->setLabelFormat(QStringLiteral("%g"));
    m_variables = new QCategoryAxis(chart);
    m_variables->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    m_variables->setGridLineVisible(false);
    // The captions are long; a slightly smaller face keeps them whole.
    QFont labels = m_variables->labelsFont();
    labels.setPointSizeF(font().pointSizeF() * 0.9);
    m_variables->setLabelsFont(labels);
    chart->addAxis(m_variables, Qt::AlignLeft);
    m_base = new QLineSeries(this);
    m_base->setPen(QPen(QColor(40, 40, 40), 2));
    chart->addSeries(m_base);
    m_base->attachAxis(m_cost);
    m_base->attachAxis(m_variables);
    adoptChart(chart);
    clear();
}

QString DecisionTornadoChart::caption(const TornadoBar& bar) {
    if (bar.drawIndex < 0 || bar.drawIndex >= RunInputs::kDrawnCount) {
        return QString::fromStdString(bar.variable);
    }
    return qtext(variableRule(RunInputs::drawnVariable(bar.drawIndex)).caption);
}

void DecisionTornadoChart::clear() { showTornado(Tornado{}); }

void DecisionTornadoChart::removeBars() {
    for (QAreaSeries* s : m_series) {
        chart()->removeSeries(s);
        delete s;
    }
    m_series.clear();
    for (const QString& label : m_variables->categoriesLabels()) {
        m_variables->remove(label);
    }
}

void DecisionTornadoChart::showTornado(const Tornado& tornado) {
    removeBars();
    m_tornado = tornado;
    m_bars.clear();
    QStringList leftOut;  // a side with no finite cost has no bar to draw
    for (const TornadoBar& bar : tornado.bars) {
        if (!bar.complete()) {
            // Without a finite base every variable fails at both ends; those
            // with one finite end show where it breaks.
            if (tornado.hasBase() || bar.hasLow() != bar.hasHigh()) {
                leftOut << caption(bar).toHtmlEscaped();
            }
        } else if (bar.swing > 0) {
            m_bars.push_back(bar);
        }
    }
    const int count = static_cast<int>(m_bars.size());
    const double base = tornado.baseMinCost;
    const bool drawn = count > 0 && tornado.hasBase();
    QString title = qtext(tx::kTornadoTitle);
    if (!tornado.bars.empty() && !tornado.hasBase()) {
        title = qtext(tx::kTornadoNoBase);
    } else if (!drawn && leftOut.isEmpty() && !tornado.bars.empty()) {
        title = qtext(tx::kTornadoEmpty);
    }
    if (!leftOut.isEmpty()) {
        title += QStringLiteral("<br><small>%1</small>").arg(qtext(tx::kTornadoLeftOut).arg(leftOut.join(", ")));
    }
    chart()->setTitle(title);

    double low = drawn ? base : 0;
    double high = drawn ? base : 1;
    // Largest swing on top: bar i stands in row count - i. Within its row
    // the Low side takes the upper half and the High side the lower, so
    // both show even when they lie on the same side of the base.
    m_variables->setStartValue(0.5);
    for (int i = 0; drawn && i < count; ++i) {
        const TornadoBar& bar = m_bars[static_cast<size_t>(i)];
        const double row = count - i;
        for (const bool atLow : {true, false}) {
            const double cost = atLow ? bar.costAtLow : bar.costAtHigh;
            const double top = atLow ? row + kHalfBar : row;
            QAreaSeries* area = newArea(qtext(atLow ? tx::kSeriesLow : tx::kSeriesHigh),
                                        atLow ? QColor(70, 120, 180) : QColor(220, 130, 40), this);
            setRectangles(area,
                          {QRectF(QPointF(std::min(base, cost), top), QPointF(std::max(base, cost), top - kHalfBar))});
            chart()->addSeries(area);
            area->attachAxis(m_cost);
            area->attachAxis(m_variables);
            if (i > 0) {
                hideFromLegend(chart(), area);
            }
            connect(area, &QAreaSeries::hovered, this,
                    [this, i](const QPointF&, bool entered) { showHover(entered ? barText(i) : QString()); });
            m_series.push_back(area);
            low = std::min(low, cost);
            high = std::max(high, cost);
        }
    }
    // Categories go bottom up: the smallest swing first.
    for (int i = count - 1; drawn && i >= 0; --i) {
        m_variables->append(caption(m_bars[static_cast<size_t>(i)]), count - i + 0.5);
    }
    m_variables->setRange(0.5, std::max(count, 1) + 0.5);
    applyRange(m_cost, roundRange(low, high));

    m_base->clear();
    if (drawn) {
        m_base->append(base, 0.5);
        m_base->append(base, count + 0.5);
        m_base->setName(qtext(tx::kSeriesBase).arg(money(base)));
    }
    m_base->setVisible(drawn);
}

QString DecisionTornadoChart::barText(int index) const {
    if (index < 0 || index >= static_cast<int>(m_bars.size())) {
        return {};
    }
    const TornadoBar& b = m_bars[static_cast<size_t>(index)];
    return qtext(tx::kTornadoHover)
        .arg(caption(b), money(b.costAtLow), stations(b.eydAtLow), money(b.costAtHigh), stations(b.eydAtHigh),
             money(b.swing));
}

ChartExport::Table DecisionTornadoChart::table() const {
    ChartExport::Table out{headings(tx::kTornadoColumns), {}};
    for (const TornadoBar& b : m_tornado.bars) {
        out.rows.push_back({caption(b).toStdString(), cell(b.costAtLow), cell(b.eydAtLow / 100), cell(b.costAtHigh),
                            cell(b.eydAtHigh / 100), cell(b.swing)});
    }
    return out;
}

}  // namespace quorvale
