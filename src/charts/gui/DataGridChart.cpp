#include "charts/gui/DataGridChart.h"

#include <QContextMenuEvent>
#include <QLegend>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "charts/AxisRange.h"
#include "base/Texts.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

constexpr int kMostMarkedRows = 40;
constexpr qreal kMarkerSize = 4.5;

QString placeholderLabel(int row) { return QStringLiteral("R%1").arg(row); }

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

QString numberText(double value) { return QString::fromStdString(plainDecimal(value)); }

}  // namespace

DataGridChart::DataGridChart(const QStringList& seriesLabels, QWidget* parent)
    : QChartView(parent), m_labels(seriesLabels) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setShowToolTips(true);
    // Slightly smaller texts leave the curves more room in tiled windows.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    chart->legend()->setFont(small);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
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
    // The view starts with a chart of its own, which it lets go of (without
    // deleting it) when given another.
    QChart* builtIn = QChartView::chart();
    setChart(chart);
    delete builtIn;
    setRenderHint(QPainter::Antialiasing, true);
    m_export = new ChartExport(this, [this] { return table(); });
    m_export->setBeforePicture([this] {
        if (m_redrawQueued) {
            redrawNow();
        }
    });

    m_columns = std::clamp(static_cast<int>(seriesLabels.size()), 1, kMaxColumns);
    m_rows.resize(kPlaceholderRows);
    for (int r = 0; r < kPlaceholderRows; ++r) {
        m_rows[static_cast<size_t>(r)] = Row{placeholderLabel(r + 1), std::vector<double>(m_columns, 0.0)};
    }
    redrawNow();
}

DataGridChart::~DataGridChart() = default;

void DataGridChart::setColumnCount(int columns) {
    m_columns = std::clamp(columns, 0, kMaxColumns);
    for (Row& row : m_rows) {
        row.cells.resize(static_cast<size_t>(m_columns), 0.0);
    }
    if (!validColumn(m_column)) {
        m_column = 0;
    }
}

void DataGridChart::setRowCount(int rows) {
    rows = std::clamp(rows, 0, kMaxRows);
    const int before = rowCount();
    // Rows that stay keep what they hold until they are written again, so a
    // chart shows the previous run's curve beyond the row being written.
    m_rows.resize(static_cast<size_t>(rows));
    for (int r = before; r < rows; ++r) {
        m_rows[static_cast<size_t>(r)] = Row{placeholderLabel(r + 1), std::vector<double>(m_columns, 0.0)};
    }
    if (!validRow(m_row)) {
        m_row = 0;
    }
}

void DataGridChart::setRow(int row) { m_row = validRow(row) ? row : 0; }

void DataGridChart::setRowLabel(const std::string& label) {
    if (validRow(m_row)) {
        m_rows[static_cast<size_t>(m_row - 1)].label = QString::fromStdString(label);
    }
}

void DataGridChart::setColumn(int column) { m_column = validColumn(column) ? column : 0; }

void DataGridChart::setData(double value) {
    if (validRow(m_row) && validColumn(m_column)) {
        m_rows[static_cast<size_t>(m_row - 1)].cells[static_cast<size_t>(m_column - 1)] = value;
    }
}

void DataGridChart::refresh() {
    if (m_redrawQueued) {
        return;
    }
    m_redrawQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_redrawQueued) {
                redrawNow();
            }
        },
        Qt::QueuedConnection);
}

QString DataGridChart::rowLabel(int row) const {
    return validRow(row) ? m_rows[static_cast<size_t>(row - 1)].label : QString();
}

double DataGridChart::value(int row, int column) const {
    if (!validRow(row) || !validColumn(column)) {
        return kNoValue;
    }
    return m_rows[static_cast<size_t>(row - 1)].cells[static_cast<size_t>(column - 1)];
}

QString DataGridChart::seriesLabel(int column) const {
    if (column >= 1 && column <= m_labels.size()) {
        return m_labels.at(column - 1);
    }
    return QStringLiteral("C%1").arg(column);
}

QStringList DataGridChart::seriesLabels() const {
    QStringList out;
    for (int c = 1; c <= m_columns; ++c) {
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

double DataGridChart::rowX(int index) const {
    // The row label is the EYD in stations; a label that is no number (the
    // placeholders "R1", "R2", ...) stands at its row number.
    bool ok = false;
    const double x = m_rows[static_cast<size_t>(index)].label.toDouble(&ok);
    return ok && std::isfinite(x) ? x : static_cast<double>(index + 1);
}

void DataGridChart::matchSeriesToColumns() {
    while (static_cast<int>(m_series.size()) > m_columns) {
        QLineSeries* last = m_series.back();
        m_series.pop_back();
        chart()->removeSeries(last);
        delete last;
    }
    while (static_cast<int>(m_series.size()) < m_columns) {
        const int column = static_cast<int>(m_series.size()) + 1;
        auto* line = new QLineSeries(this);
        line->setName(seriesLabel(column));
        line->setMarkerSize(kMarkerSize);
        chart()->addSeries(line);
        line->attachAxis(m_axisX);
        line->attachAxis(m_axisY);
        connect(line, &QLineSeries::hovered, this,
                [this, column](const QPointF& point, bool state) { onHovered(column, point, state); });
        m_series.push_back(line);
    }
}

void DataGridChart::redrawNow() {
    m_redrawQueued = false;
    ++m_redraws;
    matchSeriesToColumns();

    double xLow = std::numeric_limits<double>::infinity();
    double xHigh = -xLow;
    double yLow = xLow;
    double yHigh = -xLow;
    for (int c = 0; c < m_columns; ++c) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(m_rows.size()));
        for (int r = 0; r < rowCount(); ++r) {
            const double x = rowX(r);
            const double y = m_rows[static_cast<size_t>(r)].cells[static_cast<size_t>(c)];
            // Nothing that is not a finite number is ever drawn.
            if (!std::isfinite(y)) {
                continue;
            }
            points.append(QPointF(x, y));
            xLow = std::min(xLow, x);
            xHigh = std::max(xHigh, x);
            yLow = std::min(yLow, y);
            yHigh = std::max(yHigh, y);
        }
        QLineSeries* line = m_series[static_cast<size_t>(c)];
        // Markers show the rows of a short sweep; on a long one they would
        // only thicken the line.
        line->setPointsVisible(points.size() <= kMostMarkedRows);
        line->replace(points);
    }
    if (xLow > xHigh) {
        xLow = 0;
        xHigh = 1;
        yLow = 0;
        yHigh = 1;
    }
    const AxisRange x = niceAxisRange(xLow, xHigh, AxisKind::Positions);
    const AxisRange y = niceAxisRange(yLow, yHigh, AxisKind::Values);
    applyRange(m_axisX, x);
    applyRange(m_axisY, y);
}

QString DataGridChart::pointText(int column, const QPointF& point) const {
    if (!validColumn(column) || m_rows.empty()) {
        return {};
    }
    int nearest = -1;
    double distance = std::numeric_limits<double>::infinity();
    for (int r = 0; r < rowCount(); ++r) {
        const double y = m_rows[static_cast<size_t>(r)].cells[static_cast<size_t>(column - 1)];
        const double d = std::fabs(rowX(r) - point.x());
        if (std::isfinite(y) && d < distance) {
            distance = d;
            nearest = r;
        }
    }
    if (nearest < 0) {
        return {};
    }
    const double y = m_rows[static_cast<size_t>(nearest)].cells[static_cast<size_t>(column - 1)];
    return QString::fromUtf8(texts::charts::kHoverTemplate)
        .arg(seriesLabel(column), m_rows[static_cast<size_t>(nearest)].label, numberText(y));
}

void DataGridChart::onHovered(int column, const QPointF& point, bool entered) {
    if (!entered) {
        m_hoverText.clear();
        QToolTip::hideText();
        return;
    }
    m_hoverText = pointText(column, point);
    if (!m_hoverText.isEmpty()) {
        QToolTip::showText(QCursor::pos(), m_hoverText, this);
    }
}

void DataGridChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = m_export->createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

ChartExport::Table DataGridChart::table() const {
    ChartExport::Table out;
    out.header.push_back(texts::charts::kCsvRowHeading);
    for (const QString& label : seriesLabels()) {
        out.header.push_back(label.toStdString());
    }
    out.rows.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        std::vector<std::string> line{row.label.toStdString()};
        for (double cell : row.cells) {
            line.push_back(std::isfinite(cell) ? roundTripText(cell) : std::string());
        }
        out.rows.push_back(std::move(line));
    }
    return out;
}

}  // namespace quorvale
