// quorvale-cli report, run as a user runs it: without a display it writes
// the unit report of a unit file, whose text holds what a harvest plan
// needs, and whose decision analysis is the one quorvale-cli decide gives.

#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <nlohmann/json.hpp>

#include "GuiTestSupport.h"
#include "base/gui/QtText.h"
#include "units/UnitDocument.h"

using namespace quorvale;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The tool without a display, as in a terminal on a server.
Run runTool(const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUORVALE_CLI_PATH), args);
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    // The PDF's fonts set "fi" and "fl" as ligatures; compatibility
    // normalization reads them as the letters.
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC).simplified();
}

}  // namespace

class HeadlessReportTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private slots:
    void theReportHoldsWhatAPlanNeedsAndTheAnswerOfDecide() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        UnitDocument unit = defaultUnitDocument();
        unit.name = "North slope";
        unit.notes = "Cruise of May";
        unit.pattern = CorridorPattern::FanShaped;
        unit.entries[HarvestVolume] = {"20", "30"};
        unit.entries[UnitSize] = {"80", "80"};
        unit.entries[ExternalYardingDistance] = {"12", "18"};
        unit.entries[OperatorCost] = {"2500", "3500"};
        unit.entries[LifeCycleRoadCost] = {"1200", "2000"};
        QFile file(path("north.qvunit"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(writeUnitDocument(unit)));
        file.close();

        const QStringList common{QStringLiteral("--unit"),      file.fileName(),
                                 QStringLiteral("--seed"),      QStringLiteral("5"),
                                 QStringLiteral("--scenarios"), QStringLiteral("3000")};
        const QString pdf = path("north.pdf");
        const Run report = runTool(QStringList{QStringLiteral("report"), QStringLiteral("--output"), pdf} + common);
        QCOMPARE(report.status, 0);
        QCOMPARE(report.err, QString());
        QCOMPARE(report.out, QStringLiteral("Report written to %1\n").arg(pdf));
        const Run decide =
            runTool(QStringList{QStringLiteral("decide"), QStringLiteral("--format"), QStringLiteral("json")} + common);
        QCOMPARE(decide.status, 0);
        const auto doc = nlohmann::json::parse(decide.out.toStdString());

        const QString text = pdfText(pdf);
        QVERIFY2(text.startsWith(QStringLiteral("Unit report: North slope Cruise of May Written ")), qPrintable(text));
        for (const VariableRule& rule : variableRules()) {
            QVERIFY2(text.contains(qtext(rule.caption).simplified()), rule.caption.data());
            QVERIFY2(text.contains(QLatin1Char(' ') + qtext(rule.unit)), rule.unit.data());
        }
        const auto& plan = doc["plan"]["recommended"];
        const auto dollars = [](double x) {
            return QLatin1Char('$') + QLocale(QLocale::English).toString(qRound64(x));
        };
        for (const QString& expected :
             {QStringLiteral("Quorvale %1").arg(QStringLiteral(QUORVALE_VERSION)),
              QStringLiteral("Corridor pattern: Fan-Shaped Corridors"), QStringLiteral("Seed 5, 3000 scenarios."),
              qtext(doc["summary"].get<std::string>()),
              QStringLiteral("Recommended: %1 stations").arg(doc["recommended"]["step"].get<int>()),
              QStringLiteral("Road spacing (ft) %1").arg(qRound64(double(doc["plan"]["bandFrom"]["roadSpacing"]))),
              QStringLiteral("The unit's total cost"), dollars(plan["totalDollars"]),
              QStringLiteral("quorvale-cli decide --pattern fan --harvest-volume 20:30 --unit-size 80"),
              QStringLiteral("Not part of a report written by quorvale-cli")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in: ") + text));
        }
        // The summary gives the band: from the JSON's ends, in stations.
        QVERIFY(text.contains(QStringLiteral("Anywhere from %1 to %2 stations")
                                  .arg(double(doc["band"]["fromEyd"]) / 100)
                                  .arg(double(doc["band"]["toEyd"]) / 100)));
    }

    // A unit with most-likely values and linked inputs: the report shows
    // them, what is worth measuring, decide's answer from the same beliefs,
    // and a command line that repeats it.
    void theReportOfAUnitWithBeliefsIsThatOfDecide() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        UnitDocument unit = defaultUnitDocument();
        unit.name = "Ridge";
        unit.entries[HarvestVolume] = {"20", "30"};
        unit.entries[OperatorCost] = {"2500", "3500"};
        unit.beliefs.variables[HarvestVolume] = {24.5, BeliefShape::Pert};
        unit.beliefs.variables[OperatorCost] = {2700, BeliefShape::Pert};
        unit.beliefs.correlate(HarvestVolume, OperatorCost, -0.35);
        QFile file(path("ridge.qvunit"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(writeUnitDocument(unit)));
        file.close();

        const QStringList common{QStringLiteral("--unit"),      file.fileName(),
                                 QStringLiteral("--seed"),      QStringLiteral("11"),
                                 QStringLiteral("--scenarios"), QStringLiteral("2000")};
        const QString pdf = path("ridge.pdf");
        QCOMPARE(runTool(QStringList{QStringLiteral("report"), QStringLiteral("--output"), pdf} + common).status, 0);
        const QStringList json{QStringLiteral("--format"), QStringLiteral("json")};
        const Run decide = runTool(QStringList{QStringLiteral("decide")} + json + common);
        QCOMPARE(decide.status, 0);
        const auto doc = nlohmann::json::parse(decide.out.toStdString());
        const std::string top = doc["voi"][0]["variable"].get<std::string>();
        const VariableRule* topRule = nullptr;
        for (const VariableRule& rule : variableRules()) {
            topRule = rule.option == top ? &rule : topRule;
        }
        QVERIFY(topRule);

        const QString text = pdfText(pdf);
        const QString volume = qtext(variableRule(HarvestVolume).caption).simplified();
        const QString cost = qtext(variableRule(OperatorCost).caption).simplified();
        for (const QString& expected :
             {qtext(doc["summary"].get<std::string>()), QStringLiteral("Beliefs: most likely values and shapes"),
              volume + QStringLiteral(" 20 24.5 30 mbf/acre PERT"), cost + QStringLiteral(" 2500 2700 3500 $/day PERT"),
              QStringLiteral("Linked inputs (Spearman rank correlation)"),
              QStringLiteral("%1 %2 -0.35").arg(volume, cost),
              QStringLiteral("What is worth measuring before deciding"),
              QStringLiteral("Variable EVPPI ($/mbf) For the unit ($) %1").arg(qtext(topRule->caption).simplified())}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in: ") + text));
        }
        // The repeat command, as printed (its lines joined), gives decide's
        // figures.
        const qsizetype from = text.indexOf(QStringLiteral("quorvale-cli decide"));
        const qsizetype to = text.indexOf(QStringLiteral(" --scenarios 2000"), from);
        QVERIFY(from >= 0 && to > from);
        const QString command = text.mid(from, to - from + 17).remove(QStringLiteral(" \\"));
        QVERIFY2(command.contains(QStringLiteral("--harvest-volume 20:24.5:30")) &&
                     command.contains(QStringLiteral("--shape pert")) &&
                     command.contains(QStringLiteral("--correlate harvest-volume:operator-cost=-0.35")),
                 qPrintable(command));
        QStringList words = command.split(QLatin1Char(' '));
        words.removeFirst();
        const Run repeated = runTool(words + json);
        QCOMPARE(repeated.status, 0);
        const auto again = nlohmann::json::parse(repeated.out.toStdString());
        QVERIFY(again["recommended"] == doc["recommended"]);
        QVERIFY(again["voi"] == doc["voi"]);
        QVERIFY(again["summary"] == doc["summary"]);
    }

    void aWrongCommandLineOrAnUnwritableFileSaysSo() {
        const Run noOutput = runTool({QStringLiteral("report"), QStringLiteral("--seed"), QStringLiteral("5")});
        QCOMPARE(noOutput.status, 2);
        QVERIFY(noOutput.out.isEmpty());
        QCOMPARE(noOutput.err,
                 QStringLiteral("quorvale-cli report: option --output is required: the PDF file to write\n"));
        const Run count = runTool({QStringLiteral("report"), QStringLiteral("--output"), path("x.pdf"),
                                   QStringLiteral("--scenarios"), QStringLiteral("0")});
        QCOMPARE(count.status, 2);
        QVERIFY(!QFile::exists(path("x.pdf")));

        const QString nowhere = path("no/such/folder/r.pdf");
        const Run unwritable = runTool({QStringLiteral("report"), QStringLiteral("--output"), nowhere,
                                        QStringLiteral("--scenarios"), QStringLiteral("100")});
        QCOMPARE(unwritable.status, 1);
        QVERIFY2(unwritable.err.startsWith(QStringLiteral("quorvale-cli report: the report could not be written to ")),
                 qPrintable(unwritable.err));
        QVERIFY(unwritable.out.isEmpty());
    }
};

QUORVALE_GUI_TEST_MAIN(HeadlessReportTest)
#include "HeadlessReportTest.moc"
