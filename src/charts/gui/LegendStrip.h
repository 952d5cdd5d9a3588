#pragma once
// A legend below a chart's plot: each entry a symbol in its series' colours
// and the series' name, side by side, wrapped into as many rows as the width
// asks, every name whole. Qt Charts' own legend cuts names it has no room
// for, and its wrapping lets a long name run past the edge; this one never
// does either. The chart keeps the strip free at its bottom.

#include <QBrush>
#include <QPen>
#include <QString>
#include <QStringList>
#include <vector>

class QChart;
class QFont;
class QGraphicsItem;

namespace quorvale {

class LegendStrip {
public:
    enum class Symbol { Box, Line, Dot };
    struct Entry {
        QString name;
        Symbol symbol = Symbol::Box;
        QPen pen;
        QBrush brush;
    };

    explicit LegendStrip(QChart* chart);

    void setEntries(std::vector<Entry> entries);
    QStringList names() const;

    // Lays the entries out at the bottom of the chart in `face` and returns
    // the height of the strip, which the chart keeps free below its plot;
    // 0 when not shown, empty, or when one name alone is wider than the
    // chart.
    int layOut(const QFont& face, int margin, bool shown);
    bool isShown() const;

private:
    QChart* m_chart;
    std::vector<Entry> m_entries;
    QGraphicsItem* m_items;
};

}  // namespace quorvale
