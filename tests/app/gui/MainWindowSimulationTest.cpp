// Simulation runs through the real main window: the Simulator window where
// the main window puts it, "Go" running the engine on the Variables window's
// inputs, and what happens when windows close or menus are used during a run.

#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <cmath>

#include "GuiTestSupport.h"
#include "base/gui/SettingsStore.h"
#include "inputs/gui/EntryField.h"
#include "charts/gui/DataGridChart.h"
#include "inputs/gui/FrmData.h"
#include "inputs/NumberText.h"
#include "base/gui/Twips.h"
#include "app/gui/WindowPlacement.h"
#include "base/gui/WindowRegistry.h"
#include "simulator/gui/FractionBar.h"
#include "simulator/gui/FrmStats.h"
#include "simulator/StepStatistics.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

constexpr std::uint64_t kSeed = 20260;

std::string rounded(double x, int decimals) { return plainDecimal(roundHalfEven(x, decimals)); }

int stepsDone(FrmStats& window) {
    auto* bar = window.findChild<FractionBar*>(QStringLiteral("ProgressBar2"));
    return static_cast<int>(std::lround(bar->fraction() * 30));
}

// Counts the events of one type that reach one object while it lives.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type, int* count) : m_type(type), m_count(count) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        *m_count += event->type() == m_type ? 1 : 0;
        return false;
    }

private:
    QEvent::Type m_type;
    int* m_count;
};

QPushButton* button(FrmStats& window, const char* name) {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class MainWindowSimulationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;

    FrmStats& simulator() { return *m_f->simulator(); }
    QString field(const char* name) { return m_f->simulatorText(name); }
    void go() { QTest::mouseClick(button(simulator(), "Command3"), Qt::LeftButton); }
    bool running() {
        auto* open = qobject_cast<FrmStats*>(m_f->window(WindowId::FrmStats));
        return open && open->isRunning();
    }

private slots:
    void init() {
        m_f = std::make_unique<MainWindowFixture>();
        m_f->main().setRunSeed(kSeed);
    }
    void cleanup() { m_f.reset(); }

    void theSimulatorOpensAtTheTopOfTheAreaAtHalfItsWidth() {
        QMdiArea* area = m_f->main().mdiArea();
        QMdiSubWindow* frame = m_f->frame(WindowId::FrmStats);
        QVERIFY(frame && !frame->isHidden());
        QCOMPARE(frame->pos(), QPoint(area->maximumViewportSize().width() / 2, 0));
        QCOMPARE(area->activeSubWindow(), frame);  // opened after the Variables window
        QCOMPARE(frame->minimumSize(), frame->maximumSize());
        QCOMPARE(field("TextADev"), QStringLiteral("5"));
        QVERIFY(m_f->window(WindowId::FrmGraphStats));
        QVERIFY(m_f->frame(WindowId::FrmGraphStats)->isHidden());

        // It keeps to that place while the area changes size, until it is
        // moved; then it stays where the user put it.
        m_f->main().showNormal();
        m_f->main().resize(700, 600);
        QTRY_COMPARE(area->width(), m_f->main().centralWidget()->width());
        QTRY_COMPARE(frame->pos(), QPoint(area->maximumViewportSize().width() / 2, 0));
        QVERIFY(frame->x() < 400);

        // An area just too narrow for it, with the Variables window reaching
        // its bottom edge: the Simulator stands out past the right edge, the
        // horizontal bar that brings up leaves the Variables window standing
        // out below, and the vertical bar narrows the viewport. The window
        // stays put (it once moved back in, the bars went, and the two took
        // turns without end, holding the event loop).
        const QSize wanted(2 * (frame->width() - 5), 700);
        m_f->main().resize(m_f->main().size() + wanted - area->maximumViewportSize());
        QTRY_COMPARE(area->maximumViewportSize(), wanted);
        QMdiSubWindow* variables = m_f->frame(WindowId::FrmData);
        variables->move(0, wanted.height() - variables->height());
        int viewportResizes = 0;
        EventCounter counter(area->viewport(), QEvent::Resize, &viewportResizes);
        QTest::qWait(300);
        QVERIFY2(viewportResizes <= 2, qPrintable(QString::number(viewportResizes)));
        QCOMPARE(frame->pos(), QPoint(wanted.width() / 2, 0));
        QVERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());

        frame->move(20, 30);
        const int before = area->viewport()->width();
        m_f->main().resize(760, 640);
        QTRY_VERIFY(area->viewport()->width() > before);
        QCOMPARE(frame->pos(), QPoint(20, 30));
    }

    void viewSimulatorBringsBackAClosedSimulatorInItsDesignState() {
        simulator().findChild<QLineEdit*>(QStringLiteral("TextADev"))->setText(QStringLiteral("2"));
        go();
        QVERIFY(field("TextMinCost") != QStringLiteral("0"));
        QPointer<QWidget> before = m_f->window(WindowId::FrmStats);
        m_f->trigger(QStringLiteral("MnuSimulator"));  // open already: nothing happens
        QCOMPARE(m_f->window(WindowId::FrmStats), before.data());
        m_f->frame(WindowId::FrmStats)->close();
        settle();
        QVERIFY(before.isNull());
        QVERIFY(!m_f->window(WindowId::FrmGraphStats));

        m_f->trigger(QStringLiteral("MnuSimulator"));
        QVERIFY(m_f->simulator());
        QCOMPARE(field("TextADev"), QStringLiteral("5"));
        QCOMPARE(field("TextMinCost"), QStringLiteral("0"));
        QCOMPARE(field("LblPercent2"), QStringLiteral("0%"));
        QCOMPARE(m_f->frame(WindowId::FrmStats)->pos(),
                 QPoint(m_f->main().mdiArea()->maximumViewportSize().width() / 2, 0));
        QVERIFY(m_f->window(WindowId::FrmGraphStats));
        QVERIFY(m_f->frame(WindowId::FrmGraphStats)->isHidden());
    }

    void resultsAreMarkedOutOfDateOnceTheInputsChangeUntilTheNextRun() {
        go();
        QTRY_VERIFY(!running());
        auto* optimum = simulator().findChild<QLineEdit*>(QStringLiteral("TextOptEYD"));
        const QString shown = optimum->text();
        QVERIFY(!simulator().resultsStale() && optimum->toolTip().isEmpty());
        // Leaving a field unchanged is no change of the inputs.
        EntryField* volume = m_f->data()->field(0);
        volume->setFocus(Qt::MouseFocusReason);
        m_f->data()->field(1)->setFocus(Qt::TabFocusReason);
        QVERIFY(!simulator().resultsStale());
        volume->setFocus(Qt::MouseFocusReason);
        volume->setText(QStringLiteral("36"));
        m_f->data()->field(1)->setFocus(Qt::TabFocusReason);
        QVERIFY(simulator().resultsStale());
        QCOMPARE(optimum->text(), shown);  // drawn differently, not rewritten
        QVERIFY(optimum->font().italic() && !optimum->toolTip().isEmpty());
        // "Go" again: the results are current once more.
        simulator().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        QTRY_VERIFY(!running());
        QVERIFY(!simulator().resultsStale());
        QVERIFY(!optimum->font().italic());
    }

    void aDefaultRunThroughTheMainWindow() {
        QStringList runsAtStepEnd;
        int lastDone = 0;
        bool variablesEverEnabled = false;
        YieldWatch watch([&] {
            if (!running()) {
                return;
            }
            variablesEverEnabled = variablesEverEnabled || m_f->data()->isEnabled();
            if (stepsDone(simulator()) > lastDone) {
                lastDone = stepsDone(simulator());
                runsAtStepEnd << field("TextRuns");
            }
        });
        // The load's static analysis halved the Low multiple corridor
        // correction time; with it back at its default every Low equals its
        // High.
        m_f->data()->setEntryText(26, "1.0");
        go();

        // 31 samples a step: "Iterations" shows 30 at the end of each.
        QCOMPARE(runsAtStepEnd, QStringList(30, QStringLiteral("30")));
        QVERIFY(!variablesEverEnabled);
        QVERIFY(m_f->data()->isEnabled());
        const std::optional<RunSummary>& run = m_f->main().lastRun();
        QVERIFY(run && !run->stopped);
        QCOMPARE(run->seed, kSeed);
        for (const StepSummary& row : run->rows) {
            QCOMPARE(row.samples, kMinSamplesPerStep);
        }

        // Normal end: statistics "0", both bars full, the optimum shown.
        for (const char* name : {"TextCheck", "TextRuns", "TextAverage", "TextVariance", "TextMin", "TextMax"}) {
            QCOMPARE(field(name), QStringLiteral("0"));
        }
        QCOMPARE(field("LblPercent"), QStringLiteral("100%"));
        QCOMPARE(field("LblPercent2"), QStringLiteral("100%"));
        QCOMPARE(simulator().findChild<FractionBar*>(QStringLiteral("ProgressBar2"))->fraction(), 1.0F);
        QCOMPARE(field("TextEYD"), QStringLiteral("3000"));
        QVERIFY(run->optimum);
        const SimulationOptimum& best = *run->optimum;
        QCOMPARE(field("TextOptEYD").toStdString(), plainDecimal(best.eyd));
        QCOMPARE(field("TextMinCost").toStdString(), rounded(best.minCost, 0));
        QCOMPARE(field("TextDensity").toStdString(), rounded(best.result.roadDensity, 1));
        QCOMPARE(field("TextLandings").toStdString(), rounded(best.result.landingsPerUnit, 0));
        QVERIFY(field("TextMinCost") != QStringLiteral("0"));

        // Every Low equals its High: the five series of a row coincide.
        DataGridChart* chart = m_f->chart(WindowId::FrmGraphStats);
        QCOMPARE(chart->rowCount(), 30);
        for (int row = 1; row <= 30; ++row) {
            QCOMPARE(chart->rowLabel(row), QString::number(row));
            for (int column = 2; column <= 5; ++column) {
                QCOMPARE(chart->value(row, column), chart->value(row, 1));
            }
        }
        QVERIFY(std::abs(chart->value(1, 1) - 340) < 5);
        QVERIFY(std::abs(chart->value(10, 1) - 136) < 5);
    }

    void endDuringStep12LeavesRows1To11() {
        auto* target = simulator().findChild<QLineEdit*>(QStringLiteral("TextADev"));
        enum class Phase { Steps, Holding, Ended } phase = Phase::Steps;
        int yieldsInStep12 = 0;
        QString eydWhenEnded;
        YieldWatch watch([&] {
            if (!running()) {
                return;
            }
            if (phase == Phase::Steps && stepsDone(simulator()) == 11) {
                // A target that is never reached keeps step 12 sampling.
                target->selectAll();
                QTest::keyClicks(target, QStringLiteral("0"));
                phase = Phase::Holding;
            } else if (phase == Phase::Holding && ++yieldsInStep12 == 3) {
                eydWhenEnded = field("TextEYD");
                QTest::mouseClick(button(simulator(), "Command1"), Qt::LeftButton);
                phase = Phase::Ended;
            }
        });
        go();
        QCOMPARE(eydWhenEnded, QStringLiteral("1200"));
        QVERIFY(m_f->main().lastRun()->stopped);
        DataGridChart* chart = m_f->chart(WindowId::FrmGraphStats);
        QCOMPARE(chart->rowCount(), 30);
        for (int row = 1; row <= 30; ++row) {
            for (int column = 1; column <= 5; ++column) {
                if (row <= 11) {
                    QVERIFY(chart->value(row, column) > 0);
                } else {
                    QCOMPARE(chart->value(row, column), 0.0);
                }
            }
        }
        QCOMPARE(field("TextEYD"), QStringLiteral("0"));
        QCOMPARE(field("LblPercent2"), QStringLiteral("0%"));
        QVERIFY(m_f->data()->isEnabled());
    }

    void aStaticSweepFromTheMenuRunsToItsEndInsideTheRun() {
        int analysesBefore = 0;
        int stepsWhenSwept = -1;
        int rowsRightAfter = 0;
        YieldWatch watch([&] {
            if (running() && stepsWhenSwept < 0 && stepsDone(simulator()) == 5) {
                analysesBefore = m_f->main().analysisRuns();
                stepsWhenSwept = stepsDone(simulator());
                m_f->trigger(QStringLiteral("MnuTotalCost"));
                rowsRightAfter = m_f->chart(WindowId::FrmGraph)->rowCount();
            }
        });
        go();
        QCOMPARE(stepsWhenSwept, 5);
        QCOMPARE(rowsRightAfter, 30);
        QCOMPARE(m_f->main().analysisRuns(), analysesBefore + 1);
        QVERIFY(m_f->chart(WindowId::FrmGraph)->value(30, 1) > 0);
        QVERIFY(!m_f->main().lastRun()->stopped);
        QCOMPARE(m_f->main().lastRun()->rows.size(), size_t(30));
    }

    void closingTheSimulatorDuringARunStopsIt() {
        m_f->trigger(QStringLiteral("MnuSimulation"));
        QVERIFY(m_f->isChecked(QStringLiteral("MnuSimulation")));
        QPointer<QMdiSubWindow> frame = m_f->frame(WindowId::FrmStats);
        bool hiddenAtOnce = false;
        YieldWatch watch([&] {
            if (running() && frame && stepsDone(simulator()) == 2 && !hiddenAtOnce) {
                frame->close();
                hiddenAtOnce = frame->isHidden();
            }
        });
        go();
        QVERIFY(hiddenAtOnce);
        QVERIFY(m_f->main().lastRun()->stopped);
        QCOMPARE(m_f->main().lastRun()->rows.size(), size_t(2));
        QVERIFY(!m_f->window(WindowId::FrmStats));
        QVERIFY(!m_f->window(WindowId::FrmGraphStats));
        QVERIFY(!m_f->isChecked(QStringLiteral("MnuSimulation")));
        QVERIFY(m_f->data()->isEnabled());
        QTRY_VERIFY(frame.isNull());
    }

    void closingTheVariablesWindowDuringARunReopensItLocked() {
        bool closed = false;
        bool lockedWhenBack = false;
        YieldWatch watch([&] {
            if (!running()) {
                return;
            }
            if (!closed && stepsDone(simulator()) == 1) {
                m_f->frame(WindowId::FrmData)->close();
                closed = true;
            } else if (closed && m_f->window(WindowId::FrmData)) {
                lockedWhenBack = lockedWhenBack || !m_f->data()->isEnabled();
            }
        });
        go();
        QVERIFY(closed);
        // The run reads the corridor pattern after every sample, so the
        // window comes back; it takes no input until the run ends.
        QVERIFY(lockedWhenBack);
        QVERIFY(m_f->window(WindowId::FrmData));
        QVERIFY(m_f->data()->isEnabled());
        QVERIFY(!m_f->main().lastRun()->stopped);
        QCOMPARE(m_f->main().lastRun()->rows.size(), size_t(30));
    }

    void closingTheMainWindowDuringARunSavesThePlacementAndClosesEverything() {
        m_f->main().showNormal();
        m_f->main().setGeometry(120, 90, 700, 560);
        QTRY_COMPARE(m_f->main().normalGeometry(), QRect(120, 90, 700, 560));
        QPointer<FrmStats> window = m_f->simulator();
        bool asked = false;
        bool windowsKeptForTheRun = false;
        YieldWatch watch([&] {
            if (!asked && running() && stepsDone(simulator()) == 3) {
                asked = true;
                m_f->trigger(QStringLiteral("mnuFileExit"));
                windowsKeptForTheRun = window && m_f->window(WindowId::FrmGraphStats) && m_f->window(WindowId::FrmData);
            }
        });
        go();
        QVERIFY(asked);
        QVERIFY(windowsKeptForTheRun);
        // The run stopped at its next sample, with the windows still there.
        QVERIFY(m_f->main().lastRun()->stopped);
        QCOMPARE(m_f->main().lastRun()->rows.size(), size_t(3));
        // Once the run has returned, the close completes.
        QTRY_VERIFY(window.isNull());
        QVERIFY(!m_f->main().isVisible());
        QVERIFY(!m_f->window(WindowId::FrmData));
        QVERIFY(!m_f->window(WindowId::FrmGraphStats));
        const Placement saved = WindowPlacement::read(*SettingsStore::open());
        QCOMPARE(saved, WindowPlacement::fromPixels(QRect(120, 90, 700, 560), Twips::screenDpi()));
        // No window is left, so the application would end.
        for (QWidget* top : QApplication::topLevelWidgets()) {
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
        }
    }

    void closingTheMainWindowDuringARunEndsTheApplication() {
        m_f.reset();
        clearSettings();
        // As the program runs it: the main window deletes itself on close,
        // and the application ends with its last window.
        QPointer<FrmMain> main = new FrmMain;
        main->setAttribute(Qt::WA_DeleteOnClose);
        main->load();
        main->showMaximized();
        main->setRunSeed(kSeed);
        QPointer<FrmStats> window = qobject_cast<FrmStats*>(main->windows().window(WindowId::FrmStats));
        QVERIFY(window);
        bool asked = false;
        YieldWatch watch([&] {
            if (!asked && window && window->isRunning() && stepsDone(*window) == 2) {
                asked = true;
                main->close();
            }
        });
        QTimer::singleShot(0, window, [&] { QTest::mouseClick(button(*window, "Command3"), Qt::LeftButton); });
        // Should the application not end, the test does, with a failure.
        QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(asked);
        settle();
        QVERIFY(main.isNull());
        QVERIFY(window.isNull());
        QVERIFY(QFile::exists(settingsFile()));
    }
};

QUORVALE_GUI_TEST_MAIN(MainWindowSimulationTest)
#include "MainWindowSimulationTest.moc"
