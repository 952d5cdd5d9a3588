#include "decision/gui/DecisionVoiChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalBarSeries>
#include <QLegend>
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

QString caption(const VoiEntry& entry) { return qtext(variableRule(entry.variable).caption); }

}  // namespace

DecisionVoiChart::DecisionVoiChart(QWidget* parent) : DecisionChartView(parent) {
    auto* chart = new QChart;
    setTitle(qtext(tx::kVoiTitle));
    m_set = new QBarSet(qtext(tx::kVoiSeries), this);
    m_set->setColor(QColor(60, 140, 90));
    m_series = new QHorizontalBarSeries(this);
    m_series->append(m_set);
    m_series->setBarWidth(0.7);
    chart->addSeries(m_series);
    m_variables = new QBarCategoryAxis(chart);
    m_variables->setGridLineVisible(false);
    chart->addAxis(m_variables, Qt::AlignLeft);
    m_value = new QValueAxis(chart);
    m_value->setLabelFormat(QStringLiteral("%.2f"));
    chart->addAxis(m_value, Qt::AlignBottom);
    m_series->attachAxis(m_variables);
    m_series->attachAxis(m_value);
    connect(m_series, &QHorizontalBarSeries::hovered, this,
            [this](bool entered, int index, QBarSet*) { showHover(entered ? barText(index) : QString()); });
    adoptChart(chart);
    clear();
}

void DecisionVoiChart::showValues(const std::vector<VoiEntry>& voi) {
    m_entries.clear();
    for (const VoiEntry& v : voi) {
        if (std::isfinite(v.evppi) && std::isfinite(v.evppiDollars)) {
            m_entries.push_back(v);
        }
    }
    m_set->remove(0, m_set->count());
    m_variables->clear();
    // Categories go bottom up: the largest last, so it stands on top.
    QStringList names;
    QList<qreal> values;
    double largest = 0;
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        names << caption(*it);
        values << it->evppi;
        largest = std::max(largest, it->evppi);
    }
    m_set->append(values);
    m_variables->append(names.isEmpty() ? QStringList{QString()} : names);
    // A round end a little beyond the largest bar; a cent at least, so that
    // bars of nothing stay on a readable axis.
    const double reach = std::max(largest * 1.1, 0.01);
    const double magnitude = std::pow(10.0, std::floor(std::log10(reach)));
    m_value->setRange(0, std::ceil(reach / magnitude) * magnitude);
    setTitle(qtext(m_entries.empty() ? tx::kVoiEmpty : tx::kVoiTitle));
    refit();
}

void DecisionVoiChart::present(const ChartDetail& detail) {
    m_value->setTitleText(decision::axisTitle(tx::kVoiAxis, tx::kCostAxisShort, detail));
    presentCommon(detail);
}

QString DecisionVoiChart::barText(int index) const {
    // Bars are drawn bottom up: index 0 is the smallest.
    const int at = static_cast<int>(m_entries.size()) - 1 - index;
    if (at < 0 || at >= static_cast<int>(m_entries.size())) {
        return {};
    }
    const VoiEntry& v = m_entries[static_cast<size_t>(at)];
    return qtext(tx::kVoiHover)
        .arg(caption(v), QString::fromStdString(fixedDecimal(v.evppi, 2)),
             QString::fromStdString(fixedDecimal(v.evppiDollars, 0)));
}

ChartExport::Table DecisionVoiChart::table() const {
    ChartExport::Table out{{tx::kVoiColumns.begin(), tx::kVoiColumns.end()}, {}};
    for (const VoiEntry& v : m_entries) {
        out.rows.push_back({caption(v).toStdString(), roundTripText(v.evppi), roundTripText(v.evppiDollars)});
    }
    return out;
}

}  // namespace quorvale
