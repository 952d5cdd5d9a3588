// Every kind of chart the program draws (the grid charts of the static and
// simulation windows, the Decision Analysis window's cost chart, tornado,
// what-is-worth-measuring chart and comparison) answers a right click with the same export menu, and shows and clears
// its hover tool tip the same way.

#include <QAreaSeries>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QMenu>
#include <QtTest>
#include <functional>

#include "GuiTestSupport.h"
#include "base/Texts.h"
#include "charts/gui/DataGridChart.h"
#include "decision/gui/DecisionCharts.h"
#include "decision/gui/DecisionComparisonChart.h"
#include "decision/gui/DecisionVoiChart.h"

using namespace quorvale;

namespace {

DecisionResult costResult(double shift = 0) {
    DecisionResult result;
    result.scenarios = 100;
    for (int step = 1; step <= 4; ++step) {
        const double mean = 150.0 - step + shift;
        result.rows.push_back({step, 100.0 * step, mean, 4, 0.2, mean - 5, mean - 1, mean + 6, 0.25, 1});
    }
    result.recommendedStep = 4;
    result.recommendedEyd = 400;
    result.recommendedMean = 146;
    return result;
}

Tornado oneBar() {
    Tornado tornado;
    tornado.baseMinCost = 145;
    TornadoBar b;
    b.drawIndex = 0;
    b.costAtLow = 160;
    b.costAtHigh = 140;
    b.eydAtLow = 1200;
    b.eydAtHigh = 1500;
    b.swing = 20;
    tornado.bars = {b};
    return tornado;
}

// The first series of a kind on the view's chart.
template <typename Series>
Series* firstSeries(ChartView& view) {
    for (QAbstractSeries* s : view.chart()->series()) {
        if (auto* found = qobject_cast<Series*>(s)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

class ChartViewsTest : public QObject {
    Q_OBJECT

private slots:
    void everyChartOpensTheSameMenuAndHoversAlike() {
        DataGridChart grid(QStringList{QStringLiteral("Total")});
        grid.setRow(2);
        grid.setRowX(7);
        grid.setColumn(1);
        grid.setData(12.5);
        grid.redrawNow();
        DecisionCostChart cost;
        cost.showResult(costResult());
        DecisionTornadoChart tornado;
        tornado.showTornado(oneBar());
        DecisionVoiChart voi;
        voi.showValues({VoiEntry{0, "harvest-volume", 1.5, 300}, VoiEntry{2, "unit-size", 0.5, 100}});
        DecisionComparisonChart comparison;
        ComparisonResult compared;
        compared.a = costResult();
        compared.b = costResult(3);
        comparison.showComparison(compared, QStringLiteral("North"), QStringLiteral("South"));

        // Hovering a series brings up the chart's own text; leaving clears
        // it. The tornado's bars answer through their areas, the other charts
        // through their lines.
        auto* bar = firstSeries<QAreaSeries>(tornado);
        auto* voiBars = firstSeries<QHorizontalBarSeries>(voi);
        QVERIFY(bar && voiBars && !voiBars->barSets().isEmpty());
        struct Hover {
            ChartView* view;
            std::function<void(bool)> hover;
            QString text;
        };
        const Hover hovers[] = {
            {&grid, [&](bool in) { emit grid.series(1)->hovered(QPointF(6.8, 12), in); },
             QStringLiteral("Total\nEYD: 7 stat\nValue: 12.5")},
            {&cost, [&](bool in) { emit cost.meanSeries()->hovered(QPointF(3.1, 147), in); }, cost.stepText(3)},
            {&tornado, [&](bool in) { emit bar->hovered(QPointF(150, 0.5), in); }, tornado.barText(0)},
            {&voi, [&](bool in) { emit voiBars->hovered(in, 1, voiBars->barSets().first()); }, voi.barText(1)},
            {&comparison, [&](bool in) { emit comparison.seriesB()->hovered(QPointF(2.1, 151), in); },
             comparison.stepText(2)},
        };
        for (const Hover& h : hovers) {
            QVERIFY(!h.text.isEmpty());
            h.hover(true);
            QCOMPARE(h.view->lastHoverText(), h.text);
            h.hover(false);
            QVERIFY(h.view->lastHoverText().isEmpty());
        }

        const QStringList items{QString::fromUtf8(texts::charts::kCopyImage),
                                QString::fromUtf8(texts::charts::kSaveImage),
                                QString::fromUtf8(texts::charts::kSaveData)};
        for (ChartView* view : std::initializer_list<ChartView*>{&grid, &cost, &tornado, &voi, &comparison}) {
            view->resize(420, 300);
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view));
            const QPoint at = view->viewport()->rect().center();
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &click);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu, view->metaObject()->className());
            QStringList shown;
            for (QAction* a : menu->actions()) {
                if (!a->isSeparator()) {
                    shown.append(a->text());
                }
            }
            QCOMPARE(shown, items);
            menu->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
            view->hide();
        }
    }
};

QUORVALE_GUI_TEST_MAIN(ChartViewsTest)
#include "ChartViewsTest.moc"
