#pragma once
// The cost chart of the Decision Analysis window: per EYD step the mean
// total cost, the P50 and the P10-P90 spread, the recommended EYD and the
// near-optimal band, with the share of scenarios that are cheapest at each
// step as bars on a second axis. A step's figures show on hover.

#include <vector>

#include "decision/DecisionAnalysis.h"
#include "decision/gui/DecisionChartView.h"

class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvale {

class DecisionCostChart final : public DecisionChartView {
    Q_OBJECT

public:
    explicit DecisionCostChart(QWidget* parent = nullptr);

    // Draws the rows of a result; a result without rows empties the chart.
    void showResult(const DecisionResult& result);
    void clear();

    // The figures of the step nearest to `stations`, empty without rows.
    QString stepText(double stations) const;
    ChartExport::Table table() const override;

    const std::vector<DecisionRow>& rows() const { return m_rows; }
    QLineSeries* meanSeries() const { return m_mean; }
    QValueAxis* xAxis() const { return m_x; }
    QValueAxis* costAxis() const { return m_cost; }
    QValueAxis* shareAxis() const { return m_share; }

protected:
    void present(const ChartDetail& detail) override;

private:
    void hovered(const QPointF& point, bool entered);
    void applyRanges(int xIntervals, int costIntervals);

    std::vector<DecisionRow> m_rows;
    QAreaSeries* m_band = nullptr;
    QAreaSeries* m_spread = nullptr;
    QAreaSeries* m_bars = nullptr;
    QLineSeries* m_mean = nullptr;
    QLineSeries* m_p50 = nullptr;
    QScatterSeries* m_recommended = nullptr;
    QValueAxis* m_x = nullptr;
    QValueAxis* m_cost = nullptr;
    QValueAxis* m_share = nullptr;

    // What the axes must cover, from the last result.
    double m_costLow = 0;
    double m_costHigh = 1;
    double m_lastStation = 1;
    double m_shareHigh = 1;
    double m_bandFrom = 0;
    double m_bandTo = 0;
};

}  // namespace quorvale
