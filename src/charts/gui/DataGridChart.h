#pragma once
// A business chart with a data grid: columns are series numbered from 1,
// rows are EYD steps numbered from 1, each placed at its EYD in stations;
// drawn as one line per series against that number, with a legend that
// names the series and axes that follow the data.
//
// The chart is the view of four parts: the table it holds (ChartTable), the
// policy that spends its room (ChartSizing), the notes on its plot
// (ChartNotes) and the hover, menu and export every chart view shares
// (ChartView). Its look (axis titles and units, hidden series, the mark at
// the lowest total cost, notes on capped values) only changes how the grid is
// drawn, never what it holds.
//
// Writes only change the grid; refresh() asks for a redraw that the event
// loop carries out once, however many rows were refreshed meanwhile, so a
// sweep of seventy rows into five charts costs five redraws, not 350.
// Redraws asked for in quick succession (a simulation writing a row at every
// step) come at most every kRedrawGapMs; the first after a pause comes at
// once.

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "charts/AxisRange.h"
#include "charts/ChartLook.h"
#include "charts/ChartTable.h"
#include "charts/DataGrid.h"
#include "charts/gui/ChartSizing.h"
#include "charts/gui/ChartView.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quorvale {

class ChartNotes;

class DataGridChart : public ChartView, public DataGrid {
    Q_OBJECT

public:
    static constexpr qint64 kRedrawGapMs = 40;

    // Rows and columns beyond these are refused; no sweep comes near them.
    static constexpr int kMaxRows = ChartTable::kMaxRows;
    static constexpr int kMaxColumns = ChartTable::kMaxColumns;
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
    void setRowX(double x) override;
    void setColumn(int column) override;
    void setData(double value) override;
    void refresh() override;

    int rowCount() const { return m_table.rowCount(); }
    int columnCount() const { return m_table.columnCount(); }
    int currentRow() const { return m_table.currentRow(); }
    QString rowLabel(int row) const;
    // NaN outside the grid.
    double value(int row, int column) const { return m_table.value(row, column); }
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
    bool isYTitleAbove() const;
    // The mark at the lowest total cost: one point, with its label; empty
    // when the look marks nothing or no total is charted.
    QScatterSeries* minimumMark() const;
    QString minimumText() const;
    // The notes on capped values, one a line; empty when no curve is capped.
    QString capNote() const;

    // The tool tip for a point near `point` on a series: the series, the EYD
    // of the nearest row and its value.
    QString pointText(int column, const QPointF& point) const;

    // The grid as saved data: a header with the row-label column and the
    // series labels, then one line per row. Cells that hold no number stay
    // empty.
    ChartExport::Table table() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void present(const ChartDetail& detail) override;

private:
    // What the last fit was made for besides the look, which refits when
    // it changes: the size, the series shown and the axes' ranges at every
    // step of the ladder of detail (the data reach the fit only through
    // them). A redraw that changes none of them, such as a run's new row
    // within the axes, keeps the fit.
    struct FitBasis {
        QSize room;
        QStringList shown;
        std::vector<std::array<double, 6>> ranges;
        bool operator==(const FitBasis&) const = default;
    };

    void matchSeriesToColumns();
    FitBasis fitBasis() const;
    void fitNow();
    AxisRange xRange(int intervals) const;
    AxisRange yRange(int intervals) const;
    void applyAxes();
    void placeNotes();
    QStringList shownSeriesLabels() const;
    int placeLegend(const ChartSizing::Legend& place);
    void onHovered(int column, const QPointF& point, bool entered);

    QStringList m_labels;
    ChartTable m_table;

    std::vector<QLineSeries*> m_series;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    // The mark at the lowest cost, the notes and the value axis' title
    // across.
    std::unique_ptr<ChartNotes> m_notes;
    qreal m_faceScale = 0;
    ChartLook m_look;
    // The extent of the drawn data, and how many tick intervals the axes
    // have room for at the chart's size.
    QRectF m_extent{0, 0, 1, 1};
    int m_xIntervals = kDefaultIntervals;
    int m_yIntervals = kDefaultIntervals;
    std::optional<FitBasis> m_fittedFor;
    bool m_redrawQueued = false;
    int m_redraws = 0;
    QElapsedTimer m_sinceRedraw;
};

}  // namespace quorvale
