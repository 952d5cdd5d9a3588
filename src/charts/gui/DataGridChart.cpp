#include "charts/gui/DataGridChart.h"

#include <QFontMetrics>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QTimer>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "charts/gui/ChartNotes.h"
#include "charts/gui/ChartSizing.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

constexpr int kMostMarkedRows = 40;
constexpr qreal kMarkerSize = 4.5;
// The series' colours by column, whatever else the chart holds.
const std::array<QColor, 5> kSeriesColours{QColor(0x20, 0x9f, 0xdf), QColor(0x99, 0xca, 0x53), QColor(0xf6, 0xa6, 0x25),
                                           QColor(0x6d, 0x5f, 0xd5), QColor(0xbf, 0x59, 0x3e)};
constexpr int kMargin = 4;

void applyRange(QValueAxis* axis, const AxisRange& range) {
    if (axis->min() == range.minimum && axis->max() == range.maximum && axis->tickInterval() == range.tickInterval) {
        return;
    }
    // Range and interval change one after the other; with ticks at every
    // interval, the state in between (a huge range with the old, small
    // interval) would ask for billions of ticks.
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(range.minimum, range.maximum);
    axis->setTickInterval(range.tickInterval);
    axis->setTickType(QValueAxis::TicksDynamic);
}

QString numberText(double value) { return qtext(plainDecimal(value)); }

QString withUnit(const QString& value, const QString& unit) {
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

}  // namespace

DataGridChart::DataGridChart(const QStringList& seriesLabels, QWidget* parent)
    : ChartView(parent),
      m_labels(seriesLabels),
      m_table(std::clamp(static_cast<int>(seriesLabels.size()), 1, kMaxColumns), kPlaceholderRows) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setShowToolTips(true);
    // Slightly smaller texts leave the curves more room in tiled windows.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    chart->legend()->setFont(small);
    chart->setMargins(QMargins(kMargin, kMargin, kMargin, kMargin));
    chart->setBackgroundRoundness(0);
    // The view takes the chart's smallest size as its own; the titles and
    // the legend must not keep a small window from shrinking the chart.
    chart->setMinimumSize(1, 1);
    m_axisX = new QValueAxis(chart);
    m_axisY = new QValueAxis(chart);
    // Ticks at round multiples, whatever the ends of the range.
    for (QValueAxis* axis : {m_axisX, m_axisY}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
    }
    m_axisX->setLabelFormat(QStringLiteral("%g"));
    m_axisY->setLabelFormat(QStringLiteral("%.6g"));
    m_axisX->setLabelsFont(small);
    m_axisY->setLabelsFont(small);
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    adoptChart(chart);

    m_notes = std::make_unique<ChartNotes>(chart, m_axisX, m_axisY, this);
    // A full repaint each time: partial ones leave traces of moved markers.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    connect(chart, &QChart::plotAreaChanged, this, &DataGridChart::placeNotes);
    exporter()->setBeforePicture([this] {
        if (m_redrawQueued) {
            redrawNow();
        }
    });

    m_look.xTitle = texts::charts::kAxisEyd;
    m_look.xShortTitle = texts::charts::kAxisEydShort;
    fitNow();
    redrawNow();
}

// The notes go first; the chart, deleted after them, must not ask them to
// move.
DataGridChart::~DataGridChart() { disconnect(chart(), nullptr, this, nullptr); }

void DataGridChart::setColumnCount(int columns) { m_table.setColumnCount(columns); }

void DataGridChart::setRowCount(int rows) { m_table.setRowCount(rows); }

void DataGridChart::setRow(int row) { m_table.setRow(row); }

void DataGridChart::setRowX(double x) { m_table.setRowX(x); }

void DataGridChart::setColumn(int column) { m_table.setColumn(column); }

void DataGridChart::setData(double value) { m_table.setData(value); }

void DataGridChart::refresh() {
    if (m_redrawQueued) {
        return;
    }
    m_redrawQueued = true;
    const qint64 since = m_sinceRedraw.isValid() ? m_sinceRedraw.elapsed() : kRedrawGapMs;
    QTimer::singleShot(since >= kRedrawGapMs ? 0 : static_cast<int>(kRedrawGapMs - since), this, [this] {
        if (m_redrawQueued) {
            redrawNow();
        }
    });
}

QString DataGridChart::rowLabel(int row) const { return qtext(m_table.label(row)); }

QString DataGridChart::seriesLabel(int column) const {
    if (column >= 1 && column <= m_labels.size()) {
        return m_labels.at(column - 1);
    }
    return QStringLiteral("C%1").arg(column);
}

QStringList DataGridChart::seriesLabels() const {
    QStringList out;
    for (int c = 1; c <= columnCount(); ++c) {
        out.append(seriesLabel(c));
    }
    return out;
}

QLineSeries* DataGridChart::series(int column) const {
    if (column < 1 || column > static_cast<int>(m_series.size())) {
        return nullptr;
    }
    return m_series[static_cast<size_t>(column - 1)];
}

void DataGridChart::matchSeriesToColumns() {
    while (static_cast<int>(m_series.size()) > columnCount()) {
        QLineSeries* last = m_series.back();
        m_series.pop_back();
        chart()->removeSeries(last);
        delete last;
    }
    while (static_cast<int>(m_series.size()) < columnCount()) {
        const int column = static_cast<int>(m_series.size()) + 1;
        auto* line = new QLineSeries(this);
        line->setName(seriesLabel(column));
        line->setColor(kSeriesColours[static_cast<size_t>(column - 1) % kSeriesColours.size()]);
        line->setMarkerSize(kMarkerSize);
        chart()->addSeries(line);
        line->attachAxis(m_axisX);
        line->attachAxis(m_axisY);
        connect(line, &QLineSeries::hovered, this,
                [this, column](const QPointF& point, bool state) { onHovered(column, point, state); });
        m_series.push_back(line);
        m_notes->raiseMark();
    }
}

void DataGridChart::setLook(const ChartLook& look) {
    m_look = look;
    fitNow();
    refresh();
}

bool DataGridChart::isSeriesShown(int column) const { return m_look.isShown(column); }

QString DataGridChart::seriesUnit(int column) const { return qtext(m_look.unit(column)); }

void DataGridChart::redrawNow() {
    m_redrawQueued = false;
    ++m_redraws;
    m_sinceRedraw.restart();
    matchSeriesToColumns();

    double xLow = std::numeric_limits<double>::infinity();
    double xHigh = -xLow;
    double yLow = xLow;
    double yHigh = -xLow;
    for (int c = 0; c < columnCount(); ++c) {
        QList<QPointF> points;
        points.reserve(rowCount());
        const bool shown = isSeriesShown(c + 1);
        for (int r = 1; r <= rowCount(); ++r) {
            const double x = m_table.x(r);
            const double y = m_table.value(r, c + 1);
            // Nothing that is not a finite number is ever drawn.
            if (!std::isfinite(y)) {
                continue;
            }
            points.append(QPointF(x, y));
            xLow = std::min(xLow, x);
            xHigh = std::max(xHigh, x);
            // A hidden series' zeros must not stretch the value axis.
            if (shown) {
                yLow = std::min(yLow, y);
                yHigh = std::max(yHigh, y);
            }
        }
        QLineSeries* line = m_series[static_cast<size_t>(c)];
        // Markers show the rows of a short sweep; on a long one they would
        // only thicken the line.
        line->setPointsVisible(points.size() <= kMostMarkedRows);
        line->replace(points);
        line->setVisible(shown);
        for (QLegendMarker* marker : chart()->legend()->markers(line)) {
            marker->setVisible(shown);
        }
    }
    if (xLow > xHigh) {
        xLow = 0;
        xHigh = 1;
    }
    if (yLow > yHigh) {
        yLow = 0;
        yHigh = 1;
    }
    m_extent = QRectF(QPointF(xLow, yLow), QPointF(xHigh, yHigh));
    m_notes->update(m_table, m_look);
    if (m_fittedFor != fitBasis()) {
        fitNow();
    }
    placeNotes();
}

DataGridChart::FitBasis DataGridChart::fitBasis() const {
    FitBasis basis{size(), shownSeriesLabels(), {}};
    for (int step = 0; step <= ChartFit::kLastStep; ++step) {
        const ChartDetail detail = ChartDetail::atStep(step);
        const AxisRange x = xRange(ChartSizing::xIntervals(basis.room, detail));
        const AxisRange y = yRange(ChartSizing::yIntervals(basis.room, detail));
        basis.ranges.push_back({x.minimum, x.maximum, x.tickInterval, y.minimum, y.maximum, y.tickInterval});
    }
    return basis;
}

void DataGridChart::fitNow() {
    refit();
    m_fittedFor = fitBasis();
}

AxisRange DataGridChart::xRange(int intervals) const {
    return niceAxisRange(m_extent.left(), m_extent.right(), AxisKind::Positions, intervals);
}

AxisRange DataGridChart::yRange(int intervals) const {
    return niceAxisRange(m_extent.top(), m_extent.bottom(), AxisKind::Values, intervals);
}

void DataGridChart::applyAxes() {
    applyRange(m_axisX, xRange(m_xIntervals));
    applyRange(m_axisY, yRange(m_yIntervals));
}

QScatterSeries* DataGridChart::minimumMark() const { return m_notes->minimumMark(); }

QString DataGridChart::minimumText() const { return m_notes->minimumText(); }

QString DataGridChart::capNote() const { return m_notes->capNote(); }

bool DataGridChart::isYTitleAbove() const { return m_notes->isYTitleAbove(); }

void DataGridChart::placeNotes() { m_notes->place(); }

// Ticks, faces, titles and the legend for the room the chart has, at one
// step of the ladder of detail, as the sizing policy decides; the fit keeps
// the first step at which every text stands whole.
void DataGridChart::present(const ChartDetail& detail) {
    const QSize room = size();
    const qreal scale = ChartSizing::faceScale(room, detail);
    QFont face = font();
    face.setPointSizeF(face.pointSizeF() * scale);
    // A new face lays the chart out anew; only a change of size class needs one.
    if (scale != m_faceScale) {
        m_faceScale = scale;
        for (QValueAxis* axis : {m_axisX, m_axisY}) {
            axis->setLabelsFont(face);
            axis->setTitleFont(face);
        }
        chart()->legend()->setFont(face);
        m_notes->setFace(face);
    }
    m_xIntervals = ChartSizing::xIntervals(room, detail);
    m_yIntervals = ChartSizing::yIntervals(room, detail);
    for (QValueAxis* axis : {m_axisX, m_axisY}) {
        axis->setLabelsVisible(detail.tickLabels);
    }

    const QFontMetrics metrics(face);
    m_axisX->setTitleText(qtext(m_look.axisTitle(false, detail.shortTitles)));
    m_axisX->setTitleVisible(detail.axisTitles);
    const QString yTitle = qtext(m_look.axisTitle(true, detail.shortTitles));
    m_axisY->setTitleText(yTitle);
    const ChartSizing::YTitle place = ChartSizing::yTitle(room, detail.axisTitles, metrics.horizontalAdvance(yTitle));
    m_axisY->setTitleVisible(place == ChartSizing::YTitle::Along);
    m_notes->setYTitleAbove(yTitle, place == ChartSizing::YTitle::Above);

    const int listed = placeLegend(ChartSizing::legend(room, detail.legend, metrics, shownSeriesLabels()));
    const int above = place == ChartSizing::YTitle::Above ? metrics.height() : 0;
    chart()->setMargins(QMargins(kMargin, kMargin + above, kMargin, kMargin + listed));
    applyAxes();
}

QStringList DataGridChart::shownSeriesLabels() const {
    QStringList names;
    for (int c = 1; c <= columnCount(); ++c) {
        if (isSeriesShown(c)) {
            names.append(seriesLabel(c));
        }
    }
    return names;
}

// Puts the legend where the policy placed it; returns the height of the
// strip a listed legend takes at the bottom.
int DataGridChart::placeLegend(const ChartSizing::Legend& place) {
    QLegend* legend = chart()->legend();
    switch (place.place) {
        case ChartSizing::LegendPlace::None:
            break;
        case ChartSizing::LegendPlace::Below:
            legend->attachToChart();
            legend->setAlignment(Qt::AlignBottom);
            break;
        case ChartSizing::LegendPlace::Beside:
            legend->attachToChart();
            legend->setAlignment(Qt::AlignRight);
            break;
        case ChartSizing::LegendPlace::Listed: {
            // A detached legend lays its names out one a line; the chart
            // keeps a strip free for it at the bottom.
            const QSize room = size();
            legend->setAlignment(Qt::AlignLeft);
            legend->detachFromChart();
            legend->setBackgroundVisible(false);
            legend->setGeometry(QRectF(kMargin, room.height() - kMargin - place.listHeight, room.width() - 2 * kMargin,
                                       place.listHeight));
            break;
        }
    }
    legend->setVisible(place.place != ChartSizing::LegendPlace::None);
    return place.listHeight;
}

void DataGridChart::resizeEvent(QResizeEvent* event) {
    ChartView::resizeEvent(event);
    fitNow();
    placeNotes();
}

QString DataGridChart::pointText(int column, const QPointF& point) const {
    const int nearest = m_table.nearestRow(column, point.x());
    if (nearest == 0) {
        return {};
    }
    return QString::fromUtf8(texts::charts::kHoverTemplate)
        .arg(seriesLabel(column), rowLabel(nearest),
             withUnit(numberText(m_table.value(nearest, column)), seriesUnit(column)));
}

void DataGridChart::onHovered(int column, const QPointF& point, bool entered) {
    showHover(entered ? pointText(column, point) : QString());
}

ChartExport::Table DataGridChart::table() const {
    ChartExport::Table out;
    out.header.push_back(texts::charts::kCsvRowHeading);
    for (const QString& label : seriesLabels()) {
        out.header.push_back(label.toStdString());
    }
    out.rows.reserve(static_cast<size_t>(rowCount()));
    for (int r = 1; r <= rowCount(); ++r) {
        out.rows.push_back(m_table.savedRow(r));
    }
    return out;
}

}  // namespace quorvale
