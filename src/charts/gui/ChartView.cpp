#include "charts/gui/ChartView.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QToolTip>

namespace quorvale {

ChartView::ChartView(QWidget* parent)
    : QChartView(parent), m_export(new ChartExport(this, [this] { return table(); })) {
    setRenderHint(QPainter::Antialiasing, true);
}

// The view starts with a chart of its own, which it lets go of (without
// deleting it) when given another.
void ChartView::adoptChart(QChart* chart) {
    QChart* builtIn = QChartView::chart();
    setChart(chart);
    delete builtIn;
}

void ChartView::showHover(const QString& text) {
    m_hoverText = text;
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(QCursor::pos(), text, this);
    }
}

void ChartView::refit() {
    const auto apply = [this](const ChartDetail& d) { present(d); };
    m_detail = ChartFit::fit(*chart(), apply);
    if (wantsSecondFit()) {
        m_detail = ChartFit::fit(*chart(), apply);
    }
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = m_export->createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

}  // namespace quorvale
