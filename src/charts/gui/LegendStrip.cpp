#include "charts/gui/LegendStrip.h"

#include <QChart>
#include <QFontMetrics>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <algorithm>

namespace quorvale {
namespace {

// Between a symbol and its name, after a name, and between rows, in pixels.
constexpr int kSymbolGap = 4;
constexpr int kEntryGap = 14;
constexpr int kRowGap = 3;

QGraphicsItem* symbolItem(const LegendStrip::Entry& entry, int size, QGraphicsItem* parent) {
    switch (entry.symbol) {
        case LegendStrip::Symbol::Line: {
            auto* line = new QGraphicsLineItem(0, size / 2.0, size * 1.5, size / 2.0, parent);
            line->setPen(entry.pen);
            return line;
        }
        case LegendStrip::Symbol::Dot: {
            auto* dot = new QGraphicsEllipseItem(0, 0, size, size, parent);
            dot->setPen(entry.pen);
            dot->setBrush(entry.brush);
            return dot;
        }
        case LegendStrip::Symbol::Box:
            break;
    }
    auto* box = new QGraphicsRectItem(0, 0, size, size, parent);
    box->setPen(entry.pen);
    box->setBrush(entry.brush);
    return box;
}

}  // namespace

LegendStrip::LegendStrip(QChart* chart) : m_chart(chart), m_items(new QGraphicsRectItem(chart)) {
    static_cast<QGraphicsRectItem*>(m_items)->setPen(Qt::NoPen);
    m_items->setZValue(5);
}

void LegendStrip::setEntries(std::vector<Entry> entries) { m_entries = std::move(entries); }

QStringList LegendStrip::names() const {
    QStringList out;
    for (const Entry& e : m_entries) {
        out.append(e.name);
    }
    return out;
}

bool LegendStrip::isShown() const { return m_items->isVisible(); }

int LegendStrip::layOut(const QFont& face, int margin, bool shown) {
    for (QGraphicsItem* child : m_items->childItems()) {
        delete child;
    }
    const QFontMetrics metrics(face);
    const int width = static_cast<int>(m_chart->size().width()) - 2 * margin;
    const int symbol = std::max(6, metrics.ascent() - 2);
    const int lineHeight = metrics.height() + kRowGap;
    struct Placed {
        const Entry* entry;
        int x;
        int row;
    };
    std::vector<Placed> placed;
    int x = 0;
    int row = 0;
    bool fits = shown && !m_entries.empty();
    for (const Entry& e : m_entries) {
        const int symbolWidth = e.symbol == Symbol::Line ? symbol * 3 / 2 : symbol;
        const int entryWidth = symbolWidth + kSymbolGap + metrics.horizontalAdvance(e.name);
        if (entryWidth > width) {
            fits = false;
        }
        if (x > 0 && x + entryWidth > width) {
            ++row;
            x = 0;
        }
        placed.push_back({&e, x, row});
        x += entryWidth + kEntryGap;
    }
    m_items->setVisible(fits);
    if (!fits) {
        return 0;
    }
    const int height = (row + 1) * lineHeight;
    const qreal top = m_chart->size().height() - margin - height;
    for (const Placed& p : placed) {
        const qreal y = top + p.row * lineHeight;
        QGraphicsItem* mark = symbolItem(*p.entry, symbol, m_items);
        mark->setPos(margin + p.x, y + (metrics.height() - symbol) / 2.0);
        auto* name = new QGraphicsSimpleTextItem(p.entry->name, m_items);
        name->setFont(face);
        const int symbolWidth = p.entry->symbol == Symbol::Line ? symbol * 3 / 2 : symbol;
        name->setPos(margin + p.x + symbolWidth + kSymbolGap, y);
    }
    return height;
}

}  // namespace quorvale
