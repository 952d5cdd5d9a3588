// Whole Monte Carlo runs in the Simulator window: the real engine writing the
// real widgets, watched at the run's yields.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>

#include "FakeSimulatorHost.h"
#include "GuiTestSupport.h"
#include "SimulatorInArea.h"
#include "inputs/NumberText.h"
#include "simulator/gui/FractionBar.h"
#include "simulator/gui/FrmStats.h"
#include "simulator/gui/StatsRunView.h"
#include "simulator/StepStatistics.h"

using namespace quorvale;
using quorvale::test::FakeSimulatorHost;
using quorvale::test::openSimulator;
using quorvale::testing::YieldWatch;

namespace {

// The engine with a fixed seed, keeping what it returned.
struct EngineRun {
    RunSummary summary;
    int runs = 0;
    std::uint64_t seed = 20260;

    FrmStats::RunFunction function() {
        return [this](InputVariables& inputs, RunView& view, std::uint64_t) {
            ++runs;
            summary = stat_itmain(inputs, view, seed);
            return summary;
        };
    }
};

std::string rounded(double x, int decimals) { return plainDecimal(roundHalfEven(x, decimals)); }

}  // namespace

class FrmStatsRunTest : public QObject {
    Q_OBJECT

private:
    static std::string field(QWidget& window, const char* name) {
        return testing::fieldText(window, name).toStdString();
    }
    static int stepsDone(QWidget& window, int steps) {
        const auto* bar = testing::namedChild<FractionBar>(window, "ProgressBar2");
        return static_cast<int>(std::lround(bar->fraction() * steps));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aFullRunWithTheDefaultsShowsTheOptimumAndEndsWithFullBars() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        window.show();
        EngineRun engine;
        window.setRunFunction(engine.function());

        // At the yield that ends each step the window shows that step.
        QStringList runsAtStepEnd;
        QStringList eydAtStepEnd;
        int lastDone = 0;
        // Steps this short end faster than the window is drawn: its repaints
        // are held between drawings, and a wait longer than the gap (as in
        // "Pause 5 Sec.") ends the hold without the run.
        bool held = false;
        bool releasedWhileWaiting = false;
        YieldWatch watch([&] {
            if (window.isRunning() && !held && !window.updatesEnabled()) {
                held = true;
                QTest::qWait(static_cast<int>(StatsRunView::kRepaintGapMs) + 30);
                releasedWhileWaiting = window.updatesEnabled();
            }
            const int done = stepsDone(window, 30);
            if (window.isRunning() && done > lastDone) {
                lastDone = done;
                runsAtStepEnd << testing::fieldText(window, "TextRuns");
                eydAtStepEnd << testing::fieldText(window, "TextEYD");
            }
        });
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);

        const RunSummary& run = engine.summary;
        QVERIFY(!run.stopped);
        QCOMPARE(run.steps, 30);
        QCOMPARE(run.rows.size(), size_t(30));
        for (const StepSummary& row : run.rows) {
            QCOMPARE(row.samples, kMinSamplesPerStep);
        }
        QVERIFY(held);
        QVERIFY(releasedWhileWaiting);
        for (QWidget* shown : window.findChildren<QWidget*>()) {
            QVERIFY2(shown->updatesEnabled(), qPrintable(shown->objectName()));
        }
        QCOMPARE(runsAtStepEnd.size(), 30);
        QCOMPARE(runsAtStepEnd, QStringList(30, QStringLiteral("30")));
        QCOMPARE(eydAtStepEnd.front(), QStringLiteral("100"));
        QCOMPARE(eydAtStepEnd.back(), QStringLiteral("3000"));

        // Normal end: statistics back to "0", both bars full.
        for (const char* name : {"TextCheck", "TextRuns", "TextAverage", "TextVariance", "TextMin", "TextMax"}) {
            QCOMPARE(testing::fieldText(window, name), QStringLiteral("0"));
        }
        QCOMPARE(testing::namedChild<FractionBar>(window, "ProgressBar1")->fraction(), 1.0F);
        QCOMPARE(testing::namedChild<FractionBar>(window, "ProgressBar2")->fraction(), 1.0F);
        QCOMPARE(testing::namedChild<QLabel>(window, "LblPercent")->text(), QStringLiteral("100%"));
        QCOMPARE(testing::namedChild<QLabel>(window, "LblPercent2")->text(), QStringLiteral("100%"));
        QCOMPARE(testing::fieldText(window, "TextEYD"), QStringLiteral("3000"));

        // The optimum's figures in their stated forms.
        QVERIFY(run.optimum.has_value());
        const SimulationOptimum& best = *run.optimum;
        QCOMPARE(field(window, "TextOptEYD"), plainDecimal(best.eyd));
        QCOMPARE(field(window, "TextMinCost"), rounded(best.minCost, 0));
        QCOMPARE(field(window, "TextSpacing"), rounded(best.result.landingSpacing, 0));
        QCOMPARE(field(window, "TextDensity"), rounded(best.result.roadDensity, 1));
        QCOMPARE(field(window, "TextAyd"), rounded(best.result.ayd, 0));
        QCOMPARE(field(window, "TextAeyd"), rounded(best.result.aeyd, 0));
        QCOMPARE(field(window, "TextLyd"), rounded(best.result.lyd, 0));
        QCOMPARE(field(window, "TextAlyd"), rounded(best.result.alyd, 0));
        QCOMPARE(field(window, "TextCorridors"), rounded(best.result.corridorsPerLanding, 0));
        QCOMPARE(field(window, "TextLandings"), rounded(best.result.landingsPerUnit, 0));
        QVERIFY(testing::fieldText(window, "TextMinCost") != QStringLiteral("0"));

        // Every Low equals its High: each row's five cells are one cost.
        QCOMPARE(host.grid.rowCount(), 30);
        QCOMPARE(host.grid.columnCount(), 5);
        for (int row = 1; row <= 30; ++row) {
            QCOMPARE(host.grid.x(row), double(row));
            for (int column = 2; column <= 5; ++column) {
                QCOMPARE(host.grid.cell(row, column), host.grid.cell(row, 1));
            }
        }
        QVERIFY(std::abs(host.grid.cell(1, 1) - 340) < 5);
        QVERIFY(std::abs(host.grid.cell(10, 1) - 136) < 5);

        QCOMPARE(host.enableLog.front(), false);
        QVERIFY(host.variablesEnabled);
        QVERIFY(!testing::namedChild<QLineEdit>(window, "TextADev")->isReadOnly());
        // "Simulation Graph" unchecked: the chart stayed hidden.
        QVERIFY(!host.statsChartVisible());
    }

    void theSimulationGraphMarkShowsTheChartDuringTheRun() {
        FakeSimulatorHost host;
        host.graphChecked = true;
        FrmStats window(host);
        window.loadWindow();
        QVERIFY(!host.statsChartVisible());
        EngineRun engine;
        window.setRunFunction(engine.function());
        bool visibleAfterStepOne = false;
        bool reopenedVisible = false;
        YieldWatch watch([&] {
            const int done = stepsDone(window, 30);
            if (!window.isRunning()) {
                return;
            }
            if (done == 1) {
                visibleAfterStepOne = host.statsChartVisible();
            } else if (done == 2 && host.chartOpen) {
                // The chart's close box: its data go and the mark clears.
                host.closeStatsChart();
            } else if (done == 3) {
                // Step 3's row opened it again, visible; unchecked, the run
                // hides it from the 31st sample of the next step on.
                reopenedVisible = reopenedVisible || host.statsChartVisible();
            }
        });
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QVERIFY(visibleAfterStepOne);
        QVERIFY(reopenedVisible);
        QVERIFY(host.chartOpen);
        QVERIFY(!host.statsChartVisible());
        QVERIFY(!engine.summary.stopped);
    }

    void endDuringStep12LeavesRows1To11AndANegativeTargetHoldsTheStep() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        window.show();
        EngineRun engine;
        window.setRunFunction(engine.function());
        auto* target = testing::namedChild<QLineEdit>(window, "TextADev");
        auto* go = testing::namedChild<QPushButton>(window, "Command3");

        // After step 11 a negative target keeps step 12 sampling; a few
        // yields into it, with a second "Go" that changes nothing, "End".
        enum class Phase { Steps, Holding, Ended } phase = Phase::Steps;
        QString runsBeforeEnd;
        QString percentWhenTargetSet;
        QString percentBeforeEnd;
        QString eydBeforeEnd;
        int yieldsInStep12 = 0;
        bool goDisabled = false;
        YieldWatch watch([&] {
            if (!window.isRunning()) {
                return;
            }
            if (phase == Phase::Steps && stepsDone(window, 30) == 11) {
                target->selectAll();
                QTest::keyClicks(target, QStringLiteral("-1"));
                percentWhenTargetSet = testing::namedChild<QLabel>(window, "LblPercent")->text();
                phase = Phase::Holding;
            } else if (phase == Phase::Holding && ++yieldsInStep12 == 5) {
                percentBeforeEnd = testing::namedChild<QLabel>(window, "LblPercent")->text();
                eydBeforeEnd = testing::fieldText(window, "TextEYD");
                runsBeforeEnd = testing::fieldText(window, "TextRuns");
                goDisabled = !go->isEnabled();
                QTest::mouseClick(go, Qt::LeftButton);
                go->click();
                QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
                phase = Phase::Ended;
            }
        });
        QTest::mouseClick(go, Qt::LeftButton);

        // The second "Go" started nothing.
        QVERIFY(goDisabled);
        QCOMPARE(engine.runs, 1);
        QVERIFY(engine.summary.stopped);
        QCOMPARE(engine.summary.rows.size(), size_t(11));
        QCOMPARE(eydBeforeEnd, QStringLiteral("1200"));
        // Step 12 sampled on past its 31st sample, the bar as it was.
        QVERIFY(runsBeforeEnd.toLongLong() > 30);
        QCOMPARE(percentBeforeEnd, percentWhenTargetSet);

        for (int row = 1; row <= 30; ++row) {
            QCOMPARE(host.grid.x(row), double(row));
            for (int column = 1; column <= 5; ++column) {
                if (row <= 11) {
                    QVERIFY(host.grid.cell(row, column) > 0);
                } else {
                    QCOMPARE(host.grid.cell(row, column), 0.0);
                }
            }
        }
        // The stop path: every output field "0", both bars empty.
        for (const char* name :
             {"TextEYD", "TextCheck", "TextRuns", "TextAverage", "TextMinCost", "TextOptEYD", "TextLandings"}) {
            QCOMPARE(testing::fieldText(window, name), QStringLiteral("0"));
        }
        QCOMPARE(testing::namedChild<FractionBar>(window, "ProgressBar1")->fraction(), 0.0F);
        QCOMPARE(testing::namedChild<QLabel>(window, "LblPercent2")->text(), QStringLiteral("0%"));
        QCOMPARE(target->text(), QStringLiteral("-1"));
        QVERIFY(host.variablesEnabled);
        QVERIFY(go->isEnabled());
    }

    void closingTheWindowDuringARunStopsItAndClosesTheChart() {
        FakeSimulatorHost host;
        QMdiArea area;
        area.resize(900, 700);
        area.show();
        WindowRegistry windows(&area);
        FrmStats* window = openSimulator(windows, host);
        QPointer<QMdiSubWindow> sub(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
        EngineRun engine;
        window->setRunFunction(engine.function());
        auto* target = testing::namedChild<QLineEdit>(*window, "TextADev");
        int yields = 0;
        bool hiddenAtOnce = false;
        int chartClosesDuringRun = -1;
        YieldWatch watch([&] {
            if (sub.isNull() || !window->isRunning()) {
                return;
            }
            ++yields;
            if (yields == 1) {
                // The first yield ends step 1; a zero target keeps step 2
                // sampling until the window goes.
                target->setText(QStringLiteral("0"));
            } else if (yields == 4) {
                sub->close();
                // Gone for the user at once; closed for real, chart window
                // included, once the run has returned.
                hiddenAtOnce = !sub->isVisible();
                chartClosesDuringRun = host.closeCalls;
            }
        });
        QTest::mouseClick(testing::namedChild<QPushButton>(*window, "Command3"), Qt::LeftButton);
        QVERIFY(hiddenAtOnce);
        QCOMPARE(chartClosesDuringRun, 0);
        QVERIFY(engine.summary.stopped);
        QCOMPARE(engine.summary.rows.size(), size_t(1));
        QVERIFY(host.variablesEnabled);
        QCOMPARE(host.closeCalls, 1);
        QTRY_VERIFY(sub.isNull());
        QVERIFY(area.subWindowList().isEmpty());
    }
};

QTEST_MAIN(FrmStatsRunTest)
#include "FrmStatsRunTest.moc"
