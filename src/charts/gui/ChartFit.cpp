#include "charts/gui/ChartFit.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>

namespace quorvale {
namespace {

// What Qt Charts puts at the end of a text it has cut.
const QString kCutMark = QStringLiteral("...");

// Every text drawn below `item`, and those of them that were cut.
void collectTexts(const QGraphicsItem& item, QStringList& drawn, QStringList& cut) {
    for (const QGraphicsItem* child : item.childItems()) {
        if (!child->isVisible()) {
            continue;
        }
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(child)) {
            const QString shown = text->toPlainText();
            drawn.append(shown);
            if (shown.endsWith(kCutMark)) {
                cut.append(shown);
            }
        }
        collectTexts(*child, drawn, cut);
    }
}

void activate(QGraphicsLayout* layout) {
    if (layout) {
        layout->invalidate();
        layout->activate();
    }
}

}  // namespace

ChartDetail ChartDetail::atStep(int step) {
    ChartDetail d;
    d.step = step;
    d.wrappedLabels = step >= 1;
    d.tickDivisor = step >= 5 ? 0 : step >= 2 ? 2 : 1;
    d.shortTitles = step >= 3;
    d.smallFace = step >= 4;
    d.chartTitle = step < 6;
    d.legend = step < 7;
    d.axisTitles = step < 8;
    d.tickLabels = step < 9;
    return d;
}

void ChartFit::layOut(QChart& chart) {
    // The chart places its axes, labels and legend; the legend then places
    // its entries, which it would otherwise leave to a later event.
    activate(chart.layout());
    activate(chart.legend()->layout());
}

QStringList ChartFit::cutTexts(const QChart& chart) {
    QStringList drawn;
    QStringList cut;
    collectTexts(chart, drawn, cut);
    // A legend entry with no room for even a few letters is drawn without
    // its name rather than with the dots.
    const QLegend* legend = chart.legend();
    if (legend->isVisible()) {
        for (const QLegendMarker* marker : legend->markers()) {
            if (marker->isVisible() && !marker->label().isEmpty() && !drawn.contains(marker->label())) {
                cut.append(marker->label());
            }
        }
    }
    return cut;
}

ChartDetail ChartFit::fit(QChart& chart, const Apply& apply) {
    ChartDetail detail;
    for (int step = 0; step <= kLastStep; ++step) {
        detail = ChartDetail::atStep(step);
        apply(detail);
        layOut(chart);
        if (cutTexts(chart).isEmpty()) {
            break;
        }
    }
    return detail;
}

}  // namespace quorvale
