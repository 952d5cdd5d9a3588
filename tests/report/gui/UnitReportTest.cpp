// The unit report: "Save Report..." writes a PDF whose text and first page
// picture hold the unit, its cost chart, the last run and the last decision
// analysis; checked through poppler's pdftotext and pdftoppm when present.

#include <QImage>
#include <QMenu>
#include <QToolBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>
#include <sstream>

#include "GuiTestSupport.h"
#include "cli/Cli.h"
#include "inputs/gui/FrmData.h"
#include "report/gui/ReportActions.h"
#include "units/gui/UnitActions.h"
#include "decision/ValueSummary.h"
#include "decision/gui/BeliefsPanel.h"
#include "decision/gui/FrmDecision.h"
#include "simulator/gui/FrmStats.h"

using namespace quorvale;
using namespace quorvale::testing;

namespace {

UnitDocument sampleUnit() {
    UnitDocument unit = defaultUnitDocument();
    unit.name = "North slope <B>";
    unit.notes = "Cruise of May";
    unit.pattern = CorridorPattern::FanShaped;
    unit.entries[HarvestVolume] = {"20.0", "30.0"};
    unit.entries[ExternalYardingDistance] = {"12.0", "16.0"};
    return unit;
}

QString tool(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

}  // namespace

class UnitReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QTemporaryDir m_dir;

    // The PDF's text, or a skip when pdftotext is missing.
    QString pdfText(const QString& pdf) {
        QProcess p;
        p.start(tool("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!p.waitForFinished(20000) || p.exitCode() != 0) {
            return {};
        }
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // Saves through the menu item; `rerun` answers the offer of a new
    // decision run, whose questions are added to `asked`. The report may be
    // written only once that run has ended.
    QString save(const char* name, bool rerun = false, QStringList* asked = nullptr) {
        DialogAnswers answers;
        answers.saveAs = m_dir.filePath(QString::fromLatin1(name));
        answers.answerYes = rerun;
        m_f->trigger(QStringLiteral("mnuToolsSaveReport"));
        if (!answers.messages.isEmpty()) {
            qWarning("%s", qPrintable(answers.messages.join('\n')));
        }
        if (asked) {
            *asked += answers.questions;
        }
        return answers.saveAs + QStringLiteral(".pdf");
    }

    void openSample() {
        QFile unitFile(m_dir.filePath(QStringLiteral("north.qvunit")));
        QVERIFY(unitFile.open(QIODevice::WriteOnly));
        unitFile.write(QByteArray::fromStdString(writeUnitDocument(sampleUnit())));
        unitFile.close();
        QVERIFY(m_f->main().units().openUnit(unitFile.fileName()));
    }

    void runSimulation() {
        m_f->main().setRunSeed(7);
        QTest::mouseClick(m_f->simulator()->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QVERIFY(m_f->main().lastRun() && m_f->main().lastRun()->optimum);
    }

    // A decision run of 500 scenarios with seed 3, ended; none on failure.
    FrmDecision* runDecision() {
        m_f->trigger(QStringLiteral("mnuToolsDecision"));
        auto* decision = qobject_cast<FrmDecision*>(m_f->window(WindowId::FrmDecision));
        if (!decision) {
            return nullptr;
        }
        decision->setScenarioCount(500);
        decision->setSeed(3);
        decision->run();
        const bool ended = QTest::qWaitFor([&] { return !decision->isRunning() && decision->result(); }, 30000);
        return ended ? decision : nullptr;
    }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void theReportHoldsTheUnitItsCostChartTheRunAndTheDecision() {
        QAction* item = m_f->action(QStringLiteral("mnuToolsSaveReport"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Save Report..."));
        QVERIFY(m_f->main().toolsMenu()->actions().contains(item));
        QVERIFY(m_f->main().units().toolBar()->actions().contains(item));

        openSample();
        runSimulation();
        FrmDecision* decision = runDecision();
        QVERIFY(decision && decision->result());
        const QString summary = QString::fromStdString(decisionSummary(*decision->result())).simplified();

        // The static minimum as the core sweep finds it, for the Low case.
        const ReportContent content = m_f->main().reports().content();
        QCOMPARE(content.sweep.size(), std::size_t(12));
        QCOMPARE(content.unit.entryText(0), std::string("20"));  // a unit keeps the fixed form

        const QString pdf = save("north");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        // scripts/screenshots.sh takes the picture in docs/ from this report.
        if (const QString keep = qEnvironmentVariable("QUORVALE_KEEP_REPORT"); !keep.isEmpty()) {
            QFile::remove(keep);
            QVERIFY(QFile::copy(pdf, keep));
        }

        if (tool("pdftotext").isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const QString layout = pdfText(pdf);
        const QString text = layout.simplified();
        const double optimumEyd = m_f->main().lastRun()->optimum->eyd;
        const DecisionResult& result = *decision->result();
        // The unit's name and notes head the report.
        QVERIFY(text.startsWith(QStringLiteral("Unit report: North slope <B> Cruise of May")));
        for (const QString& expected :
             {QStringLiteral("Unit report: North slope <B>"), QStringLiteral("Quorvale 1.0.0"),
              QStringLiteral("Seed 3, 500 scenarios."), QStringLiteral("The steps within 1 % of the lowest mean"),
              QStringLiteral("Recommended: %1 stations").arg(result.recommendedStep),
              QStringLiteral("Road spacing (ft)"), QStringLiteral("The unit's total cost"),
              QStringLiteral("Follow the decision analysis"), QStringLiteral("Corridor pattern: Fan-Shaped Corridors"),
              QStringLiteral("Harvest Volume (mbf/acre) 20.0 30.0 mbf/acre"),
              QStringLiteral("Static analysis: Low Range"), QStringLiteral("EYD (stations)"),
              QStringLiteral("Lowest total cost:"), QStringLiteral("Optimal EYD (feet) %1").arg(optimumEyd),
              QStringLiteral("Seed 7,"), summary.left(40), QStringLiteral("What moves the minimum cost"),
              QStringLiteral("page 2")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in: ") + text));
        }

        if (tool("pdftoppm").isEmpty()) {
            QSKIP("pdftoppm (poppler-utils) is not installed");
        }
        const QString stem = m_dir.filePath(QStringLiteral("page"));
        QCOMPARE(
            QProcess::execute(tool("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                 QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, stem}),
            0);
        const QImage page(stem + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        QCOMPARE(page.width(), 510);  // US Letter at 60 dpi
        // The total cost curve and the minimum marker are drawn on page 1.
        int curve = 0;
        int marker = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                curve += std::abs(c.red() - 0x1f) + std::abs(c.green() - 0x4e) + std::abs(c.blue() - 0x9a) < 60;
                marker += c.red() > 180 && c.green() < 60 && c.blue() < 60;
            }
        }
        QVERIFY2(curve > 100, qPrintable(QString::number(curve)));
        QVERIFY2(marker > 5, qPrintable(QString::number(marker)));

        // The command the report prints repeats the analysis: run as
        // printed, quorvale-cli gives the window's answer.
        const qsizetype from = layout.indexOf(QStringLiteral("quorvale-cli decide"));
        const qsizetype to = layout.indexOf(QLatin1Char('\n'), layout.indexOf(QStringLiteral("--scenarios"), from));
        QVERIFY(from >= 0 && to > from);
        QStringList words = layout.mid(from, to - from).remove(QLatin1Char('\\')).simplified().split(QLatin1Char(' '));
        QCOMPARE(words.takeFirst(), QStringLiteral("quorvale-cli"));
        std::vector<std::string> args{"--format", "json"};
        for (const QString& word : words) {
            args.insert(args.end() - 2, word.toStdString());
        }
        std::ostringstream out, err;
        QCOMPARE(cli::runCli(args, out, err), 0);
        const auto repeated = nlohmann::json::parse(out.str());
        QCOMPARE(repeated["recommended"]["step"].get<int>(), result.recommendedStep);
        QCOMPARE(repeated["recommended"]["meanCost"].get<double>(), result.recommendedMean);
        QCOMPARE(repeated["scenarios"].get<std::uint64_t>(), result.scenarios);
    }

    // The report takes the beliefs the decision window ran with, what is
    // worth measuring and the comparison of its last run; its command
    // repeats the comparison. Beliefs edited after the run make it stale.
    void theReportCarriesTheWindowsBeliefsAndComparison() {
        openSample();
        m_f->trigger(QStringLiteral("mnuToolsDecision"));
        auto* window = qobject_cast<FrmDecision*>(m_f->window(WindowId::FrmDecision));
        QVERIFY(window);
        Beliefs beliefs;
        beliefs.variables[HarvestVolume] = {23, BeliefShape::Triangular};
        beliefs.correlate(HarvestVolume, TurnVolume, 0.4);
        window->setBeliefs(beliefs);
        window->beliefsPanel()->setCompareWith(BeliefsPanel::CompareWith::OtherPattern);
        FrmDecision* decision = runDecision();
        QVERIFY(decision && decision->comparison());
        const ComparisonResult& cmp = *decision->comparison();
        const ReportContent content = m_f->main().reports().content();
        QCOMPARE(content.beliefs, beliefs);
        QVERIFY(content.comparison && content.againstFile.empty());

        const QString pdf = save("compared");
        if (tool("pdftotext").isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const QString layout = pdfText(pdf);
        const QString text = layout.simplified();
        for (const QString& expected :
             {QStringLiteral("Beliefs: most likely values and shapes"), QStringLiteral("Linked inputs"),
              QStringLiteral("What is worth measuring before deciding"),
              QStringLiteral("Comparison: Fan-Shaped Corridors against Parallel Corridors"),
              QString::fromStdString(comparisonSentence(cmp))}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in: ") + text));
        }
        const qsizetype from = layout.indexOf(QStringLiteral("quorvale-cli decide"));
        const qsizetype to = layout.indexOf(QLatin1Char('\n'), layout.indexOf(QStringLiteral("--scenarios"), from));
        QVERIFY(from >= 0 && to > from);
        const QStringList words =
            layout.mid(from, to - from).remove(QLatin1Char('\\')).simplified().split(QLatin1Char(' '));
        QVERIFY2(words.contains(QStringLiteral("--compare-patterns")) &&
                     words.contains(QStringLiteral("harvest-volume:turn-volume=0.4")),
                 qPrintable(words.join(' ')));
        std::vector<std::string> args;
        for (const QString& word : words.mid(1)) {
            args.push_back(word.toStdString());
        }
        args.insert(args.end(), {"--format", "json"});
        std::ostringstream out, err;
        QCOMPARE(cli::runCli(args, out, err), 0);
        const auto repeated = nlohmann::json::parse(out.str());
        QCOMPARE(repeated["comparison"]["a"]["recommended"]["meanCost"].get<double>(), cmp.a.recommendedMean);
        QCOMPARE(repeated["comparison"]["meanDifference"].get<double>(), cmp.meanDifference);
        QCOMPARE(repeated["voi"][0]["evppi"].get<double>(), cmp.voi.at(0).evppi);

        beliefs.variables[HarvestVolume].mode = 26;
        decision->setBeliefs(beliefs);
        QVERIFY(!m_f->main().reports().content().decision);
    }

    // A run of other inputs or another pattern is never reported as
    // current: the decision analysis is offered a new run, the simulation
    // is left out, each with a line that says why.
    void aReportNeverCarriesARunOfOtherInputs() {
        if (tool("pdftotext").isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        openSample();
        runSimulation();
        FrmDecision* decision = runDecision();
        QVERIFY(decision);
        const QString simulationLeftOut = QStringLiteral("Left out: the last simulation was run on other inputs");
        const QString decisionLeftOut = QStringLiteral("Left out: the decision analysis was run on other inputs");

        m_f->data()->setEntryText(lowEntry(HarvestVolume), "22");
        m_f->main().graph_itmain();
        QStringList asked;
        QString text = pdfText(save("declined", false, &asked)).simplified();
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].contains(QStringLiteral("Run it again on these before the report is written?")));
        QVERIFY(text.contains(QStringLiteral("Harvest Volume (mbf/acre) 22.0 30.0")));
        for (const QString& expected : {simulationLeftOut, decisionLeftOut}) {
            QVERIFY2(text.contains(expected), qPrintable(text));
        }
        for (const QString& stale : {QStringLiteral("Optimal EYD (feet)"), QStringLiteral("Seed 3,")}) {
            QVERIFY2(!text.contains(stale), qPrintable(text));
        }

        // Accepted, the report waits for the new run and reports it.
        const QString pdf = save("rerun", true, &asked);
        QCOMPARE(asked.size(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pdf), 30000);
        QVERIFY(!decision->isOutOfDate());
        text = pdfText(pdf).simplified();
        QVERIFY2(text.contains(QStringLiteral("Seed 3, 500 scenarios.")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("--harvest-volume 22:30")), qPrintable(text));
        QVERIFY(!text.contains(decisionLeftOut));
        QVERIFY(text.contains(simulationLeftOut));

        // Another pattern is another analysis.
        QTest::mouseClick(m_f->data()->option1(), Qt::LeftButton);
        text = pdfText(save("parallel", false, &asked)).simplified();
        QCOMPARE(asked.size(), 3);
        QVERIFY(text.contains(QStringLiteral("Corridor pattern: Parallel Corridors")));
        QVERIFY2(text.contains(decisionLeftOut), qPrintable(text));
    }

    void withoutRunsTheReportSaysSoAndAFailedSaveIsReported() {
        const QString pdf = save("fresh");
        QVERIFY(QFile::exists(pdf));
        if (!tool("pdftotext").isEmpty()) {
            const QString text = pdfText(pdf).simplified();
            QVERIFY(text.contains(QStringLiteral("Unit report: Unnamed unit")));
            QVERIFY(text.contains(QStringLiteral("No simulation has been run since the program started.")));
            QVERIFY(text.contains(QStringLiteral("No decision analysis to report")));
        }
        DialogAnswers answers;
        const QString missing = m_dir.filePath(QStringLiteral("no/such/folder/r.pdf"));
        QVERIFY(!m_f->main().reports().saveReport(missing));
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].startsWith(QStringLiteral("The report could not be saved to ") + missing));
    }
};

QUORVALE_GUI_TEST_MAIN(UnitReportTest)
#include "UnitReportTest.moc"
