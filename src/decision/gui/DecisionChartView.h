#pragma once
// What the Decision Analysis window's two charts share: the hover tool tip,
// the context menu with its export, their look, and the fit of their detail
// to the room they have (ChartFit), redone at every resize and every new
// result.

#include <QChartView>
#include <QString>
#include <memory>

#include "charts/gui/ChartExport.h"
#include "charts/gui/ChartFit.h"
#include "charts/gui/LegendStrip.h"

namespace quorvale {

class DecisionChartView : public QChartView {
    Q_OBJECT

public:
    explicit DecisionChartView(QWidget* parent = nullptr);

    // The chart's figures, for Save Data.
    virtual ChartExport::Table table() const = 0;
    ChartExport* exporter() const { return m_export; }
    QString lastHoverText() const { return m_hoverText; }

    // The chart's title, whether or not its room lets it show.
    QString title() const { return m_title; }
    // The names the legend below the plot gives.
    QStringList legendNames() const { return m_legend->names(); }
    bool isLegendShown() const { return m_legend->isShown(); }
    const ChartDetail& detail() const { return m_detail; }

protected:
    // Shows `chart`, owned by the view, in place of the view's first one.
    void adoptChart(QChart* chart);
    void setTitle(const QString& title);
    void setLegend(std::vector<LegendStrip::Entry> entries);
    void showHover(const QString& text);

    // Fits the chart to its room anew: after new figures and whenever the
    // chart is resized.
    void refit();
    // Brings the chart to a detail: its faces, titles, ticks and legend.
    // The common parts (faces, the title, the legend and the margins) are
    // done; the chart adds its own.
    virtual void present(const ChartDetail& detail) = 0;
    // The face of the chart's texts at a detail.
    QFont face(const ChartDetail& detail) const;
    // The face, the title, the legend and the margins at a detail.
    void presentCommon(const ChartDetail& detail);
    // Whether the layout came out so unlike what the last fit assumed that
    // the chart wants a second one.
    virtual bool wantsSecondFit() const { return false; }

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ChartExport* m_export;
    std::unique_ptr<LegendStrip> m_legend;
    QString m_hoverText;
    QString m_title;
    ChartDetail m_detail;
};

}  // namespace quorvale
