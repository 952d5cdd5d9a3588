// One answer everywhere: generated unit files opened in the window give the
// static analysis, the simulation and the decision analysis that the
// command-line tool gives for the same file and seed, figure for figure.

#include <QPushButton>
#include <cmath>
#include <fstream>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "GuiTestSupport.h"
#include "charts/gui/DataGridChart.h"
#include "cli/Cli.h"
#include "decision/gui/FrmDecision.h"
#include "inputs/NumberText.h"
#include "inputs/gui/FrmData.h"
#include "simulator/gui/FrmStats.h"
#include "units/UnitDocument.h"
#include "units/gui/UnitActions.h"

using namespace quorvale;
using namespace quorvale::testing;
using nlohmann::json;

namespace {

constexpr int kUnits = 20;
constexpr std::uint64_t kScenarios = 300;
constexpr int kRunMs = 60000;

// A unit with random ranges: small EYDs so that every run stays short,
// values with up to two decimals (the window keeps one), now and then a Low
// above its High, and in most units a corridor correction time at or above
// the fixed corridor time.
UnitDocument generatedUnit(std::mt19937& gen, int number) {
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(gen); };
    auto text = [&](double x) { return fixedDecimal(x, std::uniform_int_distribution<int>(0, 2)(gen)); };
    UnitDocument unit = defaultUnitDocument();
    unit.pattern = number % 2 == 0 ? CorridorPattern::Parallel : CorridorPattern::FanShaped;
    // Every step ends at its 31st sample.
    unit.target = "1e9";
    for (int k = 0; k < kVariableCount; ++k) {
        const SpinRule& spin = variableRule(k).low;
        double low = uniform(spin.lower, spin.upper * 0.6);
        double high = low * uniform(1, 1.6);
        if (k == ExternalYardingDistance) {
            low = uniform(1, 6);
            high = uniform(2, 9);
        } else if (k == ProductionDelay) {
            low = uniform(1, 40);
            high = low + uniform(0, 30);
        }
        if (uniform(0, 1) < 0.15) {
            std::swap(low, high);
        }
        unit.entries[static_cast<size_t>(k)] = {text(low), text(high)};
    }
    const double fixedLow = uniform(0.6, 3);
    const double fixedHigh = uniform(0.6, 3);
    unit.entries[FixedCorridorTime] = {fixedDecimal(fixedLow, 2), fixedDecimal(fixedHigh, 1)};
    if (number % 4 == 0) {
        unit.entries[MultipleCorridorCorrection][0] = unit.entries[FixedCorridorTime][0];  // at
    } else if (number % 4 != 3) {
        unit.entries[MultipleCorridorCorrection][0] = text(fixedLow * uniform(1, 3));  // above
    }
    if (number % 3 == 0) {
        unit.entries[MultipleCorridorCorrection][1] = text(fixedHigh * uniform(1, 2));
    }
    return unit;
}

json cliJson(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(args, out, err);
    if (status != 0) {
        qWarning("quorvale-cli %s: status %d: %s", args.front().c_str(), status, err.str().c_str());
        return json();
    }
    return json::parse(out.str());
}

// A figure of the tool's JSON: null where it has none.
double figure(const json& value) { return value.is_null() ? kNoFigure : value.get<double>(); }

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

class UnitConsistencyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QTemporaryDir m_dir;

    // The cost chart and the model inputs of the window's last sweep
    // against the tool's sweep of the same file in that case.
    void compareSweep(const std::string& file, const char* rangeCase) {
        const json cli = cliJson({"sweep", "--unit", file, "--case", rangeCase, "--format", "json"});
        QVERIFY(cli.is_object());
        const SweepOutcome& window = m_f->main().lastSweep();
        QCOMPARE(window.steps, cli["steps"].get<int>());
        const json& inputs = cli["inputs"];
        const std::pair<const char*, double> used[] = {
            {"harvestVolume", window.inputs.harvestVolume},
            {"turnVolume", window.inputs.turnVolume},
            {"unitSize", window.inputs.unitSize},
            {"roadDensityFactor", window.inputs.roadDensityFactor},
            {"maxEyd", window.inputs.maxEyd},
            {"operatorCost", window.inputs.operatorCost},
            {"externalSpeed", window.inputs.externalSpeed},
            {"fixedTime", window.inputs.fixedTime},
            {"lateralSpeed", window.inputs.lateralSpeed},
            {"productionDelay", window.inputs.productionDelay},
            {"fixedLandingTime", window.inputs.fixedLandingTime},
            {"variableTime", window.inputs.variableTime},
            {"fixedCorridorTime", window.inputs.fixedCorridorTime},
            {"multipleCorridorCorrection", window.inputs.multipleCorridorCorrection},
            {"roadCostPerStation", window.inputs.roadCostPerStation},
        };
        for (const auto& [name, value] : used) {
            QVERIFY2(inputs[name].get<double>() == value, qPrintable(QStringLiteral("%1 %2").arg(name, rangeCase)));
        }
        DataGridChart* chart = m_f->chart(WindowId::FrmGraph);
        QVERIFY(chart);
        const json& rows = cli["rows"];
        QCOMPARE(chart->rowCount(), static_cast<int>(rows.size()));
        const QStringList labels = chart->seriesLabels();
        const std::pair<const char*, const char*> series[] = {
            {"Total", "totalCost"}, {"Logging", "loggingCost"}, {"Road", "roadCost"}};
        for (const auto& [label, key] : series) {
            const int column = static_cast<int>(labels.indexOf(QString::fromLatin1(label))) + 1;
            QVERIFY2(column >= 1, label);
            for (int row = 1; row <= chart->rowCount(); ++row) {
                QCOMPARE(chart->value(row, column), rows[static_cast<size_t>(row - 1)][key].get<double>());
            }
        }
    }

    void compareDecision(const std::string& file, std::uint64_t seed) {
        auto* window = qobject_cast<FrmDecision*>(m_f->window(WindowId::FrmDecision));
        QVERIFY(window);
        window->setScenarioCount(kScenarios);
        window->setSeed(seed);
        QTest::mouseClick(namedChild<QPushButton>(*window, "cmdRun"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window->result() && window->result()->seed == seed && !window->isRunning(), kRunMs);
        const DecisionResult& r = *window->result();
        const json cli = cliJson({"decide", "--unit", file, "--scenarios", std::to_string(kScenarios), "--seed",
                                  std::to_string(seed), "--format", "json"});
        QVERIFY(cli.is_object());
        QCOMPARE(r.scenarios, cli["scenarios"].get<std::uint64_t>());
        QCOMPARE(r.nonFinite, cli["nonFinite"].get<std::uint64_t>());
        QCOMPARE(static_cast<size_t>(r.steps), cli["rows"].size());
        for (size_t i = 0; i < r.rows.size(); ++i) {
            const DecisionRow& row = r.rows[i];
            const json& c = cli["rows"][i];
            for (const auto& [name, value] : {std::pair{"mean", row.mean},
                                              {"stddev", row.stddev},
                                              {"halfWidth", row.halfWidth},
                                              {"p10", row.p10},
                                              {"p50", row.p50},
                                              {"p90", row.p90},
                                              {"pOptimal", row.pOptimal},
                                              {"regret", row.regret}}) {
                QVERIFY2(same(figure(c[name]), value), qPrintable(QStringLiteral("row %1 %2").arg(i).arg(name)));
            }
        }
        if (r.recommendedStep == 0) {
            QVERIFY(cli["recommended"].is_null());
            return;
        }
        QCOMPARE(r.recommendedStep, cli["recommended"]["step"].get<int>());
        QCOMPARE(r.recommendedMean, cli["recommended"]["meanCost"].get<double>());
        QCOMPARE(r.bandFromEyd, cli["band"]["fromEyd"].get<double>());
        QCOMPARE(r.bandToEyd, cli["band"]["toEyd"].get<double>());
        QCOMPARE(r.evpi, cli["evpi"].get<double>());
        QVERIFY(same(r.tornado.baseMinCost, figure(cli["tornado"]["base"]["minCost"])));
        const json& bars = cli["tornado"]["bars"];
        QCOMPARE(r.tornado.bars.size(), bars.size());
        for (size_t i = 0; i < bars.size(); ++i) {
            const TornadoBar& bar = r.tornado.bars[i];
            QCOMPARE(std::string(bar.variable), bars[i]["variable"].get<std::string>());
            QVERIFY(same(bar.costAtLow, figure(bars[i]["costAtLow"])));
            QVERIFY(same(bar.costAtHigh, figure(bars[i]["costAtHigh"])));
            QVERIFY(same(bar.swing, figure(bars[i]["swing"])));
        }
    }

    void compareSimulation(const std::string& file, std::uint64_t seed) {
        m_f->main().setRunSeed(seed);
        QTest::mouseClick(m_f->simulator()->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_f->main().lastRun() && m_f->main().lastRun()->seed == seed && !m_f->simulator()->isRunning(), kRunMs);
        const RunSummary& run = *m_f->main().lastRun();
        const json cli = cliJson({"simulate", "--unit", file, "--seed", std::to_string(seed), "--format", "json"});
        QVERIFY(cli.is_object());
        const json& rows = cli["rows"];
        QCOMPARE(run.rows.size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            const StepSummary& row = run.rows[i];
            QCOMPARE(row.samples, rows[i]["samples"].get<long long>());
            for (const auto& [name, value] : {std::pair{"mean", row.mean},
                                              {"stddev", row.stddev},
                                              {"halfWidth", row.halfWidth},
                                              {"min", row.minimum},
                                              {"max", row.maximum}}) {
                QVERIFY2(same(figure(rows[i][name]), value), qPrintable(QStringLiteral("step %1 %2").arg(i).arg(name)));
            }
        }
    }

private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void generatedUnitsGiveTheToolsAnswersInTheWindow() {
        DialogAnswers answers;
        for (const char* item : {"MnuTotalCost", "MnuLoggingCost", "MnuRoadCost"}) {
            m_f->trigger(QString::fromLatin1(item));
        }
        m_f->trigger(QStringLiteral("mnuToolsDecision"));
        std::mt19937 gen(15);
        for (int number = 0; number < kUnits; ++number) {
            const std::string file = m_dir.filePath(QStringLiteral("u%1.qvunit").arg(number)).toStdString();
            std::ofstream(file) << writeUnitDocument(generatedUnit(gen, number));
            // Opened with "Low Range" checked, as at start-up.
            QVERIFY(m_f->isChecked(QStringLiteral("MnuGraphLow")));
            QVERIFY(m_f->main().units().openUnit(QString::fromStdString(file)));
            QVERIFY2(answers.messages.isEmpty(), qPrintable(answers.messages.join('\n')));
            compareSweep(file, "low");
            const auto seed = static_cast<std::uint64_t>(100 + number);
            compareDecision(file, seed);
            compareSimulation(file, seed);
            // The other cases, as the range items run them on the inputs
            // the window now holds.
            m_f->trigger(QStringLiteral("MnuGraphAverage"));
            compareSweep(file, "average");
            m_f->trigger(QStringLiteral("MnuGraphHigh"));
            compareSweep(file, "high");
            m_f->trigger(QStringLiteral("MnuGraphLow"));
        }
    }
};

QUORVALE_GUI_TEST_MAIN(UnitConsistencyTest)
#include "UnitConsistencyTest.moc"
