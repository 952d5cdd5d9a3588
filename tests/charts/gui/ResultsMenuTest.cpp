// The "View" and "Show Results" menus: captions, nesting, group rules,
// handlers and what each click does to the chart windows.

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <cmath>

#include "GuiTestSupport.h"
#include "charts/CostChartTitles.h"
#include "charts/gui/DataGridChart.h"
#include "charts/gui/StaticChartWindow.h"
#include "inputs/gui/FrmData.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

class ResultsMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    void click(const char* name) { m_f->trigger(QString::fromLatin1(name)); }
    bool on(const char* name) const { return m_f->isChecked(QString::fromLatin1(name)); }
    int runs() const { return m_f->main().analysisRuns(); }
    QString caption(WindowId id) const {
        QWidget* w = m_f->window(id);
        return w ? w->windowTitle() : QString();
    }
    QWidget* front() const {
        QMdiSubWindow* active = m_f->main().mdiArea()->activeSubWindow();
        return active ? active->widget() : nullptr;
    }
    static QString title(int number) { return QString::fromUtf8(costChartTitle(number).data()); }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void menusHaveTheirCaptionsNestingAndStartWithOnlyLowRangeChecked() {
        QStringList bar;
        for (QAction* a : m_f->main().menuBar()->actions()) {
            bar.append(a->text());
        }
        QCOMPARE(bar, (QStringList{"&File", "View", "Show Results", "&Tools", "&Window", "&Help"}));
        auto* results = m_f->find<QMenu>(QStringLiteral("MnuResults"));
        auto* cost = m_f->find<QMenu>(QStringLiteral("MnuCostGraph"));
        QCOMPARE(cost->title(), QStringLiteral("    Cost ($/mbf)"));
        QCOMPARE(cost->parent(), results);
        QCOMPARE(m_f->find<QMenu>(QStringLiteral("MnuProductionGraph"))->title(), QStringLiteral("    Production"));
        QCOMPARE(m_f->find<QMenu>(QStringLiteral("MnuLoggingTime"))->title(), QStringLiteral("    Logging Time"));
        QCOMPARE(m_f->find<QMenu>(QStringLiteral("MnuRoadGraph"))->title(), QStringLiteral("    Roads"));
        QCOMPARE(m_f->find<QMenu>(QStringLiteral("MnuSettings"))->title(), QStringLiteral("    Settings"));
        QCOMPARE(m_f->action(QStringLiteral("MnuGraphLow"))->parent(), m_f->find<QMenu>(QStringLiteral("MnuStatic")));
        QCOMPARE(m_f->action(QStringLiteral("MnuTonsDay"))->text(), QStringLiteral("Tons/Day (12.5 lbs/bdft)"));
        QCOMPARE(m_f->action(QStringLiteral("MnuLandingSpacing"))->text(), QStringLiteral("Landing Spacing (stat)"));
        QCOMPARE(m_f->action(QStringLiteral("MnuSimulation"))->parent(), results);
        QCOMPARE(m_f->action(QStringLiteral("MnuVariables"))->parent(), m_f->find<QMenu>(QStringLiteral("MnuView")));
        QStringList checked;
        for (const ResultsMenuItem& item : kResultsMenuItems) {
            const QString name = QString::fromLatin1(item.name);
            const bool isMenu = item.kind == ResultsItemKind::Menu || item.kind == ResultsItemKind::Submenu;
            QAction* a = isMenu ? m_f->find<QMenu>(name)->menuAction() : m_f->action(name);
            if (a->isChecked()) {
                checked.append(name);
            }
            QVERIFY2(a->isEnabled() && a->isVisible() && a->shortcut().isEmpty(), item.name);
        }
        QCOMPARE(checked, QStringList{"MnuGraphLow"});
        for (WindowId id : {WindowId::FrmGraph, WindowId::FrmGraphLoads, WindowId::FrmGraphLogging,
                            WindowId::FrmGraphRoad, WindowId::FrmGraphSettings}) {
            QVERIFY(!m_f->window(id));
        }
    }

    void checkMarksSetByCodeRunNoHandler() {
        const int before = runs();
        m_f->main().results().setChecked(QStringLiteral("MnuTotalCost"), true);
        m_f->main().results().setChecked(QStringLiteral("MnuGraphLow"), false);
        QCOMPARE(runs(), before);
        QVERIFY(!m_f->window(WindowId::FrmGraph));
        QVERIFY(!on("MnuGraphLow"));
    }

    void rangeItemsAreExclusiveAndOnlyACheckedOneRunsTheAnalysis() {
        click("MnuTotalCost");
        const QString lowTitle = caption(WindowId::FrmGraph);
        QCOMPARE(lowTitle, title(7));
        const int before = runs();
        click("MnuGraphLow");  // unchecks the checked range item
        QVERIFY(!on("MnuGraphLow") && !on("MnuGraphAverage") && !on("MnuGraphHigh"));
        QCOMPARE(runs(), before);
        // A later analysis uses the averages; the title stays as it was.
        click("MnuLoggingCost");
        QCOMPARE(m_f->main().lastSweep().rangeCase, RangeCase::Average);
        QCOMPARE(caption(WindowId::FrmGraph), lowTitle);
        click("MnuGraphAverage");
        click("MnuGraphHigh");
        QVERIFY(on("MnuGraphHigh") && !on("MnuGraphAverage"));
        QCOMPARE(m_f->main().lastSweep().rangeCase, RangeCase::High);
        QCOMPARE(caption(WindowId::FrmGraph), title(6));
    }

    void averageRefreshesEveryOpenChartWithItsTitle() {
        click("MnuRoadCost");
        click("MnuRoadDensity");
        DataGridChart* roads = m_f->chart(WindowId::FrmGraphRoad);
        const int before = runs();
        click("MnuGraphAverage");
        QVERIFY(!on("MnuGraphLow"));
        QCOMPARE(runs(), before + 1);
        QCOMPARE(caption(WindowId::FrmGraph), title(20));
        QCOMPARE(m_f->main().lastSweep().rangeCase, RangeCase::Average);
        // The correction entries were 0.5 (Low) and 1: their average 0.75
        // is below the fixed corridor time and stays.
        QCOMPARE(m_f->main().lastSweep().inputs.multipleCorridorCorrection, 0.75);
        QCOMPARE(roads->rowCount(), 30);
    }

    void costTitlesFollowTheMarks() {
        click("MnuRoadCost");
        click("MnuLoggingCost");
        click("MnuTotalCost");
        QCOMPARE(caption(WindowId::FrmGraph), title(1));
        QVERIFY(caption(WindowId::FrmGraph).endsWith(QLatin1String("' ")));
        m_f->main().windows().close(WindowId::FrmGraph);
        settle();
        click("MnuGraphAverage");
        QVERIFY(!m_f->window(WindowId::FrmGraph));  // no cost item: no title, no window
        click("MnuTotalCost");
        QCOMPARE(caption(WindowId::FrmGraph), title(8));
        click("MnuRoadCost");
        QCOMPARE(caption(WindowId::FrmGraph), title(11));
        click("MnuTotalCost");
        QCOMPARE(caption(WindowId::FrmGraph), title(20));
        click("MnuGraphHigh");
        QCOMPARE(caption(WindowId::FrmGraph), title(21));
    }

    void highRangeWithoutACostItemLeavesTheCostChartClosed() {
        click("MnuGraphHigh");
        QVERIFY(!m_f->window(WindowId::FrmGraph));
        QCOMPARE(m_f->main().lastSweep().rangeCase, RangeCase::High);
    }

    void aCostChartOpenedWithoutARangeItemKeepsItsCaptionAtCreation() {
        click("MnuGraphLow");
        click("MnuTotalCost");
        QCOMPARE(caption(WindowId::FrmGraph),
                 QStringLiteral("Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)"));
    }

    void onlyRoadCostBringsTheCostChartToTheFront() {
        click("MnuLoggingCost");  // opens the cost chart through title and analysis
        QVERIFY(m_f->window(WindowId::FrmGraph));
        click("MnuMbfDay");
        QCOMPARE(front(), m_f->window(WindowId::FrmGraphLoads));
        click("MnuTotalCost");
        QCOMPARE(front(), m_f->window(WindowId::FrmGraphLoads));
        click("MnuRoadCost");
        QCOMPARE(front(), m_f->window(WindowId::FrmGraph));
        m_f->main().windows().show(WindowId::FrmGraphLoads);
        click("MnuRoadCost");  // unchecked, others still checked: still to the front
        QVERIFY(!on("MnuRoadCost"));
        QCOMPARE(front(), m_f->window(WindowId::FrmGraph));
    }

    void uncheckingTheLastCostItemClosesTheCostChart() {
        click("MnuRoadCost");
        click("MnuTotalCost");
        DataGridChart* cost = m_f->chart(WindowId::FrmGraph);
        QVERIFY(cost->value(10, 1) > 0);
        QMdiSubWindow* frame = m_f->frame(WindowId::FrmGraph);
        const QPoint place = frame->pos();
        click("MnuTotalCost");  // "Total" becomes all zeros; the window stays put
        QCOMPARE(m_f->frame(WindowId::FrmGraph), frame);
        QCOMPARE(frame->pos(), place);
        for (int r = 1; r <= cost->rowCount(); ++r) {
            QCOMPARE(cost->value(r, 1), 0.0);
            QVERIFY(cost->value(r, 3) > 0);
        }
        const int before = runs();
        click("MnuRoadCost");
        QVERIFY(!m_f->window(WindowId::FrmGraph));
        QCOMPARE(runs(), before);
    }

    void productionItemsAreExclusiveAndTheChartOutlivesItsMark() {
        click("MnuTonsDay");
        QCOMPARE(caption(WindowId::FrmGraphLoads), QStringLiteral("Production (tons/day) vs EYD (stat)"));
        DataGridChart* loads = m_f->chart(WindowId::FrmGraphLoads);
        const double tons = loads->value(10, 1);
        QVERIFY(std::fabs(tons - 160) < 1);
        click("MnuTotalDays");  // another window to the front
        click("MnuMbfDay");
        QVERIFY(!on("MnuTonsDay") && on("MnuMbfDay"));
        QCOMPARE(caption(WindowId::FrmGraphLoads), QStringLiteral("Production (mbf/day) vs EYD (stat)"));
        QVERIFY(std::fabs(loads->value(10, 1) - 25.6) < 0.1);
        QCOMPARE(front(), m_f->window(WindowId::FrmGraphLoads));
        click("MnuLoadsDay");
        QCOMPARE(caption(WindowId::FrmGraphLoads), QStringLiteral("Production (Loads/day) vs EYD (stat)"));
        const int before = runs();
        click("MnuLoadsDay");  // unchecked: nothing marked, window stays as it was
        QVERIFY(!on("MnuTonsDay") && !on("MnuMbfDay") && !on("MnuLoadsDay"));
        QVERIFY(m_f->window(WindowId::FrmGraphLoads));
        QCOMPARE(runs(), before);
    }

    void layoutItemsSwitchTheQuantityAndTheCheckedOneClosesTheChart() {
        click("MnuAyd");
        QCOMPARE(caption(WindowId::FrmGraphSettings), QStringLiteral("Average Yarding Distance (stat) vs. EYD (stat)"));
        QCOMPARE(m_f->chart(WindowId::FrmGraphSettings)->value(10, 1), 5.0);  // 500 feet
        click("MnuCorridors");
        QVERIFY(!on("MnuAyd"));
        QCOMPARE(caption(WindowId::FrmGraphSettings), QStringLiteral("Corridors per Landing vs. EYD (stat)"));
        QCOMPARE(m_f->chart(WindowId::FrmGraphSettings)->value(10, 1), 1.0);
        click("MnuCorridors");
        QVERIFY(!m_f->window(WindowId::FrmGraphSettings));
    }

    void loggingTimeAndRoadsFillTheirColumnsAndCloseWithTheirLastItem() {
        click("MnuTotalDays");
        DataGridChart* logging = m_f->chart(WindowId::FrmGraphLogging);
        QVERIFY(std::fabs(logging->value(10, 1) - 8.19) < 0.01);
        QCOMPARE(logging->value(10, 2), 0.0);
        QCOMPARE(logging->value(10, 3), 0.0);
        click("MnuLandingSpacing");
        DataGridChart* roads = m_f->chart(WindowId::FrmGraphRoad);
        QVERIFY(std::fabs(roads->value(10, 2) - 1.64) < 0.01);
        QCOMPARE(roads->value(10, 1), 0.0);
        click("MnuRoadDensity");
        QCOMPARE(roads->value(10, 1), 5.28);
        click("MnuLandingSpacing");
        click("MnuRoadDensity");
        QVERIFY(!m_f->window(WindowId::FrmGraphRoad));
        click("MnuTotalDays");
        QVERIFY(!m_f->window(WindowId::FrmGraphLogging));
    }

    void variablesAndSimulatorGoThroughTheWindowRegistry() {
        WindowRegistry& windows = m_f->main().windows();
        // The Simulator window closes with its chart; both come back from
        // their factories.
        windows.close(WindowId::FrmStats);
        QVERIFY(!windows.isLoaded(WindowId::FrmGraphStats));
        int statsMade = 0;
        int chartsMade = 0;
        windows.setFactory(WindowId::FrmStats, [&statsMade] {
            ++statsMade;
            return new QWidget;
        });
        windows.setFactory(WindowId::FrmGraphStats, [&chartsMade] {
            ++chartsMade;
            return new QWidget;
        });
        click("MnuSimulator");
        click("MnuSimulator");
        QCOMPARE(statsMade, 1);
        QVERIFY(!m_f->frame(WindowId::FrmStats)->isHidden());
        // Checking "Simulation Graph" shows nothing; unchecking hides the
        // chart, loading it invisibly when it is not open.
        click("MnuSimulation");
        QCOMPARE(chartsMade, 0);
        click("MnuSimulation");
        QCOMPARE(chartsMade, 1);
        QVERIFY(m_f->window(WindowId::FrmGraphStats));
        QVERIFY(m_f->frame(WindowId::FrmGraphStats)->isHidden());
    }
};

QUORVALE_GUI_TEST_MAIN(ResultsMenuTest)
#include "ResultsMenuTest.moc"
