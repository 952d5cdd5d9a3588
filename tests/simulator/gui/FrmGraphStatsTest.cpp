// The simulation chart window in the real main window: its design state, the
// chart filling it, and the "Simulation Graph" mark deciding whether it is
// visible, between runs and during them.

#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <cmath>

#include "GuiTestSupport.h"
#include "charts/gui/DataGridChart.h"
#include "simulator/gui/FractionBar.h"
#include "simulator/gui/FrmGraphStats.h"
#include "simulator/gui/FrmStats.h"
#include "base/gui/Twips.h"
#include "base/gui/WindowRegistry.h"

using namespace quorvale;
using namespace quorvale::testing;

class FrmGraphStatsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    WindowRegistry& windows() { return m_f->main().windows(); }
    QMdiSubWindow* chartFrame() { return m_f->frame(WindowId::FrmGraphStats); }
    bool chartShown() {
        QMdiSubWindow* frame = chartFrame();
        return frame && !frame->isHidden();
    }
    bool marked() { return m_f->isChecked(QStringLiteral("MnuSimulation")); }
    int stepsDone() {
        auto* bar = m_f->simulator()->findChild<FractionBar*>(QStringLiteral("ProgressBar2"));
        return static_cast<int>(std::lround(bar->fraction() * 30));
    }
    void go() {
        QTest::mouseClick(m_f->simulator()->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
    }

private slots:
    void init() {
        m_f = std::make_unique<MainWindowFixture>();
        m_f->main().setRunSeed(20260);
    }
    void cleanup() { m_f.reset(); }

    void theChartOpensHiddenWithTheSimulatorInItsDesignState() {
        auto* window = qobject_cast<FrmGraphStats*>(m_f->window(WindowId::FrmGraphStats));
        QVERIFY(window);
        QVERIFY(chartFrame()->isHidden());
        QVERIFY(!marked());
        QCOMPARE(window->objectName(), QStringLiteral("FrmGraphStats"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Stats Graph Total Cost($/mbf) vs. EYD (stat)"));
        DataGridChart* chart = window->chart();
        QCOMPARE(chart->objectName(), QStringLiteral("MSChart2"));
        QCOMPARE(chart->seriesLabels(), (QStringList{"Average", "Average-Stdev", "Average+Stdev", "Min", "Max"}));
        QCOMPARE(chart->rowCount(), 23);
        QCOMPARE(chart->rowLabel(1), QStringLiteral("R1"));
        QCOMPARE(chart->rowLabel(23), QStringLiteral("R23"));
        QCOMPARE(window->size(), Twips(*window).size(6345, 3465));
        // Resizable, unlike the Simulator window.
        QVERIFY(window->minimumSize() != window->maximumSize());
    }

    void theChartFillsItsWindowThroughResizesAndMinimizing() {
        // Shown by hand: the frame is what the user resizes.
        chartFrame()->show();
        checkChartFillsItsWindow(*m_f->chartWindow(WindowId::FrmGraphStats), *chartFrame());
    }

    void theMarkHidesTheChartButNeverShowsItByItself() {
        m_f->trigger(QStringLiteral("MnuSimulation"));
        QVERIFY(marked());
        QVERIFY(chartFrame()->isHidden());
        chartFrame()->show();
        m_f->trigger(QStringLiteral("MnuSimulation"));
        QVERIFY(!marked());
        QVERIFY(windows().isLoaded(WindowId::FrmGraphStats));
        QVERIFY(chartFrame()->isHidden());
        // Unchecked with the chart closed: it is loaded, invisibly.
        windows().close(WindowId::FrmGraphStats);
        m_f->action(QStringLiteral("MnuSimulation"))->setChecked(true);
        m_f->trigger(QStringLiteral("MnuSimulation"));
        QVERIFY(windows().isLoaded(WindowId::FrmGraphStats));
        QVERIFY(chartFrame()->isHidden());
    }

    void closingTheChartOrTheSimulatorClearsTheMark() {
        m_f->trigger(QStringLiteral("MnuSimulation"));
        chartFrame()->show();
        chartFrame()->close();  // the close box
        QVERIFY(!windows().isLoaded(WindowId::FrmGraphStats));
        QVERIFY(!marked());
        QVERIFY(windows().isLoaded(WindowId::FrmStats));

        // The Simulator window takes its chart along when it closes.
        windows().hide(WindowId::FrmGraphStats);
        m_f->trigger(QStringLiteral("MnuSimulation"));
        m_f->frame(WindowId::FrmStats)->close();
        QVERIFY(!windows().isLoaded(WindowId::FrmStats));
        QVERIFY(!windows().isLoaded(WindowId::FrmGraphStats));
        QVERIFY(!marked());
        QVERIFY(m_f->isChecked(QStringLiteral("MnuGraphLow")));
    }

    void uncheckedAndHiddenTheChartStaysHiddenThroughARun() {
        bool everShown = false;
        int yields = 0;
        YieldWatch watch([&] {
            if (m_f->simulator()->isRunning()) {
                ++yields;
                everShown = everShown || chartShown();
            }
        });
        go();
        QVERIFY(yields >= 30);
        QVERIFY(!everShown);
        QVERIFY(chartFrame()->isHidden());
        // It still took the run's rows.
        DataGridChart* chart = m_f->chart(WindowId::FrmGraphStats);
        QCOMPARE(chart->rowCount(), 30);
        QCOMPARE(chart->rowLabel(30), QStringLiteral("30"));
    }

    void checkedAndHiddenTheChartAppearsFromThe31stSampleOfStep1() {
        m_f->trigger(QStringLiteral("MnuSimulation"));
        QVERIFY(chartFrame()->isHidden());
        bool shownTooEarly = false;
        bool shownAfterStep1 = false;
        YieldWatch watch([&] {
            if (!m_f->simulator()->isRunning()) {
                return;
            }
            const bool past31stSample = stepsDone() >= 1 || m_f->simulatorText("TextRuns").toInt() >= 30;
            shownTooEarly = shownTooEarly || (chartShown() && !past31stSample);
            shownAfterStep1 = shownAfterStep1 || (stepsDone() >= 1 && chartShown());
        });
        go();
        QVERIFY(!shownTooEarly);
        QVERIFY(shownAfterStep1);
        QVERIFY(chartShown());
        QVERIFY(marked());
    }

    void aRunAfterTheChartWasClosedCreatesItAgain() {
        m_f->trigger(QStringLiteral("MnuSimulation"));
        chartFrame()->show();
        QPointer<QWidget> before = m_f->window(WindowId::FrmGraphStats);
        chartFrame()->close();
        settle();
        QVERIFY(before.isNull());
        QVERIFY(!marked());
        // Created again at the run's start, visible; the cleared mark hides
        // it from the 31st sample of step 1 on.
        bool createdVisible = false;
        connect(&windows(), &WindowRegistry::windowLoaded, this, [&](WindowId id) {
            if (id == WindowId::FrmGraphStats) {
                createdVisible = chartShown();
            }
        });
        go();
        QVERIFY(createdVisible);
        QVERIFY(windows().isLoaded(WindowId::FrmGraphStats));
        QVERIFY(chartFrame()->isHidden());
        DataGridChart* chart = m_f->chart(WindowId::FrmGraphStats);
        QCOMPARE(chart->rowCount(), 30);
        for (int row = 1; row <= 30; ++row) {
            QCOMPARE(chart->rowLabel(row), QString::number(row));
            QVERIFY(chart->value(row, 1) > 0);
        }
    }

    void closingTheChartDuringARunLeavesTheRunGoing() {
        m_f->trigger(QStringLiteral("MnuSimulation"));
        bool closed = false;
        bool hiddenAfterReopening = false;
        YieldWatch watch([&] {
            if (!m_f->simulator()->isRunning()) {
                return;
            }
            if (!closed && stepsDone() == 2 && chartShown()) {
                chartFrame()->close();
                closed = true;
            } else if (closed && stepsDone() >= 4) {
                // Touched again by the run, it came back; with the mark
                // cleared by the close the run keeps it hidden.
                hiddenAfterReopening = windows().isLoaded(WindowId::FrmGraphStats) && !chartShown();
            }
        });
        go();
        QVERIFY(closed);
        QVERIFY(hiddenAfterReopening);
        QVERIFY(!marked());
        QVERIFY(m_f->main().lastRun().has_value());
        QVERIFY(!m_f->main().lastRun()->stopped);
        QCOMPARE(m_f->main().lastRun()->rows.size(), size_t(30));
        QCOMPARE(m_f->simulatorText("LblPercent2"), QStringLiteral("100%"));
    }
};

QUORVALE_GUI_TEST_MAIN(FrmGraphStatsTest)
#include "FrmGraphStatsTest.moc"
