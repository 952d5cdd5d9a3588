#include "decision/gui/DecisionComparisonChart.h"

#include <QLegend>
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
using decision::cell;
using decision::money;
using decision::roundRange;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// As on the cost chart: the steep costs of the shortest EYDs stay off the axis.
constexpr double kCostAxisReach = 1.5;
// Each axis has about this many round intervals.
constexpr int kIntervals = 5;

const DecisionRow* rowAt(const std::vector<DecisionRow>& rows, int step) {
    for (const DecisionRow& r : rows) {
        if (r.step == step) {
            return &r;
        }
    }
    return nullptr;
}

std::vector<DecisionRow> finiteRows(const DecisionResult& r) {
    std::vector<DecisionRow> rows;
    if (r.scenarios == 0) {
        return rows;
    }
    std::copy_if(r.rows.begin(), r.rows.end(), std::back_inserter(rows),
                 [](const DecisionRow& row) { return std::isfinite(row.mean); });
    return rows;
}

}  // namespace

DecisionComparisonChart::DecisionComparisonChart(QWidget* parent) : DecisionChartView(parent) {
    auto* chart = new QChart;
    setTitle(qtext(tx::kCompareTitle));
    auto axis = [&](Qt::Alignment where) {
        QValueAxis* a = decision::newAxis(chart, where);
        a->setLabelFormat(QStringLiteral("%g"));
        return a;
    };
    m_x = axis(Qt::AlignBottom);
    m_cost = axis(Qt::AlignLeft);
    m_delta = axis(Qt::AlignRight);
    m_delta->setGridLineVisible(false);
    m_a = new QLineSeries(this);
    m_a->setPen(QPen(QColor(20, 70, 150), 2.5));
    m_b = new QLineSeries(this);
    m_b->setPen(QPen(QColor(200, 110, 20), 2.5));
    m_difference = new QLineSeries(this);
    m_difference->setName(qtext(tx::kCompareDifference));
    m_difference->setPen(QPen(QColor(90, 90, 90), 1.2, Qt::DashLine));
    m_chosen = new QScatterSeries(this);
    m_chosen->setName(qtext(tx::kCompareChosen));
    m_chosen->setMarkerSize(12);
    m_chosen->setColor(QColor(200, 40, 40));
    m_chosen->setBorderColor(Qt::white);
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{m_difference, m_a, m_b, m_chosen}) {
        chart->addSeries(s);
        s->attachAxis(m_x);
        s->attachAxis(s == m_difference ? m_delta : m_cost);
        connect(s, &QXYSeries::hovered, this,
                [this](const QPointF& p, bool entered) { showHover(entered ? stepText(p.x()) : QString()); });
    }
    adoptChart(chart);
    clear();
}

void DecisionComparisonChart::clear() { showComparison(ComparisonResult{}, QString(), QString()); }

void DecisionComparisonChart::showComparison(const ComparisonResult& c, const QString& nameA, const QString& nameB) {
    m_rowsA = finiteRows(c.a);
    m_rowsB = finiteRows(c.b);
    m_a->setName(nameA);
    m_b->setName(nameB);
    QList<QPointF> a, b, difference;
    double low = kInfinity, high = -kInfinity, best = kInfinity;
    double deltaLow = 0, deltaHigh = 0;
    for (const auto& [rows, points] : {std::pair{&m_rowsA, &a}, std::pair{&m_rowsB, &b}}) {
        for (const DecisionRow& r : *rows) {
            *points << QPointF(r.eyd / 100, r.mean);
            low = std::min(low, r.mean);
            high = std::max(high, r.mean);
            best = std::min(best, r.mean);
        }
    }
    for (const DecisionRow& ra : m_rowsA) {
        if (const DecisionRow* rb = rowAt(m_rowsB, ra.step)) {
            const double d = rb->mean - ra.mean;
            difference << QPointF(ra.eyd / 100, d);
            deltaLow = std::min(deltaLow, d);
            deltaHigh = std::max(deltaHigh, d);
        }
    }
    m_a->replace(a);
    m_b->replace(b);
    m_difference->replace(difference);
    m_chosen->clear();
    if (c.decided()) {
        const DecisionResult& chosen = c.chooseA ? c.a : c.b;
        m_chosen->append(chosen.recommendedEyd / 100, chosen.recommendedMean);
    }
    if (a.isEmpty() && b.isEmpty()) {
        low = 0;
        high = 1;
        best = 1;
    }
    applyRange(m_cost, roundRange(low, std::min(high, kCostAxisReach * best), kIntervals));
    // The difference axis keeps 0 in view, so the sign reads at a glance.
    applyRange(m_delta, roundRange(deltaLow, deltaHigh, kIntervals));
    const double last =
        std::max(m_rowsA.empty() ? 1 : m_rowsA.back().eyd / 100, m_rowsB.empty() ? 1 : m_rowsB.back().eyd / 100);
    applyRange(m_x, roundRange(0, last, kIntervals));
    m_x->setRange(0, last + 0.5);

    std::vector<LegendStrip::Entry> legend;
    for (QLineSeries* line : {m_a, m_b, m_difference}) {
        if (!line->name().isEmpty()) {
            legend.push_back({line->name(), LegendStrip::Symbol::Line, line->pen(), {}});
        }
    }
    if (c.decided()) {
        legend.push_back({m_chosen->name(), LegendStrip::Symbol::Dot, QPen(Qt::white), m_chosen->brush()});
    }
    setLegend(std::move(legend));
    refit();
}

void DecisionComparisonChart::present(const ChartDetail& detail) {
    m_x->setTitleText(decision::axisTitle(tx::kEydAxis, tx::kEydAxisShort, detail));
    m_cost->setTitleText(decision::axisTitle(tx::kCostAxis, tx::kCostAxisShort, detail));
    m_delta->setTitleText(decision::axisTitle(tx::kCompareDifferenceAxis, tx::kCostAxisShort, detail));
    presentCommon(detail);
}

QString DecisionComparisonChart::stepText(double stations) const {
    const int step = std::max(1, static_cast<int>(std::lround(stations)));
    const DecisionRow* a = rowAt(m_rowsA, step);
    const DecisionRow* b = rowAt(m_rowsB, step);
    if (!a && !b) {
        return {};
    }
    const QString none = QStringLiteral("\u2013");
    return qtext(tx::kCompareHover)
        .arg(QString::number(step), m_a->name(), a ? money(a->mean) : none, m_b->name(), b ? money(b->mean) : none,
             a && b ? money(b->mean - a->mean) : none);
}

ChartExport::Table DecisionComparisonChart::table() const {
    ChartExport::Table out{{tx::kCompareColumns.begin(), tx::kCompareColumns.end()}, {}};
    const size_t steps = std::max(m_rowsA.empty() ? 0 : static_cast<size_t>(m_rowsA.back().step),
                                  m_rowsB.empty() ? 0 : static_cast<size_t>(m_rowsB.back().step));
    for (size_t s = 1; s <= steps; ++s) {
        const DecisionRow* a = rowAt(m_rowsA, static_cast<int>(s));
        const DecisionRow* b = rowAt(m_rowsB, static_cast<int>(s));
        out.rows.push_back(
            {std::to_string(s), a ? cell(a->mean) : "", b ? cell(b->mean) : "", a && b ? cell(b->mean - a->mean) : ""});
    }
    return out;
}

}  // namespace quorvale
