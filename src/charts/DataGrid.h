#pragma once
// The data grid of a chart: columns are series numbered from 1, rows are EYD
// steps numbered from 1; a cell holds one number. Writers set the counts,
// then per row the current row and its place on the x axis, per column the
// current column and the value, then repaint.

namespace quorvale {

class DataGrid {
public:
    virtual ~DataGrid() = default;
    virtual void setColumnCount(int columns) = 0;
    virtual void setRowCount(int rows) = 0;
    virtual void setRow(int row) = 0;
    // The current row's place on the x axis: the EYD of its step in
    // stations, a number, which the chart also labels the row with.
    virtual void setRowX(double x) = 0;
    virtual void setColumn(int column) = 0;
    virtual void setData(double value) = 0;
    virtual void refresh() = 0;
};

}  // namespace quorvale
