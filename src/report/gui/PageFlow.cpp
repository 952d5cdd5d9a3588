#include "report/gui/PageFlow.h"

#include <QAbstractTextDocumentLayout>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPdfWriter>
#include <QTextDocument>

namespace quorvale {
namespace {

// Chart pixels: the charts are laid out at this width and scaled onto the
// page as vector drawings.
constexpr qreal kChartWidth = 900;

}  // namespace

PageFlow::PageFlow(QPdfWriter& writer, std::function<QString(int)> footer)
    : m_writer(writer), m_footer(std::move(footer)), m_painter(&writer) {
    m_area = QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
    m_footerHeight = 0.04 * m_area.height();
    m_gap = 0.012 * m_area.height();
}

PageFlow::~PageFlow() {
    drawFooter();
    m_painter.end();
}

void PageFlow::html(const QString& html) {
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&m_writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 17pt; } h2 { font-size: 12.5pt; margin-top: 4px; } "
                       "td, th { padding: 1px 6px; } th { text-align: left; background-color: #e4e8ec; } "
                       ".group td { font-weight: bold; background-color: #f2f4f6; } .num { text-align: right; } "
                       ".note { color: #555555; }"));
    doc.setTextWidth(m_area.width());
    doc.setHtml(html);
    const qreal height = doc.size().height();
    room(height);
    m_painter.save();
    m_painter.translate(m_area.left(), m_y);
    doc.drawContents(&m_painter);
    m_painter.restore();
    m_y += height;
}

void PageFlow::chart(QChart* chart, qreal ratio) {
    const QSizeF size(kChartWidth, kChartWidth * ratio);
    QGraphicsScene own;
    QGraphicsScene* scene = chart->scene();
    if (!scene) {
        own.addItem(chart);
        scene = &own;
    }
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->resize(size);
    chart->layout()->activate();
    const qreal height = m_area.width() * ratio;
    room(height);
    scene->render(&m_painter, QRectF(m_area.left(), m_y, m_area.width(), height), QRectF(chart->pos(), size));
    m_y += height + m_gap;
}

void PageFlow::space() { m_y += m_gap; }

void PageFlow::newPage() {
    drawFooter();
    m_writer.newPage();
    ++m_page;
    m_y = 0;
}

void PageFlow::room(qreal height) {
    if (m_y > 0 && m_y + height > m_area.height() - m_footerHeight) {
        newPage();
    }
}

void PageFlow::drawFooter() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(QColor(0x55, 0x55, 0x55));
    const QRectF band(m_area.left(), m_area.bottom() - m_footerHeight * 0.7, m_area.width(), m_footerHeight * 0.7);
    m_painter.drawLine(band.topLeft(), band.topRight());
    m_painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, m_footer(m_page));
    m_painter.restore();
}

}  // namespace quorvale
