// The five static chart windows: design state, filling the window, closing
// and reopening, and what the sweep writes into them.

#include <QLineEdit>
#include <QMdiArea>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QValueAxis>
#include <cmath>

#include "GuiTestSupport.h"
#include "charts/gui/DataGridChart.h"
#include "charts/gui/StaticChartWindow.h"
#include "base/gui/Twips.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

struct Design {
    WindowId id;
    const char* chartName;
    const char* caption;
    QStringList series;
    const char* openingItem;
};

const QList<Design>& designs() {
    static const QList<Design> list{
        {WindowId::FrmGraph,
         "MSChart2",
         "Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)",
         {"Total", "Logging", "Road"},
         "MnuTotalCost"},
        {WindowId::FrmGraphLoads, "MSChart1", "Production (mbf/day) vs. EYD (stat)", {"Production"}, "MnuMbfDay"},
        {WindowId::FrmGraphLogging,
         "MSChart1",
         "Yarding Time (min/cycle) and Rigging Time (hrs/per landing) vs. EYD (stat)",
         {"1/10 Total Days", "Yarding", "Rigging"},
         "MnuCycleTime"},
        {WindowId::FrmGraphRoad,
         "MSChart1",
         "Road Density (miles/section) & Landing Spacing (stat) vs. EYD (stat)",
         {"Road Density", "Landing Spacing"},
         "MnuRoadDensity"},
        {WindowId::FrmGraphSettings, "MSChart1", "Settings Data", {"Settings"}, "MnuLandings"},
    };
    return list;
}

}  // namespace

class ChartWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    void click(const char* name) { m_f->trigger(QString::fromLatin1(name)); }
    bool on(const char* name) const { return m_f->isChecked(QString::fromLatin1(name)); }

    void setEyd(const char* stations) {
        QLineEdit* eyd = m_f->find<QLineEdit>(QStringLiteral("data_8"));
        eyd->setFocus(Qt::MouseFocusReason);
        eyd->setText(QString::fromLatin1(stations));
        m_f->find<QLineEdit>(QStringLiteral("data_9"))->setFocus(Qt::TabFocusReason);
    }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void aNewWindowHasItsDesignCaptionSeriesAndPlaceholderRows() {
        for (const Design& d : designs()) {
            auto* window = qobject_cast<StaticChartWindow*>(m_f->main().windows().load(d.id));
            QVERIFY(window);
            QCOMPARE(window->objectName(), QString::fromLatin1(windowName(d.id)));
            QCOMPARE(window->windowTitle(), QString::fromUtf8(d.caption));
            DataGridChart* chart = window->chart();
            QCOMPARE(chart->objectName(), QString::fromLatin1(d.chartName));
            QCOMPARE(chart->seriesLabels(), d.series);
            QCOMPARE(chart->rowCount(), 23);
            QCOMPARE(chart->rowLabel(1), QStringLiteral("R1"));
            QCOMPARE(chart->rowLabel(23), QStringLiteral("R23"));
            QVERIFY(!m_f->frame(d.id)->isHidden());  // visible once loaded
        }
    }

    void theChartFillsItsWindowThroughResizesAndMinimizing() {
        click("MnuTotalCost");
        checkChartFillsItsWindow(*m_f->chartWindow(WindowId::FrmGraph), *m_f->frame(WindowId::FrmGraph));
    }

    void closingAChartClearsItsGroupsItemsInTheStatedOrder() {
        const QList<QPair<WindowId, QStringList>> orders{
            {WindowId::FrmGraph, {"MnuRoadCost", "MnuLoggingCost", "MnuTotalCost"}},
            {WindowId::FrmGraphLoads, {"MnuTonsDay", "MnuLoadsDay", "MnuMbfDay"}},
            {WindowId::FrmGraphLogging, {"MnuTotalDays", "MnuCycleTime", "MnuRiggingTime"}},
            {WindowId::FrmGraphRoad, {"MnuRoadDensity", "MnuLandingSpacing"}},
            {WindowId::FrmGraphSettings, {"MnuAyd", "MnuAeyd", "MnuLyd", "MnuAlyd", "MnuCorridors", "MnuLandings"}},
        };
        for (const auto& [id, items] : orders) {
            m_f->main().windows().load(id);
            QStringList cleared;
            QList<QMetaObject::Connection> connections;
            for (const QString& item : items) {
                QAction* a = m_f->action(item);
                a->setChecked(true);  // by code: every item is seen being cleared
                connections.append(connect(a, &QAction::toggled, this, [&cleared, item](bool checked) {
                    if (!checked) {
                        cleared.append(item);
                    }
                }));
            }
            m_f->frame(id)->close();  // the close box
            for (const auto& c : connections) {
                disconnect(c);
            }
            QCOMPARE(cleared, items);
            QVERIFY(!m_f->window(id));
        }
        QVERIFY(on("MnuGraphLow"));  // other groups keep their marks
    }

    void aClosedChartReopensFreshOnItsNextItem() {
        click("MnuRoadCost");
        click("MnuTotalCost");
        m_f->frame(WindowId::FrmGraph)->close();
        settle();
        QVERIFY(!on("MnuRoadCost") && !on("MnuTotalCost"));
        click("MnuLoggingCost");
        QVERIFY(on("MnuLoggingCost") && !on("MnuRoadCost") && !on("MnuTotalCost"));
        DataGridChart* cost = m_f->chart(WindowId::FrmGraph);
        QCOMPARE(cost->rowCount(), 30);
        for (int r = 1; r <= 30; ++r) {
            QCOMPARE(cost->value(r, 1), 0.0);
            QVERIFY(cost->value(r, 2) > 0);
            QCOMPARE(cost->value(r, 3), 0.0);
            QCOMPARE(cost->rowLabel(r), QString::number(r));
        }
    }

    void uncheckedSeriesAreHiddenWhileTheGridKeepsTheirZeros() {
        click("MnuRoadCost");
        click("MnuTotalCost");
        DataGridChart* cost = m_f->chart(WindowId::FrmGraph);
        QTRY_VERIFY(!cost->redrawPending());
        QVERIFY(cost->isSeriesShown(1) && !cost->isSeriesShown(2) && cost->isSeriesShown(3));
        QVERIFY(!cost->series(2)->isVisible());
        QCOMPARE(cost->value(12, 2), 0.0);
        QCOMPARE(cost->yAxis()->titleText(), QStringLiteral("Cost ($/mbf)"));
        QCOMPARE(cost->xAxis()->titleText(), QStringLiteral("EYD (stations)"));
        // The lowest total is marked where the grid has it.
        int lowest = 1;
        for (int r = 1; r <= cost->rowCount(); ++r) {
            if (cost->value(r, 1) <= cost->value(lowest, 1)) {
                lowest = r;
            }
        }
        QCOMPARE(cost->minimumMark()->at(0).x(), double(lowest));
        // Unchecking "Total Cost" hides it and its mark, and keeps the window.
        click("MnuTotalCost");
        QTRY_VERIFY(!cost->redrawPending());
        QVERIFY(!cost->series(1)->isVisible());
        QCOMPARE(cost->value(lowest, 1), 0.0);
        QCOMPARE(cost->minimumMark()->count(), 0);
        QCOMPARE(cost->yAxis()->titleText(), QStringLiteral("Cost ($/mbf)"));
        // The roads chart names the unit of what it shows, and notes the cap
        // of the road density that short EYDs reach.
        click("MnuRoadDensity");
        DataGridChart* roads = m_f->chart(WindowId::FrmGraphRoad);
        QTRY_VERIFY(!roads->redrawPending());
        QCOMPARE(roads->yAxis()->titleText(), QStringLiteral("Road density (miles per section)"));
        QCOMPARE(roads->capNote(), QStringLiteral("Road density capped at 20 miles per section"));
        QVERIFY(roads->pointText(1, QPointF(10, 0)).endsWith(QStringLiteral(" miles per section")));
    }

    void chartWindowsOpenAtLeastAtTheSimulationChartsSize() {
        const QSize designed = Twips(*m_f->main().mdiArea()).size(6345, 3465);
        for (const Design& d : designs()) {
            click(d.openingItem);
            const QSize client = m_f->chartWindow(d.id)->size();
            QVERIFY2(client.width() >= designed.width() && client.height() >= designed.height(), windowName(d.id));
        }
    }

    void theProductionChartClearsAllItsItemsWhicheverWasChecked() {
        click("MnuLoadsDay");
        m_f->frame(WindowId::FrmGraphLoads)->close();
        QVERIFY(!on("MnuTonsDay") && !on("MnuMbfDay") && !on("MnuLoadsDay"));
    }

    void aShorterSweepLeavesFewerRows() {
        click("MnuTotalCost");
        click("MnuAyd");
        setEyd("40");
        QCOMPARE(m_f->chart(WindowId::FrmGraph)->rowCount(), 40);
        setEyd("30");
        QCOMPARE(m_f->chart(WindowId::FrmGraph)->rowCount(), 30);
        QCOMPARE(m_f->chart(WindowId::FrmGraphSettings)->rowCount(), 30);
        QCOMPARE(m_f->chart(WindowId::FrmGraph)->rowLabel(30), QStringLiteral("30"));
        // Below one station nothing is evaluated and the grids are empty.
        setEyd("0.5");
        QCOMPARE(m_f->main().lastSweep().steps, 0);
        QCOMPARE(m_f->chart(WindowId::FrmGraph)->rowCount(), 0);
    }

    void anEditWithNoGroupActiveOpensNoChart() {
        setEyd("25");
        QCOMPARE(m_f->main().lastSweep().steps, 25);
        for (const Design& d : designs()) {
            QVERIFY(!m_f->window(d.id));
        }
    }

    void closingTheMainWindowClosesEveryChartClearingItsItems() {
        for (const Design& d : designs()) {
            click(d.openingItem);
        }
        QList<QPointer<QWidget>> windows;
        for (const Design& d : designs()) {
            windows.append(m_f->window(d.id));
            QVERIFY(windows.last());
        }
        QVERIFY(m_f->main().close());
        for (const Design& d : designs()) {
            QVERIFY(!on(d.openingItem));
            QVERIFY(!m_f->window(d.id));
        }
        QVERIFY(on("MnuGraphLow"));
        settle();
        for (const QPointer<QWidget>& w : windows) {
            QVERIFY(w.isNull());
        }
    }
};

QUORVALE_GUI_TEST_MAIN(ChartWindowsTest)
#include "ChartWindowsTest.moc"
