#include "decision/gui/DecisionTornadoChart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "decision/gui/DecisionChartParts.h"
#include "inputs/InputRules.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

namespace tx = texts::decision;
using decision::applyRange;
using decision::cell;
using decision::money;
using decision::roundRange;
using decision::stations;

// Half the height of a bar's row.
constexpr double kHalfBar = 0.4;
constexpr int kPixelsPerInterval = 70;
// Between a bar's end and its text, in pixels.
constexpr qreal kEndGap = 4;
// The texts beside the bars may take this share of the plot's width at
// most; beyond it the bars would shrink to slivers, and the texts go.
constexpr qreal kMostEndShare = 0.6;
// Passes that widen the range for the texts beside the bars.
constexpr int kRangePasses = 6;
// Before its first layout, about this share of the chart is plot.
constexpr qreal kFirstPlotShare = 0.55;
const QColor kLowColour(70, 120, 180);
const QColor kHighColour(220, 130, 40);

// A long caption on two lines, its unit on the second. The labels are drawn
// as rich text; the captions hold no markup of their own.
QString wrappedCaption(const QString& caption) {
    const qsizetype unit = caption.lastIndexOf(QStringLiteral(" ("));
    return unit > 0 ? caption.left(unit) + QStringLiteral("<br>") + caption.mid(unit + 1) : caption;
}

double endCost(const TornadoBar& bar, bool atLow) { return atLow ? bar.costAtLow : bar.costAtHigh; }

}  // namespace

DecisionTornadoChart::DecisionTornadoChart(QWidget* parent) : DecisionChartView(parent) {
    auto* chart = new QChart;
    setTitle(qtext(tx::kTornadoTitle));
    m_cost = decision::newAxis(chart, Qt::AlignBottom);
    m_cost->setLabelFormat(QStringLiteral("%g"));
    m_variables = new QCategoryAxis(chart);
    m_variables->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    m_variables->setGridLineVisible(false);
    chart->addAxis(m_variables, Qt::AlignLeft);
    m_base = new QLineSeries(this);
    m_base->setPen(QPen(QColor(40, 40, 40), 2));
    chart->addSeries(m_base);
    m_base->attachAxis(m_cost);
    m_base->attachAxis(m_variables);
    adoptChart(chart);
    // A later layout of the same size puts the plot where the fit left it;
    // one of another size moves the texts with the bars.
    connect(chart, &QChart::plotAreaChanged, this, &DecisionTornadoChart::placeBarEnds);
    clear();
}

QString DecisionTornadoChart::caption(const TornadoBar& bar) {
    if (bar.drawIndex < 0 || bar.drawIndex >= RunInputs::kDrawnCount) {
        return QString::fromStdString(bar.variable);
    }
    return qtext(variableRule(RunInputs::drawnVariable(bar.drawIndex)).caption);
}

QString DecisionTornadoChart::barEndText(const TornadoBar& bar, bool atLow) {
    return qtext(tx::kBarEnd).arg(money(endCost(bar, atLow)), stations(atLow ? bar.eydAtLow : bar.eydAtHigh));
}

void DecisionTornadoChart::clear() { showTornado(Tornado{}); }

void DecisionTornadoChart::removeBars() {
    for (QAreaSeries* s : m_series) {
        chart()->removeSeries(s);
        delete s;
    }
    m_series.clear();
    for (QGraphicsSimpleTextItem* end : m_ends) {
        delete end;
    }
    m_ends.clear();
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
    setTitle(title);

    // Largest swing on top: bar i stands in row count - i. Within its row
    // the Low side takes the upper half and the High side the lower, so
    // both show even when they lie on the same side of the base.
    for (int i = 0; drawn && i < count; ++i) {
        const TornadoBar& bar = m_bars[static_cast<size_t>(i)];
        const double row = count - i;
        for (const bool atLow : {true, false}) {
            const double cost = endCost(bar, atLow);
            const double top = atLow ? row + kHalfBar : row;
            QAreaSeries* area = decision::newArea(qtext(atLow ? tx::kSeriesLow : tx::kSeriesHigh),
                                                  atLow ? kLowColour : kHighColour, this);
            decision::setRectangles(
                area, {QRectF(QPointF(std::min(base, cost), top), QPointF(std::max(base, cost), top - kHalfBar))});
            chart()->addSeries(area);
            area->attachAxis(m_cost);
            area->attachAxis(m_variables);
            connect(area, &QAreaSeries::hovered, this,
                    [this, i](const QPointF&, bool entered) { showHover(entered ? barText(i) : QString()); });
            m_series.push_back(area);
            m_ends.push_back(new QGraphicsSimpleTextItem(barEndText(bar, atLow), chart()));
            m_ends.back()->setZValue(6);
        }
    }
    m_variables->setStartValue(0.5);
    setCategories(m_wrapped);
    m_variables->setRange(0.5, std::max(count, 1) + 0.5);

    m_base->clear();
    std::vector<LegendStrip::Entry> legend;
    if (drawn) {
        m_base->append(base, 0.5);
        m_base->append(base, count + 0.5);
        m_base->setName(qtext(tx::kSeriesBase).arg(money(base)));
        legend.push_back({qtext(tx::kSeriesLow), LegendStrip::Symbol::Box, QPen(kLowColour.darker(130)), kLowColour});
        legend.push_back(
            {qtext(tx::kSeriesHigh), LegendStrip::Symbol::Box, QPen(kHighColour.darker(130)), kHighColour});
        legend.push_back({m_base->name(), LegendStrip::Symbol::Line, m_base->pen(), {}});
    }
    m_base->setVisible(drawn);
    setLegend(std::move(legend));
    refit();
    placeBarEnds();
}

// Categories go bottom up: the smallest swing first.
void DecisionTornadoChart::setCategories(bool wrapped) {
    m_wrapped = wrapped;
    for (const QString& label : m_variables->categoriesLabels()) {
        m_variables->remove(label);
    }
    const int count = static_cast<int>(m_series.size() / 2);
    for (int i = count - 1; i >= 0; --i) {
        const QString text = caption(m_bars[static_cast<size_t>(i)]);
        m_variables->append(wrapped ? wrappedCaption(text) : text, count - i + 0.5);
    }
}

void DecisionTornadoChart::present(const ChartDetail& detail) {
    m_cost->setTitleText(decision::axisTitle(tx::kTornadoAxis, tx::kTornadoAxisShort, detail));
    if (detail.wrappedLabels != m_wrapped) {
        setCategories(detail.wrappedLabels);
    }
    presentCommon(detail);
    QFont endFace = face(detail);
    endFace.setPointSizeF(endFace.pointSizeF() * 0.9);
    for (QGraphicsSimpleTextItem* end : m_ends) {
        end->setFont(endFace);
    }
    m_endsShown = detail.tickLabels;
    applyCostRange(decision::intervalsFor(static_cast<int>(chart()->size().width()), kPixelsPerInterval, detail));
}

// Round ends around the base and every bar's end, with room for the texts of
// the bars too short to hold them, where the plot has it.
void DecisionTornadoChart::applyCostRange(int intervals) {
    const double base = m_tornado.baseMinCost;
    if (m_series.empty()) {
        applyRange(m_cost, roundRange(0, 1, intervals));
        return;
    }
    double low = base;
    double high = base;
    for (size_t k = 0; k < m_ends.size(); ++k) {
        low = std::min(low, endCost(m_bars[k / 2], k % 2 == 0));
        high = std::max(high, endCost(m_bars[k / 2], k % 2 == 0));
    }
    const qreal plot =
        chart()->plotArea().width() > 0 ? chart()->plotArea().width() : chart()->size().width() * kFirstPlotShare;
    m_plotWidthUsed = plot;
    // A text too long for its bar stands beyond the bar's end. The range
    // grows to take those texts in, at the scale the wider range gives, and
    // the range that shows the most texts wins; the bars keep their share
    // of the plot.
    AxisRange best = roundRange(low, high, intervals);
    int shown = m_endsShown ? endsInRange(best, plot) : 0;
    AxisRange range = best;
    for (int pass = 0; m_endsShown && pass < kRangePasses; ++pass) {
        const double perPixel = (range.maximum - range.minimum) / plot;
        double from = low;
        double to = high;
        for (size_t k = 0; k < m_ends.size(); ++k) {
            const double cost = endCost(m_bars[k / 2], k % 2 == 0);
            const double room = endWidth(k) * perPixel;
            if (std::fabs(cost - base) >= room) {
                continue;
            }
            if (cost < base) {
                from = std::min(from, cost - room);
            } else {
                to = std::max(to, cost + room);
            }
        }
        if (to - from > (high - low) / (1 - kMostEndShare)) {
            break;
        }
        range = roundRange(from, to, intervals);
        if (const int inRange = endsInRange(range, plot); inRange > shown) {
            best = range;
            shown = inRange;
        }
    }
    applyRange(m_cost, best);
}

qreal DecisionTornadoChart::endWidth(size_t end) const { return m_ends[end]->boundingRect().width() + 2 * kEndGap; }

// How many texts find room, inside their bars or beyond their ends, with the
// cost axis over `range` on a plot `plot` pixels wide.
int DecisionTornadoChart::endsInRange(const AxisRange& range, qreal plot) const {
    const double base = m_tornado.baseMinCost;
    const double perPixel = (range.maximum - range.minimum) / plot;
    int count = 0;
    for (size_t k = 0; k < m_ends.size(); ++k) {
        const double cost = endCost(m_bars[k / 2], k % 2 == 0);
        const double room = endWidth(k) * perPixel;
        const bool inside = std::fabs(cost - base) >= room;
        const bool beyond = cost >= base ? cost + room <= range.maximum : cost - room >= range.minimum;
        count += inside || beyond ? 1 : 0;
    }
    return count;
}

bool DecisionTornadoChart::wantsSecondFit() const {
    return !m_ends.empty() && std::fabs(chart()->plotArea().width() - m_plotWidthUsed) > 0.05 * m_plotWidthUsed;
}

// Each text at its bar's far end from the base, in the middle of its half of
// the row: inside a bar long enough to hold it, else just beyond its end;
// where the plot has no room there, across the base line, where the half row
// is empty (the other bar of the variable has a half row of its own). A text
// with no room at all inside the plot is not shown.
void DecisionTornadoChart::placeBarEnds() {
    const QRectF plot = chart()->plotArea();
    const double base = m_tornado.baseMinCost;
    const int count = static_cast<int>(m_bars.size());
    const qreal baseX = chart()->mapToPosition(QPointF(base, 1), m_base).x();
    for (size_t k = 0; k < m_ends.size(); ++k) {
        const bool atLow = k % 2 == 0;
        const double cost = endCost(m_bars[k / 2], atLow);
        const double row = count - static_cast<int>(k / 2);
        const double middle = atLow ? row + kHalfBar / 2 : row - kHalfBar / 2;
        const QPointF at = chart()->mapToPosition(QPointF(cost, middle), m_base);
        const qreal halfRow = std::fabs(chart()->mapToPosition(QPointF(cost, row + kHalfBar), m_base).y() -
                                        chart()->mapToPosition(QPointF(cost, row), m_base).y());
        QGraphicsSimpleTextItem* end = m_ends[k];
        const QRectF box = end->boundingRect();
        const bool inside = std::fabs(at.x() - baseX) >= endWidth(k);
        const bool right = cost >= base;
        const auto inPlot = [&plot, &box](qreal x) { return x >= plot.left() && x + box.width() <= plot.right(); };
        qreal left = right == inside ? at.x() - kEndGap - box.width() : at.x() + kEndGap;
        if (!inside && !inPlot(left)) {
            left = right ? baseX - kEndGap - box.width() : baseX + kEndGap;
        }
        end->setBrush(inside ? QColor(Qt::white) : QColor(30, 30, 30));
        end->setPos(left, at.y() - box.height() / 2);
        end->setVisible(m_endsShown && inPlot(left) && box.height() <= halfRow + 2);
    }
}

QStringList DecisionTornadoChart::shownBarEnds() const {
    QStringList out;
    for (const QGraphicsSimpleTextItem* end : m_ends) {
        if (end->isVisible()) {
            out.append(end->text());
        }
    }
    return out;
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
    ChartExport::Table out{{tx::kTornadoColumns.begin(), tx::kTornadoColumns.end()}, {}};
    for (const TornadoBar& b : m_tornado.bars) {
        out.rows.push_back({caption(b).toStdString(), cell(b.costAtLow), cell(b.eydAtLow / 100), cell(b.costAtHigh),
                            cell(b.eydAtHigh / 100), cell(b.swing)});
    }
    return out;
}

}  // namespace quorvale
