#pragma once
// The data grid of a chart: columns are series numbered from 1, rows are EYD
// steps numbered from 1, each row labelled; a cell holds one number. Writers
// set the counts, then per row the current row, its label, per column the
// current column and the value, then repaint.

#include <string>

namespace quorvale {

class DataGrid {
public:
    virtual ~DataGrid() = default;
    virtual void setColumnCount(int columns) = 0;
    virtual void setRowCount(int rows) = 0;
    virtual void setRow(int row) = 0;
    virtual void setRowLabel(const std::string& label) = 0;
    virtual void setColumn(int column) = 0;
    virtual void setData(double value) = 0;
    virtual void refresh() = 0;
};

}  // namespace quorvale
