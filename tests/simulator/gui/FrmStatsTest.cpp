// The Simulator window driven through its real widgets, with scripted runs
// that treat the window the way the engine does.

#include <ctime>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "FakeSimulatorHost.h"
#include "SimulatorInArea.h"
#include "base/gui/Twips.h"
#include "simulator/gui/FractionBar.h"
#include "GuiTestSupport.h"
#include "simulator/gui/FrmStats.h"
#include "simulator/gui/StatsRunView.h"
#include "base/Texts.h"
#include "simulator/gui/TargetUpDown.h"

using namespace quorvale;
using quorvale::test::FakeSimulatorHost;
using quorvale::test::openSimulator;

namespace {

const char* const kOutputFields[] = {"TextEYD",       "TextCheck",   "TextRuns",   "TextAverage", "TextVariance",
                                     "TextMin",       "TextMax",     "TextOptEYD", "TextMinCost", "TextSpacing",
                                     "TextDensity",   "TextAyd",     "TextAeyd",   "TextLyd",     "TextAlyd",
                                     "TextCorridors", "TextLandings"};

// What a scripted run saw and did.
struct RunRecord {
    int runs = 0;
    int samples = 0;
    bool stopped = false;
    std::vector<double> targets;
    std::vector<bool> variablesEnabled;
};

// A run that treats the view like the engine: it clears the stop flag, then
// takes samples (each followed by a yield) until the flag is set or
// `samples` are done, and ends through the stop path or normally.
FrmStats::RunFunction scriptedRun(std::shared_ptr<RunRecord> record, FakeSimulatorHost& host, int samples,
                                  std::function<void(int)> onSample = {}) {
    return [record, &host, samples, onSample](InputVariables&, RunView& view, std::uint64_t seed) {
        ++record->runs;
        view.clearStop();
        RunSummary summary;
        summary.seed = seed;
        for (int i = 0; i < samples; ++i) {
            if (view.stopRequested()) {
                view.initiateVariables();
                view.runEnded(true);
                record->stopped = true;
                summary.stopped = true;
                return summary;
            }
            ++record->samples;
            record->targets.push_back(view.target());
            record->variablesEnabled.push_back(host.variablesEnabled);
            view.setField(RunField::TextRuns, std::to_string(i));
            if (onSample) {
                onSample(i);
            }
            view.yieldToEvents();
        }
        view.runEnded(false);
        return summary;
    };
}

}  // namespace

class FrmStatsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void aStepPastTheSampleCountIsDrawnAsNotConverged() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto* runs = testing::namedChild<QLineEdit>(window, "TextRuns");
        const QColor normal = runs->palette().color(QPalette::Text);
        // What the run tells the view once a step passes the sample count.
        window.setStepOverSampleCount(true);
        QVERIFY(runs->toolTip().contains(QStringLiteral("5000000 samples")));
        QVERIFY(runs->toolTip().contains(QStringLiteral("not converged")));
        QCOMPARE(testing::namedChild<QWidget>(window, "ProgressBar1")->toolTip(), runs->toolTip());
        QVERIFY(runs->palette().color(QPalette::Text) != normal);
        QCOMPARE(runs->text(), QStringLiteral("0"));  // drawn, not rewritten
        // The next step, or the run's end, takes the mark away.
        window.setStepOverSampleCount(false);
        QVERIFY(runs->toolTip().isEmpty());
        QCOMPARE(runs->palette().color(QPalette::Text), normal);
    }

    void opensWithTargetFiveEveryFieldZeroAndChartHidden() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        QCOMPARE(window.objectName(), QStringLiteral("FrmStats"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Simulator"));
        QCOMPARE(testing::fieldText(window, "TextADev"), QStringLiteral("5"));
        for (const char* name : kOutputFields) {
            QVERIFY2(testing::namedChild<QLineEdit>(window, name) != nullptr, name);
            QCOMPARE(testing::fieldText(window, name), QStringLiteral("0"));
            QVERIFY(testing::namedChild<QLineEdit>(window, name)->isReadOnly());
        }
        QVERIFY(!testing::namedChild<QLineEdit>(window, "TextADev")->isReadOnly());
        QCOMPARE(testing::namedChild<QLabel>(window, "LblPercent")->text(), QStringLiteral("0%"));
        QCOMPARE(testing::namedChild<QLabel>(window, "LblPercent2")->text(), QStringLiteral("0%"));
        QCOMPARE(testing::namedChild<FractionBar>(window, "ProgressBar1")->fraction(), 0.0F);
        QCOMPARE(testing::namedChild<FractionBar>(window, "ProgressBar2")->fraction(), 0.0F);
        QCOMPARE(host.loadHiddenCalls, 1);
        QVERIFY(host.chartOpen);
        QVERIFY(!host.statsChartVisible());

        QCOMPARE(testing::namedChild<QPushButton>(window, "Command1")->text(), QStringLiteral("End"));
        QCOMPARE(testing::namedChild<QPushButton>(window, "Command2")->text(), QStringLiteral("Pause 5 Sec."));
        QCOMPARE(testing::namedChild<QPushButton>(window, "Command3")->text(), QStringLiteral("Go"));
        auto* spin = testing::namedChild<TargetUpDown>(window, "UpDown_0");
        QVERIFY(spin != nullptr);
        QCOMPARE(spin->value(), 5);
        QCOMPARE(spin->lower(), 1);
        QCOMPARE(spin->upper(), 100);
        QVERIFY(testing::namedChild<QFrame>(window, "Line1") != nullptr);
        QVERIFY(testing::namedChild<QFrame>(window, "Line2") != nullptr);

        QStringList labels;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const char* expected :
             {texts::simulator::kTarget, texts::simulator::kEydCounter, texts::simulator::kOptimalEyd,
              texts::simulator::kMinTotalCost, texts::simulator::kLandingSpacing, texts::simulator::kRoadDensity,
              texts::simulator::kAyd, texts::simulator::kAeyd, texts::simulator::kLyd, texts::simulator::kAlyd,
              texts::simulator::kCorridors, texts::simulator::kLandings, texts::simulator::kSampleStats,
              texts::simulator::kIterations, texts::simulator::kRandom, texts::simulator::kMean, texts::simulator::kMin,
              texts::simulator::kStdDev, texts::simulator::kMax}) {
            QVERIFY2(labels.contains(QString::fromUtf8(expected)), expected);
        }
        QCOMPARE(QString::fromUtf8(texts::simulator::kTarget), QStringLiteral("95% C.I.  Mean $/mbf +/-"));
    }

    void layoutFollowsTheTwipsAtTheScreensDpi() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        const Twips twips(window);
        QCOMPARE(window.minimumSize(), twips.size(5325, 5550));
        QCOMPARE(window.maximumSize(), twips.size(5325, 5550));
        QCOMPARE(testing::namedChild<QWidget>(window, "TextADev")->geometry(), twips.rect(2040, 960, 495, 285));
        QCOMPARE(testing::namedChild<QWidget>(window, "UpDown_0")->geometry(), twips.rect(2535, 960, 240, 285));
        QCOMPARE(testing::namedChild<QWidget>(window, "Command2")->geometry(), twips.rect(2040, 120, 1335, 375));
        QCOMPARE(testing::namedChild<QWidget>(window, "TextMax")->geometry(), twips.rect(4560, 5040, 735, 255));

        // Whatever the desktop's face, no label is cut off.
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->wordWrap() && !label->text().isEmpty()) {
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->text()));
            }
        }
    }

    void opensInTheAreaAtTheTopOfItsRightHalfWithAFixedFrame() {
        FakeSimulatorHost host;
        QMdiArea area;
        area.resize(900, 700);
        area.show();
        WindowRegistry windows(&area);
        FrmStats* window = openSimulator(windows, host);
        auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        QVERIFY(sub != nullptr);
        QCOMPARE(sub->pos(), QPoint(area.maximumViewportSize().width() / 2, 0));
        QCOMPARE(sub->minimumSize(), sub->maximumSize());
        QVERIFY(!(sub->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(sub->windowTitle(), QStringLiteral("Simulator"));

        // Closing it with no run closes the chart window with it and
        // removes the window.
        QPointer<QMdiSubWindow> watch(sub);
        QVERIFY(sub->close());
        QCOMPARE(host.closeCalls, 1);
        QTRY_VERIFY(watch.isNull());
    }

    void goRepairsATargetThatIsNotPositive_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<double>("target");
        QTest::newRow("empty") << ""
                               << "5" << 5.0;
        QTest::newRow("text") << "abc"
                              << "5" << 5.0;
        QTest::newRow("zero") << "0"
                              << "5" << 5.0;
        QTest::newRow("negative") << "-2"
                                  << "5" << 5.0;
        QTest::newRow("half") << "0.5"
                              << "0.5" << 0.5;
        QTest::newRow("leading number") << "12abc"
                                        << "12abc" << 12.0;
        // Go checks the target as every entry is checked: by the reading it uses.
        QTest::newRow("leading zero, grouped") << "0,7"
                                               << "5" << 5.0;
        QTest::newRow("underflow") << "1e-310"
                                   << "5" << 5.0;
    }
    void goRepairsATargetThatIsNotPositive() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(double, target);
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto record = std::make_shared<RunRecord>();
        window.setRunFunction(scriptedRun(record, host, 1));
        auto* field = testing::namedChild<QLineEdit>(window, "TextADev");
        field->clear();
        QTest::keyClicks(field, typed);
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QCOMPARE(field->text(), kept);
        QCOMPARE(record->runs, 1);
        QCOMPARE(record->targets.front(), target);
    }

    void goLocksTheVariablesForTheRunAndFreesThemInBothEndStates() {
        for (bool stopIt : {false, true}) {
            FakeSimulatorHost host;
            FrmStats window(host);
            window.loadWindow();
            auto record = std::make_shared<RunRecord>();
            auto* end = testing::namedChild<QPushButton>(window, "Command1");
            window.setRunFunction(scriptedRun(record, host, 10, [&](int sample) {
                if (stopIt && sample == 4) {
                    QTest::mouseClick(end, Qt::LeftButton);
                }
            }));
            QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
            QCOMPARE(record->stopped, stopIt);
            QCOMPARE(record->samples, stopIt ? 5 : 10);
            for (bool enabled : record->variablesEnabled) {
                QVERIFY(!enabled);
            }
            QVERIFY(host.variablesEnabled);
            QVERIFY(!window.isRunning());
            QVERIFY(testing::namedChild<QPushButton>(window, "Command3")->isEnabled());
            // The stop path leaves every field at "0".
            QCOMPARE(testing::fieldText(window, "TextRuns"), stopIt ? QStringLiteral("0") : QStringLiteral("9"));
        }
    }

    void endWithoutARunChangesNothingAndDoesNotStopTheNextRun() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        testing::namedChild<QLineEdit>(window, "TextADev")->setText(QStringLiteral("7"));
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(testing::fieldText(window, "TextADev"), QStringLiteral("7"));
        for (const char* name : kOutputFields) {
            QCOMPARE(testing::fieldText(window, name), QStringLiteral("0"));
        }
        QVERIFY(host.variablesEnabled);
        QVERIFY(window.stopRequested());

        auto record = std::make_shared<RunRecord>();
        window.setRunFunction(scriptedRun(record, host, 8));
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QVERIFY(!record->stopped);
        QCOMPARE(record->samples, 8);
    }

    void targetEditsReachTheNextSample() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto record = std::make_shared<RunRecord>();
        auto* field = testing::namedChild<QLineEdit>(window, "TextADev");
        window.setRunFunction(scriptedRun(record, host, 5, [&](int sample) {
            if (sample == 1) {
                // Typed during the run's yield.
                QTimer::singleShot(0, field, [field] {
                    field->selectAll();
                    QTest::keyClicks(field, QStringLiteral("2.5"));
                });
            } else if (sample == 3) {
                QTimer::singleShot(0, field, [field] {
                    field->selectAll();
                    QTest::keyClicks(field, QStringLiteral("-1"));
                });
            }
        }));
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QCOMPARE(record->targets, (std::vector<double>{5, 5, 2.5, 2.5, -1}));
        // A non-positive target typed during the run is not repaired.
        QCOMPARE(field->text(), QStringLiteral("-1"));
    }

    void targetIsReadInTheUsersLocale() {
        FakeSimulatorHost host(NumberLocale::german());
        FrmStats window(host);
        window.loadWindow();
        auto* field = testing::namedChild<QLineEdit>(window, "TextADev");
        field->setText(QStringLiteral("2,5"));
        QCOMPARE(window.target(), 2.5);
        field->setText(QStringLiteral("1.500,5"));
        QCOMPARE(window.target(), 1500.5);
    }

    void spinButtonStepsTheTargetWithinItsLimits() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto* field = testing::namedChild<QLineEdit>(window, "TextADev");
        auto* spin = testing::namedChild<TargetUpDown>(window, "UpDown_0");
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("6"));
        QCOMPARE(window.target(), 6.0);
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("4"));
        // A typed value is where the spin button carries on from.
        field->setText(QStringLiteral("99.7"));
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("100"));
        QTest::mouseClick(spin->upButton(), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("100"));
        field->setText(QStringLiteral("1"));
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("1"));
        field->setText(QStringLiteral("7.3"));
        QTest::mouseClick(spin->downButton(), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("7"));
        // Any value may be typed; spinning brings it back within the limits,
        // and the arrow keys spin too.
        field->setText(QStringLiteral("250"));
        QCOMPARE(window.target(), 250.0);
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(field->text(), QStringLiteral("100"));
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(field->text(), QStringLiteral("99"));
        // With no number in the field it carries on from where it stood.
        field->setText(QStringLiteral("abc"));
        QTest::keyClick(field, Qt::Key_Up);
        QCOMPARE(field->text(), QStringLiteral("100"));
    }

    void barsAndPercentLabelsShowWhatTheRunWrites() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto* bar1 = testing::namedChild<FractionBar>(window, "ProgressBar1");
        auto* bar2 = testing::namedChild<FractionBar>(window, "ProgressBar2");
        auto* percent1 = testing::namedChild<QLabel>(window, "LblPercent");
        auto* percent2 = testing::namedChild<QLabel>(window, "LblPercent2");
        window.showBar(RunBar::Step, 0.25F, "25%");
        window.showBar(RunBar::Run, 1.0F / 3.0F, "33%");
        QCOMPARE(bar1->fraction(), 0.25F);
        QCOMPARE(bar1->value(), 250);
        QCOMPARE(percent1->text(), QStringLiteral("25%"));
        QCOMPARE(bar2->fraction(), 1.0F / 3.0F);
        QCOMPARE(percent2->text(), QStringLiteral("33%"));
        // A value outside 0..1 (a negative target gives one) is refused:
        // bar and label stay as they were.
        window.showBar(RunBar::Step, -0.4F, "-40%");
        window.showBar(RunBar::Step, std::numeric_limits<float>::quiet_NaN(), "0%");
        window.showBar(RunBar::Step, 1.5F, "150%");
        QCOMPARE(bar1->fraction(), 0.25F);
        QCOMPARE(percent1->text(), QStringLiteral("25%"));
        window.showBar(RunBar::Step, 1.0F, "100%");
        QCOMPARE(bar1->value(), bar1->maximum());
        QCOMPARE(percent1->text(), QStringLiteral("100%"));

        window.Initiate_Variables();
        QCOMPARE(bar1->fraction(), 0.0F);
        QCOMPARE(bar2->fraction(), 0.0F);
        QCOMPARE(percent1->text(), QStringLiteral("0%"));
        QCOMPARE(percent2->text(), QStringLiteral("0%"));
    }

    void aRunsWritesReachTheWindowAtItsYields() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto* check = testing::namedChild<QLineEdit>(window, "TextCheck");
        auto* percent = testing::namedChild<QLabel>(window, "LblPercent");
        QString beforeYield;
        QString percentBeforeYield;
        window.setRunFunction([&](InputVariables&, RunView& view, std::uint64_t) {
            view.clearStop();
            view.setField(RunField::TextCheck, "340.12");
            view.setField(RunField::TextCheck, "340.5");
            view.setBar(RunBar::Step, 0.5F, "50%");
            view.setBar(RunBar::Step, -1.0F, "-100%");
            beforeYield = check->text();
            percentBeforeYield = percent->text();
            view.yieldToEvents();
            view.runEnded(false);
            return RunSummary{};
        });
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QCOMPARE(beforeYield, QStringLiteral("0"));
        QCOMPARE(percentBeforeYield, QStringLiteral("0%"));
        QCOMPARE(check->text(), QStringLiteral("340.5"));
        QCOMPARE(percent->text(), QStringLiteral("50%"));
    }

    void yieldsFallDueOnTheTimeBudget() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        StatsRunView view(window, host);
        view.yieldToEvents();
        auto dueWithin = [&](int questions) {
            bool due = false;
            for (int i = 0; i < questions; ++i) {
                due = view.yieldDue() || due;
            }
            return due;
        };
        const int questions = static_cast<int>(StatsRunView::kClockEvery);
        QVERIFY(!dueWithin(questions));
        // The budget is the run's processor time: waiting does not spend it...
        QTest::qSleep(static_cast<int>(StatsRunView::kYieldBudgetMs) + 5);
        QVERIFY(!dueWithin(questions));
        // ...working does,
        const auto spin = [](qint64 ms) {
            const std::clock_t start = std::clock();
            volatile double x = 0;
            while (std::clock() - start < ms * CLOCKS_PER_SEC / 1000) {
                x = x + 1;
            }
        };
        spin(StatsRunView::kYieldBudgetMs + 5);
        QVERIFY(dueWithin(questions));
        view.yieldToEvents();
        QVERIFY(!dueWithin(questions));
        // ...and so does a long wait on a busy machine.
        QTest::qSleep(static_cast<int>(StatsRunView::kYieldWaitMs) + 5);
        QVERIFY(dueWithin(questions));
    }

    void pauseHoldsThreeSecondsWhileEventsAreHandled() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        window.show();
        auto* field = testing::namedChild<QLineEdit>(window, "TextADev");
        QElapsedTimer clock;
        qint64 editedAt = -1;
        QTimer::singleShot(300, field, [&] {
            field->setText(QStringLiteral("9"));
            QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command1"), Qt::LeftButton);
            editedAt = clock.elapsed();
        });
        clock.start();
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command2"), Qt::LeftButton);
        const qint64 held = clock.elapsed();
        QVERIFY2(held >= FrmStats::kPauseMs, qPrintable(QString::number(held)));
        // Three seconds, not the five of the caption.
        QVERIFY2(held < 4500, qPrintable(QString::number(held)));
        QVERIFY(editedAt >= 0 && editedAt < FrmStats::kPauseMs);
        QCOMPARE(window.target(), 9.0);
        QVERIFY(window.stopRequested());
    }

    void pauseDuringARunHoldsTheRun() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto record = std::make_shared<RunRecord>();
        auto* pause = testing::namedChild<QPushButton>(window, "Command2");
        QElapsedTimer clock;
        std::vector<qint64> sampleTimes;
        window.setRunFunction(scriptedRun(record, host, 4, [&](int sample) {
            sampleTimes.push_back(clock.elapsed());
            if (sample == 1) {
                QTimer::singleShot(0, pause, [pause] { QTest::mouseClick(pause, Qt::LeftButton); });
            }
        }));
        clock.start();
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QCOMPARE(sampleTimes.size(), size_t(4));
        QVERIFY(sampleTimes[2] - sampleTimes[1] >= FrmStats::kPauseMs);
        QVERIFY(sampleTimes[1] - sampleTimes[0] < FrmStats::kPauseMs);
    }

    void closingDuringAPauseEndsThePauseAndCloses() {
        FakeSimulatorHost host;
        QMdiArea area;
        area.resize(900, 700);
        area.show();
        WindowRegistry windows(&area);
        FrmStats* window = openSimulator(windows, host);
        QPointer<QMdiSubWindow> sub(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
        bool idle = false;
        connect(window, &FrmStats::idle, this, [&] { idle = true; });
        QTimer::singleShot(200, sub, [&] { sub->close(); });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(testing::namedChild<QPushButton>(*window, "Command2"), Qt::LeftButton);
        QVERIFY(clock.elapsed() < FrmStats::kPauseMs);
        QVERIFY(idle);
        QCOMPARE(host.closeCalls, 1);
        QTRY_VERIFY(sub.isNull());
    }

    void requestStopEndsARunAndAPauseForTheApplicationsClose() {
        FakeSimulatorHost host;
        FrmStats window(host);
        window.loadWindow();
        auto record = std::make_shared<RunRecord>();
        auto* pause = testing::namedChild<QPushButton>(window, "Command2");
        int idleSignals = 0;
        connect(&window, &FrmStats::idle, this, [&] { ++idleSignals; });
        QElapsedTimer clock;
        window.setRunFunction(scriptedRun(record, host, 1000000, [&](int sample) {
            if (sample == 2) {
                QVERIFY(window.isBusy());
                QTimer::singleShot(0, pause, [pause] { QTest::mouseClick(pause, Qt::LeftButton); });
                QTimer::singleShot(100, &window, [&window] { window.requestStop(); });
            }
        }));
        clock.start();
        QTest::mouseClick(testing::namedChild<QPushButton>(window, "Command3"), Qt::LeftButton);
        QVERIFY(clock.elapsed() < FrmStats::kPauseMs);
        QVERIFY(record->stopped);
        QVERIFY(!window.isBusy());
        QCOMPARE(idleSignals, 1);
        QCOMPARE(host.closeCalls, 0);
    }
};

QTEST_MAIN(FrmStatsTest)
#include "FrmStatsTest.moc"
