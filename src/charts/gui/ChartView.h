#pragma once
// The view every chart of the program is drawn in: the static charts, the
// simulation chart and the Decision Analysis window's charts. Each gets the
// same hover tool tip, the same context menu with its export (Copy Image,
// Save Image..., Save Data...), and the same fit of its detail to the room it
// has (ChartFit). What a chart draws, and what it saves as data, is its own.

#include <QChartView>
#include <QString>

#include "charts/gui/ChartExport.h"
#include "charts/gui/ChartFit.h"

namespace quorvale {

class ChartView : public QChartView {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    // The chart's figures, for Save Data.
    virtual ChartExport::Table table() const = 0;
    // Copying and saving the picture and the data; the chart's own menu.
    ChartExport* exporter() const { return m_export; }
    // The tool tip the mouse last brought up; empty once it left.
    QString lastHoverText() const { return m_hoverText; }
    // The detail the chart's room allowed at its last fit.
    const ChartDetail& detail() const { return m_detail; }

protected:
    // Shows `chart`, owned by the view, in place of the view's first one.
    void adoptChart(QChart* chart);
    // Shows a tool tip at the mouse, or hides it for an empty text.
    void showHover(const QString& text);

    // Fits the chart to its room anew.
    void refit();
    // Brings the chart to a detail; the fit lays it out afterwards.
    virtual void present(const ChartDetail& detail) = 0;
    // Whether the layout came out so unlike what the last fit assumed that
    // the chart wants a second one.
    virtual bool wantsSecondFit() const { return false; }

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ChartExport* m_export;
    QString m_hoverText;
    ChartDetail m_detail;
};

}  // namespace quorvale
