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
    if (const int status = cli::runCli(args, out, err); status != 0) {
        qWarning("quorvale-cli %s: status %d: %s", args.front().c_str(), status, err.str().c_str());
        return json::array();
    }
    return json::parse(out.str());
}

// The named figures of every row, as JSON text; a window's figure that is
// none (NaN) is written as the tool writes it, null.
template <class Row>
using Fields = std::vector<std::pair<const char*, double Row::*>>;

template <class Row>
std::string figures(const std::vector<Row>& rows, const Fields<Row>& fields) {
    json out = json::array();
    for (const Row& row : rows) {
        for (const auto& field : fields) {
            out.push_back(row.*field.second);
        }
    }
    return out.dump();
}

template <class Row>
std::string figures(const json& rows, const Fields<Row>& fields) {
    json out = json::array();
    for (const json& row : rows) {
        for (const auto& field : fields) {
            const json& figure = row.at(field.first);
            out.push_back(figure.is_null() ? figure : json(figure.get<double>()));
        }
    }
    return out.dump();
}

const Fields<YardingResult> kCostFields = {{"totalCost", &YardingResult::totalCost},
                                           {"loggingCost", &YardingResult::loggingCost},
                                           {"roadCost", &YardingResult::roadCost}};
const Fields<DecisionRow> kDecisionFields = {
    {"mean", &DecisionRow::mean},         {"stddev", &DecisionRow::stddev}, {"halfWidth", &DecisionRow::halfWidth},
    {"p10", &DecisionRow::p10},           {"p50", &DecisionRow::p50},       {"p90", &DecisionRow::p90},
    {"pOptimal", &DecisionRow::pOptimal}, {"regret", &DecisionRow::regret}};
const Fields<TornadoBar> kTornadoFields = {{"costAtLow", &TornadoBar::costAtLow},
                                           {"costAtHigh", &TornadoBar::costAtHigh},
                                           {"eydAtLow", &TornadoBar::eydAtLow},
                                           {"eydAtHigh", &TornadoBar::eydAtHigh}};
const Fields<StepSummary> kRunFields = {{"mean", &StepSummary::mean},
                                        {"stddev", &StepSummary::stddev},
                                        {"halfWidth", &StepSummary::halfWidth},
                                        {"min", &StepSummary::minimum},
                                        {"max", &StepSummary::maximum}};

}  // namespace

class UnitConsistencyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> m_f;
    QTemporaryDir m_dir;

    // The cost chart against the tool's sweep of the same file in that case.
    void compareSweep(const std::string& file, const char* rangeCase) {
        const json cli = cliJson({"sweep", "--unit", file, "--case", rangeCase, "--format", "json"});
        DataGridChart* chart = m_f->chart(WindowId::FrmGraph);
        QVERIFY(chart);
        std::vector<YardingResult> shown(static_cast<size_t>(chart->rowCount()));
        for (const auto& [label, field] : {std::pair{"Total", &YardingResult::totalCost},
                                           {"Logging", &YardingResult::loggingCost},
                                           {"Road", &YardingResult::roadCost}}) {
            const int column = static_cast<int>(chart->seriesLabels().indexOf(QString::fromLatin1(label))) + 1;
            for (int row = 1; row <= chart->rowCount(); ++row) {
                shown[static_cast<size_t>(row - 1)].*field = chart->value(row, column);
            }
        }
        QCOMPARE(figures(shown, kCostFields), figures(cli["rows"], kCostFields));
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
        QCOMPARE(figures(r.rows, kDecisionFields), figures(cli["rows"], kDecisionFields));
        QCOMPARE(figures(r.tornado.bars, kTornadoFields), figures(cli["tornado"]["bars"], kTornadoFields));
        QCOMPARE(
            json({r.recommendedEyd, r.recommendedMean, r.bandFromEyd, r.bandToEyd, r.evpi}).dump(),
            json({cli["recommended"]["eyd"].get<double>(), cli["recommended"]["meanCost"].get<double>(),
                  cli["band"]["fromEyd"].get<double>(), cli["band"]["toEyd"].get<double>(), cli["evpi"].get<double>()})
                .dump());
    }

    void compareSimulation(const std::string& file, std::uint64_t seed) {
        m_f->main().setRunSeed(seed);
        QTest::mouseClick(m_f->simulator()->findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_f->main().lastRun() && m_f->main().lastRun()->seed == seed && !m_f->simulator()->isRunning(), kRunMs);
        const json cli = cliJson({"simulate", "--unit", file, "--seed", std::to_string(seed), "--format", "json"});
        QCOMPARE(figures(m_f->main().lastRun()->rows, kRunFields), figures(cli["rows"], kRunFields));
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
