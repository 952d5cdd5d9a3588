// The Decision Analysis window in the real main window: opened from the Tools
// menu, runs on a worker thread, cancels, closes mid-run, and tells when the
// Variables window's inputs have moved away from the result it shows.

#include <QCategoryAxis>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QLabel>
#include <QTemporaryDir>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "GuiTestSupport.h"
#include "inputs/gui/EntryField.h"
#include "inputs/gui/FrmData.h"
#include "decision/ValueSummary.h"
#include "decision/gui/BeliefsPanel.h"
#include "decision/gui/DecisionCharts.h"
#include "decision/gui/DecisionComparisonChart.h"
#include "decision/gui/DecisionVoiChart.h"
#include "decision/gui/FrmDecision.h"
#include "units/UnitDocument.h"
#include "units/gui/UnitActions.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

constexpr int kRunMs = 60000;
// Far more scenarios than any test waits for: the run is still going when
// the test cancels or closes it.
constexpr std::uint64_t kEndless = 2'000'000'000;

// A unit as a forest engineer would enter it: 50 stations, several inputs
// with a spread, so that every scenario differs and the tornado has bars.
void enterUnit(FrmData& data) {
    const std::pair<int, const char*> entries[] = {{0, "20"},   {1, "30"},   {4, "80"},    {5, "80"},
                                                   {8, "50"},   {9, "50"},   {10, "2500"}, {11, "3500"},
                                                   {12, "700"}, {13, "900"}, {28, "1200"}, {29, "2000"}};
    for (const auto& [entry, text] : entries) {
        data.setEntryText(entry, text);
    }
}

}  // namespace

class FrmDecisionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QTemporaryDir m_dir;

    FrmDecision* decision() const { return qobject_cast<FrmDecision*>(m_f->window(WindowId::FrmDecision)); }
    template <class T>
    T* control(const char* name) const {
        T* found = decision() ? namedChild<T>(*decision(), name) : nullptr;
        if (!found) {
            qWarning("no control %s", name);
        }
        return found;
    }
    FrmDecision* open(std::uint64_t scenarios) {
        m_f->trigger(QStringLiteral("mnuToolsDecision"));
        FrmDecision* window = decision();
        if (window) {
            window->setScenarioCount(scenarios);
            window->setSeed(11);
        }
        return window;
    }
    void clickRun() { QTest::mouseClick(control<QPushButton>("cmdRun"), Qt::LeftButton); }

private slots:
    void init() {
        m_f = std::make_unique<MainWindowFixture>();
        enterUnit(*m_f->data());
        m_f->main().graph_itmain();
    }
    void cleanup() { m_f.reset(); }

    void theToolsItemOpensOneWindowWhoseRunDrawsTheResult() {
        QAction* item = m_f->action(QStringLiteral("mnuToolsDecision"));
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        FrmDecision* window = open(3000);
        QVERIFY(window);
        QVERIFY(!m_f->frame(WindowId::FrmDecision)->isHidden());
        QCOMPARE(open(3000), window);  // one instance, brought to the front
        QCOMPARE(control<QPushButton>("cmdRun")->text(), QStringLiteral("Run"));
        QVERIFY(!control<QPushButton>("cmdCancel")->isEnabled());

        clickRun();
        QTRY_VERIFY_WITH_TIMEOUT(window->result().has_value(), kRunMs);
        QVERIFY(!window->isRunning());
        const DecisionResult& result = *window->result();
        QCOMPARE(result.scenarios, std::uint64_t{3000});
        QCOMPARE(result.steps, 50);
        QCOMPARE(result.seed, std::uint64_t{11});
        // The chart draws every step at its EYD in stations, the mean of
        // the recommended step the lowest.
        QLineSeries* mean = window->costChart()->meanSeries();
        QCOMPARE(mean->count(), 50);
        QCOMPARE(mean->at(49).x(), 50.0);
        QCOMPARE(mean->at(result.recommendedStep - 1).y(), result.recommendedMean);
        QVERIFY(window->costChart()->stepText(result.recommendedEyd / 100).contains(QStringLiteral("$/mbf")));
        // The tornado names its bars as the Variables window does.
        QStringList labels;
        for (const TornadoBar& bar : window->tornadoChart()->bars()) {
            labels.append(DecisionTornadoChart::caption(bar));
        }
        QVERIFY(labels.contains(QStringLiteral("Operator's Cost ($/day)")));
        QVERIFY(labels.contains(QStringLiteral("Harvest Volume (mbf/acre)")));
        QVERIFY(!labels.contains(QStringLiteral("Unit Size (acres)")));  // Low == High: no swing
        QCOMPARE(window->tornadoChart()->variableAxis()->count(), labels.size());
        QCOMPARE(control<QProgressBar>("barProgress")->value(), control<QProgressBar>("barProgress")->maximum());
        QVERIFY(control<QLabel>("lblStatus")->text().contains(QStringLiteral("seed 11")));
        QCOMPARE(control<QLabel>("lblSummary")->text(), QString::fromStdString(decisionSummary(result)));
        QCOMPARE(control<QPushButton>("cmdRun")->text(), QStringLiteral("Run again"));
        QVERIFY(!window->isOutOfDate());
        QCOMPARE(window->costChart()->exporter()->csvText().count(QLatin1Char('\n')), 51);
    }

    void atItsOwnSizeEveryTextShowsWholeUnderAHeaderNamingUnitAndPattern() {
        // A screen large enough for the window's own size.
        m_f->main().showNormal();
        m_f->main().setGeometry(0, 0, 1600, 1000);
        FrmDecision* window = open(3000);
        QCOMPARE(window->size(), window->sizeHint());
        QVERIFY(window->chartsSideBySide());
        auto* header = control<QLabel>("lblHeader");
        QCOMPARE(header->text(), QStringLiteral("Unit: unnamed \u2014 Parallel Corridors"));
        const QString unit = QDir(m_dir.path()).filePath(QStringLiteral("North slope.qvunit"));
        QVERIFY(m_f->main().units().saveUnit(unit));
        m_f->main().graph_itmain();
        QCOMPARE(header->text(), QStringLiteral("Unit: North slope \u2014 Parallel Corridors"));

        clickRun();
        QTRY_VERIFY_WITH_TIMEOUT(window->result().has_value(), kRunMs);
        settle();
        for (DecisionChartView* chart :
             std::initializer_list<DecisionChartView*>{window->costChart(), window->tornadoChart()}) {
            QCOMPARE(ChartFit::cutTexts(*chart->chart()), QStringList());
            // Whole titles, both legends and the charts' own titles.
            QVERIFY(!chart->detail().shortTitles);
            QVERIFY(chart->detail().legend && chart->isLegendShown());
            QVERIFY(chart->detail().chartTitle);
        }
        QCOMPARE(window->tornadoChart()->shownBarEnds().size(), 2 * int(window->tornadoChart()->bars().size()));

        // The header names the result's unit and pattern while it is shown.
        QTest::mouseClick(m_f->data()->option2(), Qt::LeftButton);
        QTRY_VERIFY(window->isOutOfDate());
        QCOMPARE(header->text(), QStringLiteral("Unit: North slope \u2014 Parallel Corridors"));
        // A narrow window sets the charts one above the other.
        m_f->frame(WindowId::FrmDecision)->resize(460, 760);
        QVERIFY(!window->chartsSideBySide());
    }

    void cancelStopsTheRunAndKeepsTheWindowUsable() {
        FrmDecision* window = open(kEndless);
        clickRun();
        QVERIFY(window->isRunning());
        QVERIFY(control<QPushButton>("cmdCancel")->isEnabled());
        QVERIFY(!control<QPushButton>("cmdRun")->isEnabled());
        // Other windows take input meanwhile.
        m_f->data()->field(0)->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(m_f->data()->field(0)->hasFocus());
        QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>("lblStatus")->text().startsWith(QStringLiteral("Running")), kRunMs);

        QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), kRunMs);
        QVERIFY(control<QLabel>("lblStatus")->text().startsWith(QStringLiteral("Stopped")));
        if (window->result()) {
            QVERIFY(window->result()->stopped);
            QVERIFY(window->result()->scenarios < kEndless);
            // The summary of a cancelled run does not read like a finished one.
            QVERIFY2(control<QLabel>("lblSummary")
                         ->text()
                         .startsWith(QStringLiteral("Stopped after %1 scenarios; not final")
                                         .arg(window->result()->scenarios + window->result()->nonFinite)),
                     qPrintable(control<QLabel>("lblSummary")->text()));
        }
        QVERIFY(control<QPushButton>("cmdRun")->isEnabled());
        QVERIFY(!control<QPushButton>("cmdCancel")->isEnabled());
    }

    void closingTheWindowOrTheMainWindowMidRunEndsTheRun() {
        QPointer<FrmDecision> window = open(kEndless);
        clickRun();
        QVERIFY(window->isRunning());
        m_f->frame(WindowId::FrmDecision)->close();
        settle();
        QTRY_VERIFY(window.isNull());
        QVERIFY(!m_f->window(WindowId::FrmDecision));

        // Opened again, it comes back in its design state.
        window = open(kEndless);
        QVERIFY(!window->result());
        QCOMPARE(control<QPushButton>("cmdRun")->text(), QStringLiteral("Run"));
        clickRun();
        QVERIFY(window->isRunning());
        m_f->main().close();
        settle();
        QTRY_VERIFY(window.isNull());
        m_f.reset();  // the main window goes too, with nothing left running
    }

    void theInputsAreReadFromARepairedCopyLeavingTheFieldsAlone() {
        m_f->data()->setEntryText(0, "none");
        const DecisionInputs inputs = DecisionInputs::capture(m_f->main().variables());
        QCOMPARE(m_f->data()->entryText(0), std::string("none"));
        QCOMPARE(inputs.ranges.range(0).low, double(m_f->data()->spinValue(0)));
        QCOMPARE(inputs.ranges.range(0).high, 30.0);
        QCOMPARE(inputs.ranges.highEydFeet(), 5000.0);
    }

    void anInputEditMarksTheResultOutOfDateUntilRunAgain() {
        FrmDecision* window = open(2000);
        clickRun();
        QTRY_VERIFY_WITH_TIMEOUT(window->result().has_value(), kRunMs);
        auto* note = control<QLabel>("lblOutOfDate");
        QVERIFY(note->isHidden());

        // A static analysis on the same inputs changes nothing.
        m_f->main().graph_itmain();
        QVERIFY(!window->isOutOfDate());

        // An edit in the Variables window does.
        EntryField* field = m_f->data()->field(11);
        field->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("4000"));
        QTest::keyClick(field, Qt::Key_Tab);
        QTRY_VERIFY(window->isOutOfDate());
        QVERIFY(!note->isHidden());
        QVERIFY(control<QPushButton>("cmdRun")->isDefault());
        QVERIFY(!control<QLabel>("lblSummary")->isEnabled());

        clickRun();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), kRunMs);
        QVERIFY(!window->isOutOfDate());
        QVERIFY(note->isHidden());
        QCOMPARE(window->result()->rows.size(), size_t{50});

        // So does the corridor pattern, also during a run: the run's result
        // comes out of date.
        window->setScenarioCount(kEndless);
        clickRun();
        QVERIFY(!window->isOutOfDate());
        QTest::mouseClick(m_f->data()->option2(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window->isOutOfDate(), kRunMs);
        auto* status = control<QLabel>("lblStatus");
        QTRY_VERIFY_WITH_TIMEOUT(!status->text().startsWith(QStringLiteral("Running: 0 ")), kRunMs);
        window->cancelRun();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isRunning(), kRunMs);
        QVERIFY(window->result()->stopped);
        QVERIFY(window->isOutOfDate());
        QVERIFY(!note->isHidden());
    }

    // Beliefs edited in the panel reach the analysis: the run with a PERT
    // mode, a linked pair and the other pattern to compare with gives the
    // figures the engine gives for the same alternatives, and draws both
    // curves, the difference and what is worth measuring.
    void editedBeliefsAreRunAndComparedWithTheOtherPattern() {
        FrmDecision* window = open(3000);
        auto* table = control<QTableWidget>("tblBeliefs");
        QVERIFY(table);
        const int row = 0;  // Harvest Volume, the first drawn variable
        QCOMPARE(table->item(row, BeliefsPanel::ColLow)->text(), QStringLiteral("20"));
        QCOMPARE(table->item(row, BeliefsPanel::ColHigh)->text(), QStringLiteral("30"));
        table->item(row, BeliefsPanel::ColMode)->setText(QStringLiteral("24"));
        qobject_cast<QComboBox*>(table->cellWidget(row, BeliefsPanel::ColShape))->setCurrentIndex(1);
        QTest::mouseClick(control<QPushButton>("cmdAddLink"), Qt::LeftButton);
        QCOMPARE(control<QTableWidget>("tblLinks")->rowCount(), 1);
        auto* compare = control<QComboBox>("cboCompare");
        compare->setCurrentIndex(1);
        emit compare->activated(1);

        clickRun();
        QTRY_VERIFY_WITH_TIMEOUT(window->comparison().has_value(), kRunMs);
        const ComparisonResult& shown = *window->comparison();
        Beliefs beliefs;
        beliefs.variables[HarvestVolume] = {24, BeliefShape::Pert};
        beliefs.correlate(HarvestVolume, TurnVolume, 0.5);
        const DecisionInputs inputs = DecisionInputs::capture(m_f->main().variables());
        const DecisionAlternative a{inputs.ranges, beliefs, CorridorPattern::Parallel, {}};
        const DecisionAlternative b{inputs.ranges, beliefs, CorridorPattern::FanShaped, {}};
        DecisionSettings settings;
        settings.seed = 11;
        settings.scenarios = 3000;
        settings.voiBins = DecisionSettings::kDefaultVoiBins;
        const ComparisonResult expected = runComparison(a, b, settings);
        QCOMPARE(shown.meanDifference, expected.meanDifference);
        QCOMPARE(shown.a.recommendedStep, expected.a.recommendedStep);
        QCOMPARE(window->result()->recommendedMean, expected.a.recommendedMean);
        QCOMPARE(window->comparisonChart()->seriesA()->count(), 50);
        QCOMPARE(window->comparisonChart()->seriesB()->count(), 50);
        QCOMPARE(window->comparisonChart()->difference()->count(), 50);
        QCOMPARE(window->voiChart()->entries().size(), expected.voi.size());
        QVERIFY(control<QLabel>("lblSummary")->text().endsWith(QString::fromStdString(comparisonSentence(expected))));

        // A mode outside its range is named, and nothing runs.
        table->item(row, BeliefsPanel::ColMode)->setText(QStringLiteral("31"));
        clickRun();
        QVERIFY(!window->isRunning());
        QVERIFY(control<QLabel>("lblStatus")->text().contains(QStringLiteral("Harvest Volume")));
    }

    // A unit file with beliefs opens them into the window, and saving writes
    // them back as version 2.
    void aVersionTwoUnitRoundTripsThroughTheWindow() {
        UnitDocument unit = unitFromInputs(m_f->main().variables(), "5");
        unit.beliefs.variables[OperatorCost] = {2800, BeliefShape::Pert};
        unit.beliefs.correlate(OperatorCost, ExternalSpeed, -0.3);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.qvunit"));
        const QString out = dir.filePath(QStringLiteral("out.qvunit"));
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(writeUnitDocument(unit)));
        file.close();
        FrmDecision* window = open(1000);
        DialogAnswers answers;
        answers.openAs = in;
        m_f->trigger(QStringLiteral("mnuToolsOpenUnit"));
        QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.join('\n')));
        auto* table = control<QTableWidget>("tblBeliefs");
        QCOMPARE(table->item(4, BeliefsPanel::ColMode)->text(), QStringLiteral("2800"));
        QCOMPARE(control<QTableWidget>("tblLinks")->rowCount(), 1);
        QCOMPARE(window->beliefsToKeep(), unit.beliefs);

        answers.saveAs = out;
        m_f->trigger(QStringLiteral("mnuToolsSaveUnitAs"));
        const UnitReadResult read = readUnitFile(out.toStdString());
        QVERIFY(read);
        QCOMPARE(read.document->beliefs, unit.beliefs);
        QFile saved(out);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\"version\": 2"));
    }
};

QUORVALE_GUI_TEST_MAIN(FrmDecisionTest)
#include "FrmDecisionTest.moc"
