#pragma once
// The two charts of the Decision Analysis window, drawn from a result value:
//
//   DecisionCostChart: per EYD step the mean total cost, the P50 and the
//   P10-P90 spread, the recommended EYD and the near-optimal band, with the
//   share of scenarios that are cheapest at each step as bars on a second
//   axis.
//   DecisionTornadoChart: per drawn variable the minimum cost with that
//   variable at its Low and at its High, around the all-Average cost,
//   largest swing on top.
//
// Both show a step's or a bar's figures on hover and offer the charts'
// Copy Image / Save Image / Save Data menu.

#include <QChartView>
#include <QString>
#include <vector>

#include "charts/gui/ChartExport.h"
#include "decision/DecisionAnalysis.h"

class QAreaSeries;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QCategoryAxis;

namespace quorvale {

// What the two charts share: the hover tool tip and the context menu.
class DecisionChartView : public QChartView {
    Q_OBJECT

public:
    explicit DecisionChartView(QWidget* parent = nullptr);

    // The chart's figures, for Save Data.
    virtual ChartExport::Table table() const = 0;
    ChartExport* exporter() const { return m_export; }
    QString lastHoverText() const { return m_hoverText; }

protected:
    // Shows `chart`, owned by the view, in place of the view's first one.
    void adoptChart(QChart* chart);
    void showHover(const QString& text);
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ChartExport* m_export;
    QString m_hoverText;
};

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

private:
    void hovered(const QPointF& point, bool entered);

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
};

class DecisionTornadoChart final : public DecisionChartView {
    Q_OBJECT

public:
    explicit DecisionTornadoChart(QWidget* parent = nullptr);

    void showTornado(const Tornado& tornado);
    void clear();

    // The bars drawn, largest swing first; variables that do not move the
    // cost at all are left out.
    const std::vector<TornadoBar>& bars() const { return m_bars; }
    // The Variables window's caption of a bar's variable.
    static QString caption(const TornadoBar& bar);
    QString barText(int index) const;
    ChartExport::Table table() const override;

    QCategoryAxis* variableAxis() const { return m_variables; }

private:
    void removeBars();

    Tornado m_tornado;
    std::vector<TornadoBar> m_bars;
    std::vector<QAreaSeries*> m_series;
    QLineSeries* m_base = nullptr;
    QValueAxis* m_cost = nullptr;
    QCategoryAxis* m_variables = nullptr;
};

}  // namespace quorvale
