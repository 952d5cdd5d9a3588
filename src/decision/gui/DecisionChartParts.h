#pragma once
// Drawing pieces the Decision Analysis window's charts share: round axis
// ranges, bars drawn as area series, axes, and the tick count the room
// allows at a detail.

#include <QColor>
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "charts/AxisRange.h"
#include "charts/gui/ChartFit.h"

class QAreaSeries;
class QChart;
class QObject;
class QValueAxis;

namespace quorvale::decision {

// Round ends and a round interval around [low, high] with about `intervals`
// intervals, without reaching down to 0: the differences between costs are
// what the charts are for.
AxisRange roundRange(double low, double high, int intervals);
void applyRange(QValueAxis* axis, const AxisRange& range);

// How many tick intervals an axis of `pixels` has room for at a detail.
int intervalsFor(int pixels, int pixelsPerInterval, const ChartDetail& detail);

// Dollars per mbf with two decimals, as the hover texts give them.
QString money(double value);
// Feet as stations, plainly written.
QString stations(double feet);
// A figure of the saved data: exact, and an empty cell when it is no number.
std::string cell(double value);

// The title an axis shows at a detail.
QString axisTitle(const char* whole, const char* brief, const ChartDetail& detail);

QAreaSeries* newArea(const QString& name, const QColor& fill, QObject* parent);
// Several rectangles in one area series.
void setRectangles(QAreaSeries* area, const std::vector<QRectF>& rects);
QValueAxis* newAxis(QChart* chart, Qt::Alignment where);

}  // namespace quorvale::decision
