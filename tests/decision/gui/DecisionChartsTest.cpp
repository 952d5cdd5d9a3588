// The Decision Analysis window's two charts, drawn from results made by hand:
// what is drawn where, what is left out, and what the hover and the saved
// data say.

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QMenu>
#include <QValueAxis>
#include <QtTest>
#include <cmath>
#include <limits>

#include "GuiTestSupport.h"
#include "decision/gui/DecisionCharts.h"

using namespace quorvale;

namespace {

DecisionRow row(int step, double mean, double pOptimal) {
    return {step, 100.0 * step, mean, 4, 0.2, mean - 5, mean - 1, mean + 6, pOptimal, mean - 140};
}

QAreaSeries* area(QChartView& view, const QString& name) {
    for (QAbstractSeries* s : view.chart()->series()) {
        if (s->name() == name) {
            return qobject_cast<QAreaSeries*>(s);
        }
    }
    return nullptr;
}

std::pair<double, double> xExtent(QAreaSeries& a) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const QPointF& p : a.upperSeries()->points()) {
        low = std::min(low, p.x());
        high = std::max(high, p.x());
    }
    return {low, high};
}

// The labels the axis draws at its ticks, in its own format.
QStringList tickLabels(const QValueAxis& axis) {
    QStringList labels;
    for (double v = axis.min(); v <= axis.max() + axis.tickInterval() / 2; v += axis.tickInterval()) {
        labels.append(QString::asprintf(axis.labelFormat().toLatin1().constData(), v));
    }
    return labels;
}

TornadoBar bar(int drawIndex, double atLow, double atHigh) {
    TornadoBar b;
    b.drawIndex = drawIndex;
    b.costAtLow = atLow;
    b.costAtHigh = atHigh;
    b.eydAtLow = 1200;
    b.eydAtHigh = 1500;
    b.swing = std::fabs(atHigh - atLow);
    return b;
}

}  // namespace

class DecisionChartsTest : public QObject {
    Q_OBJECT

private slots:
    void theCostChartDrawsFiniteStepsTheBandAndTheShares() {
        DecisionResult result;
        result.rows = {row(1, 400, 0), row(2, 150, 0.25), row(3, 141, 0.5), row(4, 143, 0.25), row(5, 148, 0)};
        result.rows.push_back(row(6, 150, 0));
        result.rows.back().p90 = std::numeric_limits<double>::quiet_NaN();
        result.recommendedStep = 3;
        result.recommendedEyd = 300;
        result.recommendedMean = 141;
        result.bandTolerance = 0.015;
        result.bandFromEyd = 300;
        result.bandToEyd = 400;
        DecisionCostChart chart;
        chart.show();
        chart.showResult(result);

        // The step without a finite P90 is not drawn; x is in stations.
        QCOMPARE(chart.rows().size(), size_t{5});
        QCOMPARE(chart.meanSeries()->count(), 5);
        QCOMPARE(chart.meanSeries()->at(2), QPointF(3, 141));
        QAreaSeries* band = area(chart, QStringLiteral("Within 1.5 % of the best"));
        QVERIFY(band && band->isVisible());
        QCOMPARE(xExtent(*band), std::make_pair(2.5, 4.5));
        QAreaSeries* shares = area(chart, QStringLiteral("Cheapest here"));
        double tallest = 0;
        for (const QPointF& p : shares->upperSeries()->points()) {
            tallest = std::max(tallest, p.y());
        }
        QCOMPARE(tallest, 50.0);
        QVERIFY(chart.shareAxis()->max() >= 50);
        // The steep first step does not set the cost axis.
        QVERIFY(chart.costAxis()->max() < 400);
        QVERIFY(chart.costAxis()->min() <= 136 && chart.costAxis()->max() >= 156);
        QCOMPARE(chart.xAxis()->max(), 5.5);

        QCOMPARE(chart.stepText(3.2),
                 QStringLiteral("EYD 3 stations\nMean 141.00 $/mbf\nP10\u2013P90 136.00\u2013147.00 "
                                "$/mbf\nP50 140.00 $/mbf\nCheapest in 50.0 % of scenarios\n"
                                "Regret 1.00 $/mbf"));
        const ChartExport::Table table = chart.table();
        QCOMPARE(table.header.size(), size_t{9});
        QCOMPARE(table.rows.size(), size_t{5});
        QCOMPARE(table.rows[2][0], std::string("3"));
        QCOMPARE(table.rows[2][7], std::string("0.5"));

        QCOMPARE(chart.legendNames(), (QStringList{"Within 1.5 % of the best", "Cheapest here", "P10\u2013P90", "Mean",
                                                   "P50", "Recommended: 3 stations"}));

        // Steps that are seldom cheapest still get ticks that tell their
        // shares apart, at any height.
        for (DecisionRow& r : result.rows) {
            r.pOptimal /= 200;
        }
        chart.showResult(result);
        for (const QSize size : {QSize(640, 480), QSize(400, 220)}) {
            chart.resize(size);
            const QStringList ticks = tickLabels(*chart.shareAxis());
            QVERIFY2(ticks.size() >= 3 && ticks.size() == QSet<QString>(ticks.begin(), ticks.end()).size(),
                     qPrintable(ticks.join(QStringLiteral(", "))));
            QVERIFY(ticks.last().endsWith(QStringLiteral(" %")));
        }

        // A result without rows empties the chart and hides the marks.
        chart.clear();
        QCOMPARE(chart.meanSeries()->count(), 0);
        QVERIFY(!band->isVisible());
        QVERIFY(chart.stepText(3).isEmpty());
    }

    void theTornadoPutsTheLargestSwingOnTopAndLeavesOutStillInputs() {
        Tornado tornado;
        tornado.baseMinCost = 145;
        // The turn volume has no finite cost at its High: no bar, a note.
        TornadoBar noHigh = bar(1, 150, 0);
        noHigh.costAtHigh = noHigh.eydAtHigh = noHigh.swing = kNoFigure;
        tornado.bars = {noHigh, bar(0, 160, 140), bar(4, 140, 150), bar(13, 146, 148), bar(2, 145, 145)};
        DecisionTornadoChart chart;
        chart.resize(900, 500);
        chart.show();
        chart.showTornado(tornado);
        QVERIFY2(chart.title().endsWith(
                     QStringLiteral("Left out, no finite cost at its Low or High: Turn Volume (bdft)</small>")),
                 qPrintable(chart.title()));
        QCOMPARE(chart.table().rows[0], (std::vector<std::string>{"Turn Volume (bdft)", "150", "12", "", "", ""}));
        tornado.bars.erase(tornado.bars.begin());
        chart.showTornado(tornado);

        QCOMPARE(chart.bars().size(), size_t{3});  // unit size does not move the cost
        // Categories run bottom up, so the largest swing ends on top.
        QCOMPARE(chart.variableAxis()->categoriesLabels(),
                 QStringList({QStringLiteral("Life Cycle Road Cost ($/station)"),
                              QStringLiteral("Operator's Cost ($/day)"), QStringLiteral("Harvest Volume (mbf/acre)")}));
        // Both sides of the road cost lie above the base; each keeps a bar.
        int roadBars = 0;
        for (QAbstractSeries* s : chart.chart()->series()) {
            auto* a = qobject_cast<QAreaSeries*>(s);
            if (a && a->upperSeries()->count() > 0 && a->upperSeries()->at(0).y() <= 1.5) {
                const auto [low, high] = xExtent(*a);
                QCOMPARE(low, 145.0);
                QVERIFY(high == 146.0 || high == 148.0);
                ++roadBars;
            }
        }
        QCOMPARE(roadBars, 2);
        QVERIFY(
            chart.barText(0).startsWith(QStringLiteral("Harvest Volume (mbf/acre)\nAt its Low: 160.00 $/mbf at 12")));
        QVERIFY(chart.barText(3).isEmpty());
        // Each bar's ends carry the cost and the EYD in stations.
        QStringList ends = chart.shownBarEnds();
        ends.sort();
        QCOMPARE(ends, (QStringList{"140.00 at EYD 12", "140.00 at EYD 15", "146.00 at EYD 12", "148.00 at EYD 15",
                                    "150.00 at EYD 15", "160.00 at EYD 12"}));
        QCOMPARE(chart.legendNames(),
                 (QStringList{"Variable at its Low", "Variable at its High", "All at Average: 145.00 $/mbf"}));
        // In a small chart the captions take two lines and the texts that
        // have no room beside their bars go; nothing is cut or runs out of
        // the plot.
        chart.resize(330, 210);
        QCOMPARE(ChartFit::cutTexts(*chart.chart()), QStringList());
        QVERIFY(chart.variableAxis()->categoriesLabels().join(QString()).contains(QStringLiteral("<br>")));
        for (QGraphicsItem* item : chart.chart()->childItems()) {
            auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
            if (text && text->isVisible() && chart.shownBarEnds().contains(text->text())) {
                QVERIFY(chart.chart()->plotArea().contains(text->mapRectToParent(text->boundingRect())));
            }
        }
        chart.resize(900, 500);
        // The saved data keep every variable, the still one too.
        QCOMPARE(chart.table().rows.size(), size_t{4});
        QCOMPARE(chart.table().rows[3][0], std::string("Unit Size (acres)"));
        QCOMPARE(chart.title(), QStringLiteral("What moves the minimum cost"));

        // With every input at its Average no finite cost: nothing to draw against.
        tornado.baseMinCost = tornado.baseEyd = kNoFigure;
        chart.showTornado(tornado);
        const QList<QAbstractSeries*> drawn = chart.chart()->series();
        QVERIFY(std::none_of(drawn.begin(), drawn.end(), [](QAbstractSeries* s) { return s->isVisible(); }));
        QCOMPARE(chart.title(), QStringLiteral("With every input at its Average, no EYD has a finite cost."));
        QVERIFY(chart.legendNames().isEmpty());

        std::unique_ptr<QMenu> menu(chart.exporter()->createContextMenu(nullptr));
        for (const char* name : {"actCopyImage", "actSaveImage", "actSaveData"}) {
            QVERIFY(menu->findChild<QAction*>(QString::fromLatin1(name)));
        }
    }
};

QUORVALE_GUI_TEST_MAIN(DecisionChartsTest)
#include "DecisionChartsTest.moc"
