#pragma once
// Two alternatives on the same scenarios: each one's mean total cost by EYD
// with its recommended step marked, and the difference of the means (B - A)
// at every step on a second axis.

#include <vector>

#include "decision/gui/DecisionCostChart.h"

namespace quorvale {

class DecisionComparisonChart final : public DecisionChartView {
    Q_OBJECT

public:
    explicit DecisionComparisonChart(QWidget* parent = nullptr);

    // Draws a comparison; one without rows empties the chart. `nameA` and
    // `nameB` label the curves.
    void showComparison(const ComparisonResult& comparison, const QString& nameA, const QString& nameB);
    void clear();

    QLineSeries* seriesA() const { return m_a; }
    QLineSeries* seriesB() const { return m_b; }
    QLineSeries* difference() const { return m_difference; }
    QString stepText(double stations) const;
    ChartExport::Table table() const override;

protected:
    void present(const ChartDetail& detail) override;

private:
    std::vector<DecisionRow> m_rowsA;
    std::vector<DecisionRow> m_rowsB;
    QLineSeries* m_a = nullptr;
    QLineSeries* m_b = nullptr;
    QLineSeries* m_difference = nullptr;
    QScatterSeries* m_chosen = nullptr;
    QValueAxis* m_x = nullptr;
    QValueAxis* m_cost = nullptr;
    QValueAxis* m_delta = nullptr;
};

}  // namespace quorvale
