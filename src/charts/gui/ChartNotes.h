#pragma once
// What a data-grid chart draws on its plot besides the curves: the mark at
// the lowest total cost with its label, the note on capped values, and the
// value axis' title across above the axis where it has no room along it.
// They only change how the table is drawn, never what it holds.

#include <QString>

class QChart;
class QFont;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QObject;
class QScatterSeries;
class QValueAxis;

namespace quorvale {

class ChartTable;
struct ChartLook;

class ChartNotes {
public:
    // The mark is a series on the chart's axes, owned by `owner`; the notes
    // are items of the chart.
    ChartNotes(QChart* chart, QValueAxis* x, QValueAxis* y, QObject* owner);

    // The mark at the lowest total cost: one point; empty when the look
    // marks nothing or no total is charted.
    QScatterSeries* minimumMark() const { return m_minimum; }
    QString minimumText() const { return m_minimumText; }
    // The notes on capped values, one a line; empty when no curve is capped.
    QString capNote() const { return m_capText; }
    // Whether the value axis' title stands across, above the axis.
    bool isYTitleAbove() const { return m_yTitleAbove; }

    // The mark goes on top of the curves: after every new series.
    void raiseMark();
    // Marks the lowest positive value of the look's marked column and notes
    // the shown curves that reach their cap.
    void update(const ChartTable& table, const ChartLook& look);
    void setFace(const QFont& face);
    void setYTitleAbove(const QString& title, bool above);
    // Places the notes in the plot as it now stands.
    void place();

private:
    QChart* m_chart;
    QValueAxis* m_axisX;
    QValueAxis* m_axisY;
    QScatterSeries* m_minimum;
    // The notes on the plot: a text on a light box each.
    QGraphicsRectItem* m_minimumLabel;
    QGraphicsRectItem* m_capLabel;
    QGraphicsSimpleTextItem* m_yTitleAcross;
    QString m_minimumText;
    QString m_capText;
    bool m_yTitleAbove = false;
};

}  // namespace quorvale
