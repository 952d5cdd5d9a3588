#include "decision/gui/DecisionChartParts.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "base/gui/QtText.h"
#include "inputs/NumberText.h"

namespace quorvale::decision {
namespace {

constexpr int kFewestIntervals = 2;
constexpr int kMostIntervals = 8;

}  // namespace

AxisRange roundRange(double low, double high, int intervals) {
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    const double raw = (high - low) / std::max(intervals, 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double ratio = raw / magnitude;
    const double step = magnitude * (ratio <= 1 ? 1 : ratio <= 2 ? 2 : ratio <= 5 ? 5 : 10);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

void applyRange(QValueAxis* axis, const AxisRange& range) {
    // Range and interval change one after the other; with dynamic ticks the
    // state in between could ask for a great many ticks.
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(range.minimum, range.maximum);
    axis->setTickAnchor(range.minimum);
    axis->setTickInterval(range.tickInterval);
    axis->setTickType(QValueAxis::TicksDynamic);
}

int intervalsFor(int pixels, int pixelsPerInterval, const ChartDetail& detail) {
    if (detail.fewestTicks()) {
        return 1;
    }
    return std::clamp(pixels / pixelsPerInterval / detail.tickDivisor, kFewestIntervals, kMostIntervals);
}

QString money(double value) { return qtext(fixedDecimal(value, 2)); }

QString stations(double feet) { return qtext(plainDecimal(feet / 100)); }

std::string cell(double value) { return std::isfinite(value) ? roundTripText(value) : std::string(); }

QString axisTitle(const char* whole, const char* brief, const ChartDetail& detail) {
    return qtext(detail.shortTitles ? brief : whole);
}

QAreaSeries* newArea(const QString& name, const QColor& fill, QObject* parent) {
    auto* area = new QAreaSeries(new QLineSeries(parent), new QLineSeries(parent));
    area->setName(name);
    area->setColor(fill);
    area->setBorderColor(fill.darker(130));
    area->setPen(QPen(Qt::NoPen));
    return area;
}

void setRectangles(QAreaSeries* area, const std::vector<QRectF>& rects) {
    // The outline drops to the bottom between the rectangles, so the fill
    // shows only where a rectangle stands.
    QList<QPointF> upper;
    QList<QPointF> lower;
    for (const QRectF& r : rects) {
        upper << QPointF(r.left(), r.bottom()) << QPointF(r.left(), r.top()) << QPointF(r.right(), r.top())
              << QPointF(r.right(), r.bottom());
        lower << QPointF(r.left(), r.bottom()) << QPointF(r.left(), r.bottom()) << QPointF(r.right(), r.bottom())
              << QPointF(r.right(), r.bottom());
    }
    area->upperSeries()->replace(upper);
    area->lowerSeries()->replace(lower);
}

QValueAxis* newAxis(QChart* chart, Qt::Alignment where) {
    auto* axis = new QValueAxis(chart);
    axis->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(axis, where);
    return axis;
}

}  // namespace quorvale::decision
