#include "charts/gui/DataGridChart.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "base/Texts.h"
#include "charts/gui/ChartFit.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

constexpr int kMostMarkedRows = 40;
constexpr qreal kMarkerSize = 4.5;
constexpr qreal kMinimumMarkSize = 10;
// Costs are read to the cent.
constexpr int kMinimumDecimals = 2;
// The series' colours by column, whatever else the chart holds.
const std::array<QColor, 5> kSeriesColours{QColor(0x20, 0x9f, 0xdf), QColor(0x99, 0xca, 0x53), QColor(0xf6, 0xa6, 0x25),
                                           QColor(0x6d, 0x5f, 0xd5), QColor(0xbf, 0x59, 0x3e)};
constexpr int kMargin = 4;
// Room along the value axis besides its title: the ends of the axis.
constexpr int kAxisTitleReserve = 90;
const QColor kMinimumColour(0xb0, 0x10, 0x10);
const QColor kNoteColour(0x80, 0x30, 0x00);

// Room per tick interval, in pixels, so that neighbouring labels never meet.
constexpr int kPixelsPerXInterval = 50;
constexpr int kPixelsPerYInterval = 40;
constexpr int kFewestTicks = 2;
constexpr int kMostXTicks = 10;
constexpr int kMostYTicks = 8;
// Below this height the legend moves beside the plot, which needs the width.
constexpr int kLegendBesideBelowHeight = 240;
constexpr int kLegendBesideFromWidth = 480;
// Below these sizes texts take a smaller face.
constexpr int kSmallWidth = 360;
constexpr int kSmallHeight = 200;
// The legend's symbol and spacing beside each name, in pixels.
constexpr int kLegendEntryExtra = 36;
constexpr int kLegendLineGap = 6;

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

QString text(const std::string& s) { return QString::fromStdString(s); }

// A note on the plot: its text on a light box that keeps it readable over
// grid lines and curves, wrapped to the room there is.
QGraphicsRectItem* makeNote(QGraphicsItem* parent, const QColor& colour) {
    auto* box = new QGraphicsRectItem(parent);
    box->setPen(Qt::NoPen);
    box->setBrush(QColor(255, 255, 255, 225));
    box->setZValue(10);
    box->setVisible(false);
    auto* note = new QGraphicsTextItem(box);
    note->setDefaultTextColor(colour);
    note->document()->setDocumentMargin(2);
    return box;
}

void fillNote(QGraphicsRectItem* box, const QString& content, const QFont& face, qreal widest) {
    auto* note = static_cast<QGraphicsTextItem*>(box->childItems().constFirst());
    note->setFont(face);
    note->setPlainText(content);
    note->setTextWidth(-1);
    if (note->boundingRect().width() > widest) {
        note->setTextWidth(std::max<qreal>(widest, 40));
    }
    box->setRect(note->boundingRect());
    box->setVisible(!content.isEmpty());
}

QString withUnit(const QString& value, const QString& unit) {
    return unit.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

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
    // The view starts with a chart of its own, which it lets go of (without
    // deleting it) when given another.
    QChart* builtIn = QChartView::chart();
    setChart(chart);
    delete builtIn;

    m_minimum = new QScatterSeries(this);
    m_minimum->setMarkerSize(kMinimumMarkSize);
    m_minimum->setColor(kMinimumColour);
    m_minimum->setBorderColor(Qt::white);
    chart->addSeries(m_minimum);
    m_minimum->attachAxis(m_axisX);
    m_minimum->attachAxis(m_axisY);
    m_minimumLabel = makeNote(chart, kMinimumColour);
    m_capLabel = makeNote(chart, kNoteColour);
    m_yTitleAcross = new QGraphicsSimpleTextItem(chart);
    m_yTitleAcross->setBrush(m_axisY->titleBrush());
    m_yTitleAcross->setVisible(false);
    // A full repaint each time: partial ones leave traces of moved markers.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    connect(chart, &QChart::plotAreaChanged, this, &DataGridChart::placeNotes);
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
    m_look.xTitle = texts::charts::kAxisEyd;
    m_look.xShortTitle = texts::charts::kAxisEydShort;
    fitToSize();
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
        line->setColor(kSeriesColours[static_cast<size_t>(column - 1) % kSeriesColours.size()]);
        line->setMarkerSize(kMarkerSize);
        chart()->addSeries(line);
        line->attachAxis(m_axisX);
        line->attachAxis(m_axisY);
        connect(line, &QLineSeries::hovered, this,
                [this, column](const QPointF& point, bool state) { onHovered(column, point, state); });
        m_series.push_back(line);
        // The mark is drawn over the curves: it goes last.
        chart()->removeSeries(m_minimum);
        chart()->addSeries(m_minimum);
        m_minimum->attachAxis(m_axisX);
        m_minimum->attachAxis(m_axisY);
    }
}

void DataGridChart::setLook(const ChartLook& look) {
    m_look = look;
    fitToSize();
    refresh();
}

bool DataGridChart::isSeriesShown(int column) const {
    const auto index = static_cast<size_t>(column - 1);
    return column < 1 || index >= m_look.series.size() || m_look.series[index].shown;
}

QString DataGridChart::seriesUnit(int column) const {
    const auto index = static_cast<size_t>(column - 1);
    return column >= 1 && index < m_look.series.size() ? text(m_look.series[index].unit) : QString();
}

std::vector<double> DataGridChart::columnValues(int column) const {
    std::vector<double> values;
    values.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        values.push_back(row.cells[static_cast<size_t>(column - 1)]);
    }
    return values;
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
        const bool shown = isSeriesShown(c + 1);
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
    markMinimum();
    noteCaps();
    fitToSize();
    placeNotes();
}

void DataGridChart::applyAxes() {
    applyRange(m_axisX, niceAxisRange(m_extent.left(), m_extent.right(), AxisKind::Positions, m_xIntervals));
    applyRange(m_axisY, niceAxisRange(m_extent.top(), m_extent.bottom(), AxisKind::Values, m_yIntervals));
}

void DataGridChart::markMinimum() {
    QList<QPointF> mark;
    m_minimumText.clear();
    const int column = m_look.minimumColumn;
    if (validColumn(column) && isSeriesShown(column)) {
        const std::vector<double> values = columnValues(column);
        if (std::optional<int> row = lowestPositiveRow(values)) {
            mark.append(QPointF(rowX(*row - 1), values[static_cast<size_t>(*row - 1)]));
            m_minimumText = QString::fromUtf8(texts::charts::kMinimumLabel)
                                .arg(numberText(roundHalfEven(mark.first().y(), kMinimumDecimals)), seriesUnit(column),
                                     m_rows[static_cast<size_t>(*row - 1)].label);
        }
    }
    m_minimum->replace(mark);
    // The mark is no series of the grid: the legend does not name it.
    for (QLegendMarker* marker : chart()->legend()->markers(m_minimum)) {
        marker->setVisible(false);
    }
}

QString DataGridChart::minimumText() const { return m_minimumText; }

void DataGridChart::noteCaps() {
    QStringList notes;
    for (int c = 1; c <= m_columns && static_cast<size_t>(c) <= m_look.series.size(); ++c) {
        const SeriesLook& look = m_look.series[static_cast<size_t>(c - 1)];
        if (look.shown && reachesCap(look, columnValues(c))) {
            const QString note = text(look.capNote);
            if (!notes.contains(note)) {
                notes.append(note);
            }
        }
    }
    m_capText = notes.join(QLatin1Char('\n'));
}

QString DataGridChart::capNote() const { return m_capText; }

// The notes stand inside the plot: the cap note in its top right corner, the
// minimum's label beside its mark, moved in where it would leave the plot.
void DataGridChart::placeNotes() {
    const QRectF plot = chart()->plotArea();
    const QFont face = m_axisX->labelsFont();
    fillNote(m_capLabel, m_capText, face, plot.width() - 8);
    fillNote(m_minimumLabel, m_minimum->count() == 1 ? m_minimumText : QString(), face, plot.width() / 2);
    if (m_yTitleAcross->isVisible()) {
        m_yTitleAcross->setPos(kMargin, std::max<qreal>(0, plot.top() - m_yTitleAcross->boundingRect().height() - 4));
    }
    if (m_capLabel->isVisible()) {
        const QRectF box = m_capLabel->boundingRect();
        m_capLabel->setPos(std::max(plot.left(), plot.right() - box.width() - 4), plot.top() + 2);
    }
    if (m_minimumLabel->isVisible()) {
        // Centred above the mark, in the valley the lowest cost sits in;
        // below it when there is no room above.
        const QPointF at = chart()->mapToPosition(m_minimum->at(0), m_minimum);
        const QRectF box = m_minimumLabel->boundingRect();
        const double gap = kMinimumMarkSize / 2 + 4;
        double top = at.y() - gap - box.height();
        double reserved = plot.top();
        if (m_capLabel->isVisible()) {
            reserved += m_capLabel->boundingRect().height() + 4;
        }
        if (top < reserved) {
            top = at.y() + gap;
        }
        const double left =
            std::clamp(at.x() - box.width() / 2, plot.left(), std::max(plot.left(), plot.right() - box.width()));
        top = std::clamp(top, plot.top(), std::max(plot.top(), plot.bottom() - box.height()));
        m_minimumLabel->setPos(left, top);
    }
}

// Ticks, faces, titles and the legend for the room the chart has: the most
// detail at which every text stands whole.
void DataGridChart::fitToSize() {
    m_detail = ChartFit::fit(*chart(), [this](const ChartDetail& d) { present(d); });
}

QString DataGridChart::axisTitle(bool vertical, const ChartDetail& detail) const {
    const std::string& whole = vertical ? m_look.yTitle : m_look.xTitle;
    const std::string& brief = vertical ? m_look.yShortTitle : m_look.xShortTitle;
    return text(detail.shortTitles && !brief.empty() ? brief : whole);
}

// Fewer ticks in a small window so their labels stay whole, the legend
// beside the plot in a low, wide window, and no legend where it would crowd
// out the curves.
void DataGridChart::present(const ChartDetail& detail) {
    const QSize room = size();
    const bool small = room.width() < kSmallWidth || room.height() < kSmallHeight;
    const qreal scale = detail.smallFace ? 0.7 : small ? 0.8 : 0.9;
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
        m_yTitleAcross->setFont(face);
    }

    const auto intervals = [&detail](int room, int perInterval, int most) {
        if (detail.fewestTicks()) {
            return kFewestTicks;
        }
        return std::clamp(room / perInterval / detail.tickDivisor, kFewestTicks, most);
    };
    m_xIntervals = intervals(room.width(), kPixelsPerXInterval, kMostXTicks);
    // A value axis that is short even for the fewest ticks keeps its ends
    // only, the labels it still has room for.
    m_yIntervals = detail.fewestTicks() ? 1 : intervals(room.height(), kPixelsPerYInterval, kMostYTicks);
    for (QValueAxis* axis : {m_axisX, m_axisY}) {
        axis->setLabelsVisible(detail.tickLabels);
    }

    const QFontMetrics metrics(face);
    m_axisX->setTitleText(axisTitle(false, detail));
    m_axisX->setTitleVisible(detail.axisTitles);
    const QString yTitle = axisTitle(true, detail);
    m_axisY->setTitleText(yTitle);
    // Along the axis while it has the room, else across above it, where it
    // stands whole or not at all.
    const int yTitleWidth = metrics.horizontalAdvance(yTitle);
    const bool above = yTitleWidth + kAxisTitleReserve > room.height();
    m_yTitleAbove = detail.axisTitles && above && yTitleWidth <= room.width() - 2 * kMargin;
    m_axisY->setTitleVisible(detail.axisTitles && !above);
    m_yTitleAcross->setText(yTitle);
    m_yTitleAcross->setVisible(m_yTitleAbove);

    const int listed = placeLegend(detail.legend, metrics);
    chart()->setMargins(QMargins(kMargin, kMargin + (m_yTitleAbove ? metrics.height() : 0), kMargin, kMargin + listed));
    applyAxes();
}

// In a row below the plot; else beside it; else, in a narrow window, as a
// list below the plot; else not at all. Returns the height of the strip the
// list takes at the bottom.
int DataGridChart::placeLegend(bool wanted, const QFontMetrics& metrics) {
    const QSize room = size();
    int row = 0;
    int widest = 0;
    int shown = 0;
    for (int c = 1; c <= m_columns; ++c) {
        if (isSeriesShown(c)) {
            const int entry = metrics.horizontalAdvance(seriesLabel(c)) + kLegendEntryExtra;
            row += entry;
            widest = std::max(widest, entry);
            ++shown;
        }
    }
    QLegend* legend = chart()->legend();
    const int lineHeight = metrics.height() + kLegendLineGap;
    const int listHeight = shown * lineHeight + kLegendLineGap;
    const bool fitsBelow = row <= room.width() - 16;
    const bool fitsBeside = room.width() >= kLegendBesideFromWidth && widest <= room.width() / 4;
    const bool fitsListed = widest <= room.width() - 16 && listHeight <= room.height() / 4;
    int listed = 0;
    if (!wanted) {
        // Nothing to place.
    } else if (room.height() < kLegendBesideBelowHeight && fitsBeside) {
        legend->attachToChart();
        legend->setAlignment(Qt::AlignRight);
    } else if (fitsBelow) {
        legend->attachToChart();
        legend->setAlignment(Qt::AlignBottom);
    } else if (fitsBeside) {
        legend->attachToChart();
        legend->setAlignment(Qt::AlignRight);
    } else if (fitsListed) {
        // A detached legend lays its names out one a line; the chart keeps
        // a strip free for it at the bottom.
        listed = listHeight;
        legend->setAlignment(Qt::AlignLeft);
        legend->detachFromChart();
        legend->setBackgroundVisible(false);
        legend->setGeometry(
            QRectF(kMargin, room.height() - kMargin - listHeight, room.width() - 2 * kMargin, listHeight));
    }
    legend->setVisible(wanted && (fitsBelow || fitsBeside || fitsListed));
    return listed;
}

void DataGridChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fitToSize();
    placeNotes();
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
        .arg(seriesLabel(column), m_rows[static_cast<size_t>(nearest)].label,
             withUnit(numberText(y), seriesUnit(column)));
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
