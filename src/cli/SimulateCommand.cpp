#include "cli/SimulateCommand.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <iostream>
#include <limits>
#include <optional>

#include <fmt/format.h>

#include "base/CsvWriter.h"
#include "inputs/NumberText.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressLine.h"
#include "cli/StopSignals.h"
#include "cli/TextTable.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale::cli {
namespace {

constexpr double kDefaultTarget = 5;

struct SimulateRequest {
    CommonOptions common;
    double target = kDefaultTarget;
    std::optional<std::uint64_t> seed;
    std::int64_t maxSamplesPerStep = kDefaultMaxSamplesPerStep;
};

// A step that drew the cap's samples without reaching its target. (A step
// that gave up because its samples overflowed has not converged either, but
// is reported as such by reportOverflow.)
bool capped(const StepSummary& row, const SimulateRequest& request) {
    return !row.converged && request.maxSamplesPerStep != kNoSampleCap &&
           row.samples + row.nonFinite >= request.maxSamplesPerStep;
}

std::int64_t parseSampleCap(const std::string& option, const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || (value != kNoSampleCap && value < kMinSamplesPerStep)) {
        throw UsageError(fmt::format("option {}: '{}' is not a whole number from {} to {}, or 0 for no cap", option,
                                     text, kMinSamplesPerStep, std::numeric_limits<std::int64_t>::max()));
    }
    return value;
}

// A unit's target is the Simulator field's text, typed in the user's locale;
// like "Go", the run puts the default in place of one that is not a positive
// number.
double unitTarget(const std::string& text) {
    const EntryReading reading = ValueRule(environmentLocale()).reading(text);
    return reading.usable ? reading.value : kDefaultTarget;
}

std::uint64_t parseSeed(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        throw UsageError("option --seed: '" + text + "' is not a whole number from 0 to 18446744073709551615");
    }
    return value;
}

std::unique_ptr<CommandLine> simulateCommandLine() {
    auto line = std::make_unique<CommandLine>(
        "simulate",
        "Monte Carlo simulation: at every whole station of EYD from 1 up to the high EYD,\n"
        "draws the variables between their low and high values and evaluates the cost\n"
        "model until at least 31 samples are taken and the 95 % confidence half-width of\n"
        "the mean total cost is below the target. Reports each step's statistics and the\n"
        "step of lowest mean cost. Ctrl+C or SIGTERM stops the run and prints the finished\n"
        "steps (exit status 130 or 143).");
    line->addOption("--target", "HALF_WIDTH", "target half-width in $/mbf, a positive number (default: 5)");
    line->addOption("--seed", "N",
                    "seed of the random numbers, 0 to 2^64-1 (default: from the clock); the seed used is "
                    "always printed");
    line->addOption("--max-samples-per-step", "N",
                    fmt::format("the most samples one step draws; a step that reaches it ends with the "
                                "statistics it has and is marked as not converged; 0 for no cap (default: {})",
                                kDefaultMaxSamplesPerStep));
    line->addPatternOption();
    line->addFormatOption();
    line->addVariableOptions();
    return line;
}

SimulateRequest parse(const std::vector<std::string>& args) {
    SimulateRequest request;
    const auto line = simulateCommandLine();
    line->parse(args);
    for (const auto& [option, value] : line->given()) {
        if (readCommonOption(option, value, request.common)) {
            if (option == "--unit") {
                request.target = unitTarget(request.common.unit->target);
            }
            continue;
        }
        if (option == "--target") {
            request.target = readPositiveNumber(option, value);
        } else if (option == "--seed") {
            request.seed = parseSeed(value);
        } else if (option == "--max-samples-per-step") {
            request.maxSamplesPerStep = parseSampleCap(option, value);
        }
    }
    return request;
}

void printJson(std::ostream& out, const SimulateRequest& request, const RunSummary& run) {
    Json rows = Json::array();
    for (const StepSummary& row : run.rows) {
        Json item = {{"step", row.step},
                     {"eyd", row.eyd},
                     {"samples", row.samples},
                     {"mean", row.mean},
                     {"stddev", row.stddev},
                     {"halfWidth", row.halfWidth},
                     {"min", row.minimum},
                     {"max", row.maximum}};
        // Only a capped step carries the mark, so the output of a run that
        // converged everywhere reads as it always has.
        if (capped(row, request)) {
            item["converged"] = false;
        }
        rows.push_back(std::move(item));
    }
    Json optimum = nullptr;
    if (run.optimum) {
        const YardingResult& r = run.optimum->result;
        optimum = {{"eyd", run.optimum->eyd},
                   {"minCost", run.optimum->minCost},
                   {"landingSpacing", r.landingSpacing},
                   {"roadDensity", r.roadDensity},
                   {"ayd", r.ayd},
                   {"aeyd", r.aeyd},
                   {"lyd", r.lyd},
                   {"alyd", r.alyd},
                   {"corridorsPerLanding", r.corridorsPerLanding},
                   {"landingsPerUnit", r.landingsPerUnit}};
    }
    const Json document = {{"seed", run.seed},
                           {"target", request.target},
                           {"pattern", patternName(request.common.pattern)},
                           {"steps", run.steps},
                           {"rows", std::move(rows)},
                           {"optimum", std::move(optimum)},
                           {"samplesTotal", run.samplesTotal},
                           {"stopped", run.stopped}};
    writeJson(out, document);
}

// Every row carries the seed, so that a CSV file alone says how to repeat
// the run.
void printCsv(std::ostream& out, const RunSummary& run) {
    CsvWriter csv(out);
    for (const char* heading : {"seed", "step", "eyd", "samples", "mean", "stddev", "halfWidth", "min", "max"}) {
        csv.text(heading);
    }
    csv.endRow();
    for (const StepSummary& row : run.rows) {
        csv.integer(run.seed).integer(row.step).number(row.eyd).integer(row.samples).number(row.mean);
        csv.number(row.stddev).number(row.halfWidth).number(row.minimum).number(row.maximum);
        csv.endRow();
    }
}

void printTable(std::ostream& out, const SimulateRequest& request, const RunSummary& run) {
    out << "Monte Carlo simulation, " << patternCaption(request.common.pattern) << ", " << run.steps
        << " steps, target half-width " << plainDecimal(request.target) << " $/mbf, seed " << run.seed << "\n\n";
    TextTable table;
    table.addColumn("Step", "stat");
    table.addColumn("EYD", "ft");
    table.addColumn("Samples", "");
    table.addColumn("Mean", "$/mbf");
    table.addColumn("StdDev", "$/mbf");
    table.addColumn("Half-width", "$/mbf");
    table.addColumn("Min", "$/mbf");
    table.addColumn("Max", "$/mbf");
    bool anyCapped = false;
    for (const StepSummary& row : run.rows) {
        anyCapped = anyCapped || capped(row, request);
        table.addRow({std::to_string(row.step), fixedDecimal(row.eyd, 0),
                      std::to_string(row.samples) + (capped(row, request) ? "*" : ""),
                      fixedDecimal(row.mean, 2), fixedDecimal(row.stddev, 2), fixedDecimal(row.halfWidth, 2),
                      fixedDecimal(row.minimum, 2), fixedDecimal(row.maximum, 2)});
    }
    table.print(out);
    if (anyCapped) {
        out << "* not converged: the step reached the cap of " << request.maxSamplesPerStep
            << " samples (--max-samples-per-step) with its half-width above the target\n";
    }
    out << '\n';
    if (run.optimum) {
        const YardingResult& r = run.optimum->result;
        out << "Optimum: EYD " << fixedDecimal(run.optimum->eyd, 0) << " ft, mean total cost "
            << fixedDecimal(run.optimum->minCost, 2) << " $/mbf\n"
            << "  landing spacing " << fixedDecimal(r.landingSpacing, 0) << " ft, road density "
            << fixedDecimal(r.roadDensity, 1) << " mi/section\n"
            << "  AYD " << fixedDecimal(r.ayd, 0) << " ft, AEYD " << fixedDecimal(r.aeyd, 0) << " ft, LYD "
            << fixedDecimal(r.lyd, 0) << " ft, ALYD " << fixedDecimal(r.alyd, 0) << " ft\n"
            << "  corridors per landing " << fixedDecimal(r.corridorsPerLanding, 1) << ", landings per unit "
            << fixedDecimal(r.landingsPerUnit, 1) << "\n";
    } else {
        out << "Optimum: none (no step was measured)\n";
    }
    out << "Samples: " << run.samplesTotal << (run.stopped ? " (stopped by the user)" : "") << '\n';
}

// Steps whose samples overflowed: the user should know the figures rest on
// fewer samples, or on none.
void reportOverflow(std::ostream& err, const RunSummary& run) {
    for (const StepSummary& row : run.rows) {
        if (row.nonFinite == 0) {
            continue;
        }
        err << "quorvale-cli simulate: note: step " << row.step << ": " << row.nonFinite
            << " samples gave figures that are not finite numbers and were left out";
        if (row.nonFinite > row.samples) {
            err << "; the step could not be measured";
        }
        err << ". Check the inputs for extreme values.\n";
    }
}

}  // namespace

int runSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const SimulateSurroundings& surroundings) {
    SimulateRequest request;
    try {
        request = parse(args);
    } catch (const UsageError& e) {
        err << "quorvale-cli simulate: " << e.what() << '\n';
        return e.status();
    }
    printWarnings(request.common, "simulate", err);

    InMemoryInputs inputs(environmentLocale());
    applyEntries(request.common, inputs);
    warnLowAboveHigh(inputs, "simulate", err);
    HeadlessRunView view(request.target);
    ProgressLine progress(err);
    if (surroundings.showProgress || surroundings.atYield) {
        view.setProgress(
            [&](const HeadlessRunView& v) {
                if (surroundings.showProgress) {
                    progress.update({v.step(), v.steps(), v.samplesSeen(), v.elapsedSeconds()});
                }
                if (surroundings.atYield) {
                    surroundings.atYield(view);
                }
            },
            surroundings.atYield ? std::chrono::milliseconds(0) : std::chrono::milliseconds(100));
    }
    RunSummary run;
    int stoppedStatus = kInterruptedStatus;
    {
        StopSignals signals([](void* v) { static_cast<HeadlessRunView*>(v)->requestStop(); }, &view);
        RunSettings settings;
        settings.maxSamplesPerStep = request.maxSamplesPerStep;
        run = stat_itmain(inputs, view, request.seed ? *request.seed : seedFromClock(), settings);
        stoppedStatus = signals.stoppedStatus();
    }
    progress.clear();

    switch (request.common.format) {
        case OutputFormat::Json:
            printJson(out, request, run);
            break;
        case OutputFormat::Csv:
            printCsv(out, run);
            break;
        case OutputFormat::Table:
            printTable(out, request, run);
            break;
    }
    reportOverflow(err, run);
    for (const StepSummary& row : run.rows) {
        if (capped(row, request)) {
            err << fmt::format(
                "quorvale-cli simulate: note: step {} did not converge: it reached the cap of {} samples with a "
                "half-width of {} $/mbf, above the target {}\n",
                row.step, request.maxSamplesPerStep, fixedDecimal(row.halfWidth, 2), plainDecimal(request.target));
        }
    }
    return run.stopped ? stoppedStatus : 0;
}

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SimulateSurroundings surroundings;
    surroundings.showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    return runSimulate(args, out, err, surroundings);
}

std::string simulateHelp() { return simulateCommandLine()->help(); }

}  // namespace quorvale::cli
