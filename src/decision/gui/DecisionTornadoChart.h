#pragma once
// The tornado of the Decision Analysis window: per drawn variable the
// minimum cost with that variable at its Low and at its High, around the
// all-Average cost, largest swing on top. Each bar's end carries its cost and
// the EYD it is reached at; a bar's figures show on hover.

#include <vector>

#include "charts/AxisRange.h"
#include "decision/DecisionAnalysis.h"
#include "decision/gui/DecisionChartView.h"

class QAreaSeries;
class QCategoryAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace quorvale {

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
    // What the end of a bar says: its cost and EYD; `atLow` for the end
    // with the variable at its Low.
    static QString barEndText(const TornadoBar& bar, bool atLow);
    // The texts at the bars' ends that have room to show.
    QStringList shownBarEnds() const;
    ChartExport::Table table() const override;

    QCategoryAxis* variableAxis() const { return m_variables; }

protected:
    void present(const ChartDetail& detail) override;
    bool wantsSecondFit() const override;

private:
    void removeBars();
    void setCategories(bool wrapped);
    void applyCostRange(int intervals);
    qreal endWidth(size_t end) const;
    int endsInRange(const AxisRange& range, qreal plot) const;
    void placeBarEnds();

    Tornado m_tornado;
    std::vector<TornadoBar> m_bars;
    std::vector<QAreaSeries*> m_series;
    // The texts at the bars' ends: Low and High of each bar in turn.
    std::vector<QGraphicsSimpleTextItem*> m_ends;
    QLineSeries* m_base = nullptr;
    QValueAxis* m_cost = nullptr;
    QCategoryAxis* m_variables = nullptr;
    bool m_wrapped = false;
    bool m_endsShown = true;
    // The plot's width the cost axis was last fitted for.
    qreal m_plotWidthUsed = 0;
};

}  // namespace quorvale
