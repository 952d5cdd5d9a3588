#pragma once
// What the Decision Analysis window's two charts share beyond every chart's
// view (hover, context menu, export, fit): a title the export and the report
// carry, a legend that wraps below the plot, their faces, and a fit redone
// whenever their chart is resized or shows new figures.

#include <QString>
#include <memory>

#include "charts/gui/ChartView.h"
#include "charts/gui/LegendStrip.h"

namespace quorvale {

class DecisionChartView : public ChartView {
    Q_OBJECT

public:
    explicit DecisionChartView(QWidget* parent = nullptr);

    // The chart's title, whether or not its room lets it show.
    QString title() const { return m_title; }
    // The names the legend below the plot gives.
    QStringList legendNames() const { return m_legend->names(); }
    bool isLegendShown() const { return m_legend->isShown(); }

protected:
    // Shows `chart` with the legend strip in place of Qt's legend; whoever
    // sizes the chart afterwards, the chart fits itself to the new room.
    void adoptChart(QChart* chart);
    void setTitle(const QString& title);
    void setLegend(std::vector<LegendStrip::Entry> entries);

    // The face of the chart's texts at a detail.
    QFont face(const ChartDetail& detail) const;
    // The face, the title, the legend and the margins at a detail; each
    // chart adds its own parts in present().
    void presentCommon(const ChartDetail& detail);

private:
    std::unique_ptr<LegendStrip> m_legend;
    QString m_title;
};

}  // namespace quorvale
