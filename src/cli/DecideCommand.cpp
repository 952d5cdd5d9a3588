#include "cli/DecideCommand.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <iostream>
#include <optional>

#include <fmt/format.h>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "cli/BeliefOptions.h"
#include "cli/CommandLine.h"
#include "cli/ComparisonOutput.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressLine.h"
#include "cli/TextTable.h"
#include "inputs/NumberText.h"
#include "decision/DecisionAnalysis.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

std::unique_ptr<CommandLine> decideCommandLine() {
    auto line = std::make_unique<CommandLine>("decide", t::kDecideSynopsis);
    addDecisionRunOptions(*line);
    line->addFlag("--compare-patterns", t::kComparePatternsOption);
    line->addPatternOption();
    line->addFormatOption();
    line->addVariableOptions();
    addBeliefOptions(*line);
    return line;
}

DecideRequest parse(const std::vector<std::string>& args, bool& comparePatterns) {
    DecideRequest request;
    request.common.takesBeliefs = true;
    request.settings.voiBins = DecisionSettings::kDefaultVoiBins;
    const auto line = decideCommandLine();
    line->parse(args);
    for (const auto& [option, value] : line->given()) {
        if (option == "--compare-patterns") {
            comparePatterns = true;
        } else if (!readCommonOption(option, value, request.common) &&
                   !readBeliefOption(option, value, request.common)) {
            readDecisionRunOption(option, value, request);
        }
    }
    checkDecisionRunOptions(request);
    request.settings.pattern = request.common.pattern;
    return request;
}

// The bars' Low and High as the user gives them (bdft, percent), not in
// the model's units.
double enteredValue(InputVariables& inputs, const TornadoBar& bar, bool high) {
    const int variable = RunInputs::drawnVariable(bar.drawIndex);
    return inputs.value(high ? highEntry(variable) : lowEntry(variable));
}

// Beyond this a figure's digits no longer fit a column, nor tell a reader
// more than its magnitude: such figures (an extreme entry's) take the
// exponent form.
constexpr double kLargestPlainFigure = 1e12;

std::string tableFigure(double value, int decimals) {
    if (!std::isfinite(value)) {
        return t::kNoFigure;
    }
    return std::fabs(value) < kLargestPlainFigure ? fixedDecimal(value, decimals) : fmt::format("{:.4g}", value);
}

// An entered value as given, in the exponent form once it is that large.
std::string enteredText(double value) {
    return std::fabs(value) < kLargestPlainFigure ? plainDecimal(value) : roundTripText(value);
}

// The statistics of a step; none without a scenario. A figure there is
// none of goes out as not a number: null in JSON, an empty CSV field, a dash
// in the table; never as 0.
DecisionRow shownRow(const DecisionResult& r, const DecisionRow& row) {
    const double none = kNoFigure;
    if (r.scenarios == 0) {
        return {row.step, row.eyd, none, none, none, none, none, none, none, none};
    }
    DecisionRow shown = row;
    if (r.scenarios == 1) {
        // One scenario has no spread to speak of: a 0 would claim certainty.
        shown.stddev = none;
        shown.halfWidth = none;
    }
    return shown;
}

void printJson(std::ostream& out, InputVariables& inputs, const DecisionResult& r) {
    Json rows = Json::array();
    for (const DecisionRow& stored : r.rows) {
        const DecisionRow row = shownRow(r, stored);
        rows.push_back({{"step", row.step},
                        {"eyd", row.eyd},
                        {"mean", row.mean},
                        {"stddev", row.stddev},
                        {"halfWidth", row.halfWidth},
                        {"p10", row.p10},
                        {"p50", row.p50},
                        {"p90", row.p90},
                        {"pOptimal", row.pOptimal},
                        {"regret", row.regret}});
    }
    Json recommended = nullptr;
    Json band = nullptr;
    Json evpi = nullptr;
    if (r.recommendedStep > 0) {
        recommended = {{"step", r.recommendedStep}, {"eyd", r.recommendedEyd}, {"meanCost", r.recommendedMean}};
        band = {{"tolerance", r.bandTolerance * 100}, {"fromEyd", r.bandFromEyd}, {"toEyd", r.bandToEyd}};
        evpi = r.evpi;
    }
    Json bars = Json::array();
    for (const TornadoBar& bar : r.tornado.bars) {
        bars.push_back({{"variable", bar.variable},
                        {"low", enteredValue(inputs, bar, false)},
                        {"high", enteredValue(inputs, bar, true)},
                        {"costAtLow", bar.costAtLow},
                        {"costAtHigh", bar.costAtHigh},
                        {"eydAtLow", bar.eydAtLow},
                        {"eydAtHigh", bar.eydAtHigh},
                        {"swing", bar.swing}});
    }
    const Json document = {
        {"seed", r.seed},
        {"pattern", patternName(r.pattern)},
        {"steps", r.steps},
        {"scenarios", r.scenarios},
        {"nonFinite", r.nonFinite},
        {"threads", r.threads},
        {"stopped", r.stopped},
        {"capped", r.capped},
        {"rows", std::move(rows)},
        {"recommended", std::move(recommended)},
        {"band", std::move(band)},
        {"evpi", std::move(evpi)},
        {"tornado",
         {{"base", {{"minCost", r.tornado.baseMinCost}, {"eyd", r.tornado.baseEyd}}}, {"bars", std::move(bars)}}},
        {"voi", voiJson(r.voi)}};
    writeJson(out, document);
}

// The per-step figures; every row carries the seed, so that a CSV file alone
// says how to repeat the run.
void printCsv(std::ostream& out, const DecisionResult& r) {
    CsvWriter csv(out);
    for (const char* heading :
         {"seed", "step", "eyd", "mean", "stddev", "halfWidth", "p10", "p50", "p90", "pOptimal", "regret"}) {
        csv.text(heading);
    }
    csv.endRow();
    for (const DecisionRow& stored : r.rows) {
        const DecisionRow row = shownRow(r, stored);
        csv.integer(r.seed).integer(row.step).number(row.eyd).number(row.mean).number(row.stddev);
        csv.number(row.halfWidth).number(row.p10).number(row.p50).number(row.p90).number(row.pOptimal);
        csv.number(row.regret);
        csv.endRow();
    }
}

void printTable(std::ostream& out, InputVariables& inputs, const DecisionResult& r, const DecisionSettings& settings) {
    out << fmt::format(t::kDecideHeading, patternCaption(r.pattern), r.steps, r.scenarios);
    if (r.nonFinite > 0) {
        out << fmt::format(t::kDecideLeftOut, r.nonFinite);
    }
    out << (r.threads == 1 ? fmt::format(t::kDecideSeedOneThread, r.seed)
                           : fmt::format(t::kDecideSeedThreads, r.seed, r.threads))
        << "\n\n";
    TextTable table;
    table.addColumn(t::kStep, t::kStations);
    table.addColumn(t::kEyd, t::kFeet);
    table.addColumn(t::kMean, t::kCost);
    table.addColumn(t::kStdDev, t::kCost);
    table.addColumn(t::kHalfWidth, t::kCost);
    table.addColumn(t::kP10, t::kCost);
    table.addColumn(t::kP50, t::kCost);
    table.addColumn(t::kP90, t::kCost);
    table.addColumn(t::kPOptimal, t::kPercent);
    table.addColumn(t::kRegret, t::kCost);
    for (const DecisionRow& stored : r.rows) {
        const DecisionRow row = shownRow(r, stored);
        table.addRow({std::to_string(row.step), fixedDecimal(row.eyd, 0), tableFigure(row.mean, 2),
                      tableFigure(row.stddev, 2), tableFigure(row.halfWidth, 2), tableFigure(row.p10, 2),
                      tableFigure(row.p50, 2), tableFigure(row.p90, 2), tableFigure(row.pOptimal * 100, 1),
                      tableFigure(row.regret, 2)});
    }
    table.print(out);
    out << '\n';
    if (r.recommendedStep > 0) {
        out << fmt::format(t::kRecommended, fixedDecimal(r.recommendedEyd, 0), fixedDecimal(r.recommendedMean, 2))
            << '\n'
            << fmt::format(t::kWithinBand, plainDecimal(roundHalfEven(r.bandTolerance * 100, 6)),
                           fixedDecimal(r.bandFromEyd, 0), fixedDecimal(r.bandToEyd, 0))
            << '\n'
            << fmt::format(t::kEvpi, fixedDecimal(r.evpi, 2)) << "\n\n";
    }

    out << fmt::format(t::kTornadoHeading, tableFigure(r.tornado.baseMinCost, 2), tableFigure(r.tornado.baseEyd, 0))
        << "\n\n";
    TextTable tornado;
    tornado.addColumn(t::kVariable, "");
    tornado.addColumn(t::kLow, "");
    tornado.addColumn(t::kHigh, "");
    tornado.addColumn(t::kCostAtLow, t::kCost);
    tornado.addColumn(t::kEydAtLow, t::kFeet);
    tornado.addColumn(t::kCostAtHigh, t::kCost);
    tornado.addColumn(t::kEydAtHigh, t::kFeet);
    tornado.addColumn(t::kSwing, t::kCost);
    for (const TornadoBar& bar : r.tornado.bars) {
        tornado.addRow({bar.variable, enteredText(enteredValue(inputs, bar, false)),
                        enteredText(enteredValue(inputs, bar, true)), tableFigure(bar.costAtLow, 2),
                        tableFigure(bar.eydAtLow, 0), tableFigure(bar.costAtHigh, 2), tableFigure(bar.eydAtHigh, 0),
                        tableFigure(bar.swing, 2)});
    }
    tornado.print(out);
    out << '\n';
    if (r.stopped) {
        out << decisionStoppedNote(r.scenarios + r.nonFinite) << '\n';
    }
    if (r.capped) {
        out << decisionCapNote(settings.maxScenarios) << '\n';
    }
    printVoiTable(out, r.voi);
    out << decisionSummary(r) << '\n';
}

// The notes on stderr after the output, and the exit status.
int finishNotes(std::ostream& err, const DecisionResult& result, const DecisionSettings& settings, int stoppedStatus) {
    if (result.capped) {
        err << fmt::format(t::kCommandNote, "decide", decisionCapNote(settings.maxScenarios)) << '\n';
    }
    if (result.nonFinite > 0) {
        err << fmt::format(t::kCommandNote, "decide", fmt::format(t::kScenariosNotFinite, result.nonFinite)) << '\n';
    }
    return result.stopped ? stoppedStatus : 0;
}

}  // namespace

int runDecide(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const DecideSurroundings& surroundings) {
    DecideRequest request;
    bool comparePatterns = false;
    InMemoryInputs inputs;
    if (const auto status = startCommand(
            "decide", [&] { return parse(args, comparePatterns); }, request, inputs, err)) {
        return *status;
    }
    Beliefs beliefs;
    try {
        beliefs = commandBeliefs(request.common, inputs);
    } catch (const UsageError& e) {
        return sayUsageError("decide", e, err);
    }
    Repair_Variables(inputs);
    const DecisionAlternative alternative{RunInputs(inputs), beliefs, request.settings.pattern, ""};
    request.settings.seed = request.seed ? *request.seed : seedFromClock();
    const DecisionSettings& settings = request.settings;

    if (comparePatterns) {
        DecisionAlternative other = alternative;
        other.pattern =
            alternative.pattern == CorridorPattern::Parallel ? CorridorPattern::FanShaped : CorridorPattern::Parallel;
        ComparisonResult comparison;
        const int stoppedStatus =
            runStoppable(err, surroundings, [&](const std::atomic<bool>* stop, const DecisionProgressFn& progress) {
                comparison = runComparison(alternative, other, settings, stop, progress);
            });
        printComparison(out, request.common.format, comparison, settings.seed, settings);
        return finishNotes(err, comparison.a, settings, stoppedStatus);
    }
    DecisionResult result;
    const int stoppedStatus =
        runStoppable(err, surroundings, [&](const std::atomic<bool>* stop, const DecisionProgressFn& progress) {
            result = runDecisionAnalysis(alternative, settings, stop, progress);
        });
    switch (request.common.format) {
        case OutputFormat::Json:
            printJson(out, inputs, result);
            break;
        case OutputFormat::Csv:
            printCsv(out, result);
            break;
        case OutputFormat::Table:
            printTable(out, inputs, result, settings);
            break;
    }
    return finishNotes(err, result, settings, stoppedStatus);
}

int runDecideCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DecideSurroundings surroundings;
    surroundings.showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    return runDecide(args, out, err, surroundings);
}

std::string decideHelp() { return decideCommandLine()->help(); }

}  // namespace quorvale::cli
