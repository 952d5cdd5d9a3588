#pragma once
// A business chart with a data grid: columns are series numbered from 1,
// rows are EYD steps numbered from 1, each row labelled; drawn as one line
// per series against the row label (the EYD in stations), with a legend that
// names the series and axes that follow the data.
//
// Its look (axis titles and units, hidden series, the mark at the lowest
// total cost, notes on capped values) only changes how the grid is drawn,
// never what it holds. Ticks, fonts and the legend follow the window's size,
// so a chart in a small tiled window stays readable.
//
// Writes only change the grid; refresh() asks for a redraw that the event
// loop carries out once, however many rows were refreshed meanwhile, so a
// sweep of seventy rows into five charts costs five redraws, not 350.

#include <QChartView>
#include <QString>
#include <QStringList>
#include <vector>

#include "charts/ChartLook.h"
#include "charts/AxisRange.h"
#include "charts/DataGrid.h"
#include "charts/gui/ChartExport.h"
#include "charts/gui/ChartFit.h"

class QFontMetrics;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvale {

class DataGridChart : public QChartView, public DataGrid {
    Q_OBJECT

public:
    // Rows and columns beyond these are refused; no sweep comes near them.
    static constexpr int kMaxRows = 10000;
    static constexpr int kMaxColumns = 64;
    static constexpr int kPlaceholderRows = 23;

    // One series per label; the grid starts with the placeholder rows
    // "R1" to "R23" holding 0.
    explicit DataGridChart(const QStringList& seriesLabels, QWidget* parent = nullptr);
    ~DataGridChart() override;

    // The grid operations. Row and column numbers outside the grid select
    // nothing, and the writes that follow are dropped.
    void setColumnCount(int columns) override;
    void setRowCount(int rows) override;
    void setRow(int row) override;
    void setRowLabel(const std::string& label) override;
    void setColumn(int column) override;
    void setData(double value) override;
    void refresh() override;

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columns; }
    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }
    QString rowLabel(int row) const;
    // NaN outside the grid.
    double value(int row, int column) const;
    // The label of every column of the grid, in column order.
    QStringList seriesLabels() const;
    QString seriesLabel(int column) const;

    // How the grid is drawn; the series of the look follow the columns.
    void setLook(const ChartLook& look);
    const ChartLook& look() const { return m_look; }
    // Whether a column's series is drawn (and named in the legend).
    bool isSeriesShown(int column) const;
    QString seriesUnit(int column) const;

    // The drawn state: what the last redraw put on the screen.
    bool redrawPending() const { return m_redrawQueued; }
    void redrawNow();
    int redrawCount() const { return m_redraws; }
    QLineSeries* series(int column) const;
    QValueAxis* xAxis() const { return m_axisX; }
    QValueAxis* yAxis() const { return m_axisY; }
    // Whether the value axis' title stands across, above the axis.
    bool isYTitleAbove() const { return m_yTitleAbove; }
    // The detail the chart's room allowed at its last fit.
    const ChartDetail& detail() const { return m_detail; }
    // The mark at the lowest total cost: one point, with its label; empty
    // when the look marks nothing or no total is charted.
    QScatterSeries* minimumMark() const { return m_minimum; }
    QString minimumText() const;
    // The notes on capped values, one a line; empty when no curve is capped.
    QString capNote() const;

    // The tool tip for a point near `point` on a series: the series, the EYD
    // of the nearest row and its value.
    QString pointText(int column, const QPointF& point) const;
    QString lastHoverText() const { return m_hoverText; }

    // Copying and saving the picture and the grid; the chart's own menu.
    ChartExport* exporter() const { return m_export; }
    // The grid as saved data: a header with the row-label column and the
    // series labels, then one line per row. Cells that hold no number stay
    // empty.
    ChartExport::Table table() const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        QString label;
        std::vector<double> cells;
    };

    bool validRow(int row) const { return row >= 1 && row <= rowCount(); }
    bool validColumn(int column) const { return column >= 1 && column <= m_columns; }
    double rowX(int index) const;
    void matchSeriesToColumns();
    std::vector<double> columnValues(int column) const;
    void applyAxes();
    void markMinimum();
    void noteCaps();
    void placeNotes();
    void fitToSize();
    void present(const ChartDetail& detail);
    int placeLegend(bool wanted, const QFontMetrics& metrics);
    QString axisTitle(bool vertical, const ChartDetail& detail) const;
    void onHovered(int column, const QPointF& point, bool entered);

    QStringList m_labels;
    std::vector<Row> m_rows;
    int m_columns = 0;
    int m_row = 0;
    int m_column = 0;

    std::vector<QLineSeries*> m_series;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QScatterSeries* m_minimum = nullptr;
    // The notes on the plot: a text on a light box each.
    QGraphicsRectItem* m_minimumLabel = nullptr;
    QGraphicsRectItem* m_capLabel = nullptr;
    QString m_minimumText;
    QString m_capText;
    // In a low window the value axis' title stands above the axis, across,
    // where it has the room it lacks along the axis.
    QGraphicsSimpleTextItem* m_yTitleAcross = nullptr;
    bool m_yTitleAbove = false;
    qreal m_faceScale = 0;
    ChartLook m_look;
    ChartDetail m_detail;
    // The extent of the drawn data, and how many tick intervals the axes
    // have room for at the chart's size.
    QRectF m_extent{0, 0, 1, 1};
    int m_xIntervals = kDefaultIntervals;
    int m_yIntervals = kDefaultIntervals;
    bool m_redrawQueued = false;
    int m_redraws = 0;
    QString m_hoverText;
    ChartExport* m_export = nullptr;
};

}  // namespace quorvale
