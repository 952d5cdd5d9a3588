#include "charts/gui/ChartNotes.h"

#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QScatterSeries>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>

#include "base/Texts.h"
#include "base/gui/QtText.h"
#include "charts/ChartLook.h"
#include "charts/ChartTable.h"
#include "inputs/NumberText.h"

namespace quorvale {
namespace {

constexpr qreal kMinimumMarkSize = 10;
// Costs are read to the cent.
constexpr int kMinimumDecimals = 2;
constexpr int kMargin = 4;
const QColor kMinimumColour(0xb0, 0x10, 0x10);
const QColor kNoteColour(0x80, 0x30, 0x00);

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

}  // namespace

ChartNotes::ChartNotes(QChart* chart, QValueAxis* x, QValueAxis* y, QObject* owner)
    : m_chart(chart), m_axisX(x), m_axisY(y), m_minimum(new QScatterSeries(owner)) {
    m_minimum->setMarkerSize(kMinimumMarkSize);
    m_minimum->setColor(kMinimumColour);
    m_minimum->setBorderColor(Qt::white);
    chart->addSeries(m_minimum);
    m_minimum->attachAxis(x);
    m_minimum->attachAxis(y);
    m_minimumLabel = makeNote(chart, kMinimumColour);
    m_capLabel = makeNote(chart, kNoteColour);
    m_yTitleAcross = new QGraphicsSimpleTextItem(chart);
    m_yTitleAcross->setBrush(y->titleBrush());
    m_yTitleAcross->setVisible(false);
}

void ChartNotes::raiseMark() {
    m_chart->removeSeries(m_minimum);
    m_chart->addSeries(m_minimum);
    m_minimum->attachAxis(m_axisX);
    m_minimum->attachAxis(m_axisY);
}

void ChartNotes::update(const ChartTable& table, const ChartLook& look) {
    QList<QPointF> mark;
    m_minimumText.clear();
    const int column = look.minimumColumn;
    if (table.validColumn(column) && look.isShown(column)) {
        const std::vector<double> values = table.columnValues(column);
        if (std::optional<int> row = lowestPositiveRow(values)) {
            mark.append(QPointF(table.x(*row), values[static_cast<size_t>(*row - 1)]));
            m_minimumText = QString::fromUtf8(texts::charts::kMinimumLabel)
                                .arg(qtext(plainDecimal(roundHalfEven(mark.first().y(), kMinimumDecimals))),
                                     qtext(look.unit(column)), qtext(table.label(*row)));
        }
    }
    m_minimum->replace(mark);
    // The mark is no series of the table: the legend does not name it.
    for (QLegendMarker* marker : m_chart->legend()->markers(m_minimum)) {
        marker->setVisible(false);
    }

    QStringList notes;
    for (int c = 1; c <= table.columnCount() && static_cast<size_t>(c) <= look.series.size(); ++c) {
        const SeriesLook& series = look.series[static_cast<size_t>(c - 1)];
        if (series.shown && reachesCap(series, table.columnValues(c))) {
            const QString note = qtext(series.capNote);
            if (!notes.contains(note)) {
                notes.append(note);
            }
        }
    }
    m_capText = notes.join(QLatin1Char('\n'));
}

void ChartNotes::setFace(const QFont& face) { m_yTitleAcross->setFont(face); }

void ChartNotes::setYTitleAbove(const QString& title, bool above) {
    m_yTitleAbove = above;
    m_yTitleAcross->setText(title);
    m_yTitleAcross->setVisible(above);
}

// The notes stand inside the plot: the cap note in its top right corner, the
// minimum's label beside its mark, moved in where it would leave the plot.
void ChartNotes::place() {
    const QRectF plot = m_chart->plotArea();
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
        const QPointF at = m_chart->mapToPosition(m_minimum->at(0), m_minimum);
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

}  // namespace quorvale
