#include "cli/SimulateCommand.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include <fmt/format.h>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "inputs/NumberText.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
#include "cli/ProgressLine.h"
#include "cli/StopSignals.h"
#include "cli/TextTable.h"
#include "cli/WholeNumberOptions.h"
#include "decision/StepOverlap.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

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

// A cap on the samples of a step: 0 for none, else at least the first
// samples every step draws.
std::optional<std::int64_t> readSampleCap(const std::string& text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || (value != kNoSampleCap && value < kMinSamplesPerStep)) {
        return std::nullopt;
    }
    return value;
}

// A unit's target is the Simulator field's text, typed in the user's locale;
// like "Go", the run puts the default in place of one that is not a positive
// number.
// A unit file keeps its target in the fixed number form, as its entries.
double unitTarget(const std::string& text) { return readUnitNumber(text, static_cast<int>(kDefaultTarget)).value; }

std::unique_ptr<CommandLine> simulateCommandLine(SimulateRequest& request) {
    auto line = std::make_unique<CommandLine>("simulate", t::kSimulateSynopsis);
    line->addPositiveOption("--target", "HALF_WIDTH", t::kSimulateTargetOption,
                            [&request](double target) { request.target = target; });
    line->addWholeOption("--seed", "N", t::kSeedOption, 0, kLargestSeed,
                         [&request](std::uint64_t seed) { request.seed = seed; });
    const std::string cap = "--max-samples-per-step";
    line->addOption(
        cap, "N", fmt::format(t::kSampleCapOption, kDefaultMaxSamplesPerStep),
        [&request](const std::string& text) { request.maxSamplesPerStep = *readSampleCap(text); },
        [cap](const std::string& text) {
            return readSampleCap(text) ? std::string()
                                       : fmt::format(t::kNotSampleCap, cap, text, kMinSamplesPerStep,
                                                     std::numeric_limits<std::int64_t>::max());
        });
    line->addPatternOption(request.common);
    line->addFormatOption(request.common);
    // A unit file brings its target, where it stands among the options.
    line->addVariableOptions(request.common, [&request] { request.target = unitTarget(request.common.unit->target); });
    return line;
}

SimulateRequest parse(const std::vector<std::string>& args) {
    SimulateRequest request;
    simulateCommandLine(request)->parse(args);
    return request;
}

// The steps whose 95 % interval overlaps the optimum's, in feet.
Json indistinguishableJson(const RunSummary& run) {
    const auto overlap = overlappingSteps(run);
    if (!overlap) {
        return nullptr;
    }
    return {{"fromEyd", overlap->fromEyd}, {"toEyd", overlap->toEyd}};
}

// After the table: which steps the run cannot tell from its optimum, and
// where to turn for an answer that can.
void printOverlap(std::ostream& out, const RunSummary& run) {
    const auto overlap = overlappingSteps(run);
    if (!overlap) {
        return;
    }
    const std::string optimum = plainDecimal(overlap->optimumEyd / 100);
    if (overlap->fromEyd < overlap->toEyd) {
        out << fmt::format(t::kIndistinguishable, plainDecimal(overlap->fromEyd / 100),
                           plainDecimal(overlap->toEyd / 100), optimum);
    } else {
        out << fmt::format(t::kDistinguishable, optimum);
    }
    out << '\n';
}

void printJson(std::ostream& out, const SimulateRequest& request, const RunSummary& run) {
    Json rows = Json::array();
    for (const StepSummary& row : run.rows) {
        Json item = {{"step", row.step},   {"eyd", row.eyd},       {"samples", row.samples},
                     {"mean", row.mean},   {"stddev", row.stddev}, {"halfWidth", row.halfWidth},
                     {"min", row.minimum}, {"max", row.maximum}};
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
                           {"indistinguishable", indistinguishableJson(run)},
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
    out << fmt::format(t::kSimulateHeading, patternCaption(request.common.pattern), run.steps,
                       plainDecimal(request.target), run.seed)
        << "\n\n";
    TextTable table;
    table.addColumn(t::kStep, t::kStations);
    table.addColumn(t::kEyd, t::kFeet);
    table.addColumn(t::kSamples, "");
    table.addColumn(t::kMean, t::kCost);
    table.addColumn(t::kStdDev, t::kCost);
    table.addColumn(t::kHalfWidth, t::kCost);
    table.addColumn(t::kMin, t::kCost);
    table.addColumn(t::kMax, t::kCost);
    bool anyCapped = false;
    for (const StepSummary& row : run.rows) {
        anyCapped = anyCapped || capped(row, request);
        table.addRow({std::to_string(row.step), fixedDecimal(row.eyd, 0),
                      std::to_string(row.samples) + (capped(row, request) ? t::kCappedMark : ""),
                      fixedDecimal(row.mean, 2), fixedDecimal(row.stddev, 2), fixedDecimal(row.halfWidth, 2),
                      fixedDecimal(row.minimum, 2), fixedDecimal(row.maximum, 2)});
    }
    table.print(out);
    if (anyCapped) {
        out << fmt::format(t::kCappedLegend, request.maxSamplesPerStep) << '\n';
    }
    out << '\n';
    printOverlap(out, run);
    if (run.optimum) {
        const YardingResult& r = run.optimum->result;
        out << fmt::format(t::kOptimum, fixedDecimal(run.optimum->eyd, 0), fixedDecimal(run.optimum->minCost, 2))
            << '\n'
            << fmt::format(t::kOptimumLayout, fixedDecimal(r.landingSpacing, 0), fixedDecimal(r.roadDensity, 1)) << '\n'
            << fmt::format(t::kOptimumDistances, fixedDecimal(r.ayd, 0), fixedDecimal(r.aeyd, 0),
                           fixedDecimal(r.lyd, 0), fixedDecimal(r.alyd, 0))
            << '\n'
            << fmt::format(t::kOptimumCounts, fixedDecimal(r.corridorsPerLanding, 1),
                           fixedDecimal(r.landingsPerUnit, 1))
            << '\n';
    } else {
        out << t::kNoOptimum << '\n';
    }
    out << fmt::format(t::kSamplesTotal, run.samplesTotal) << (run.stopped ? t::kStoppedByUser : "") << '\n';
}

// Steps whose samples overflowed: the user should know the figures rest on
// fewer samples, or on none.
void reportOverflow(std::ostream& err, const RunSummary& run) {
    for (const StepSummary& row : run.rows) {
        if (row.nonFinite == 0) {
            continue;
        }
        std::string note = fmt::format(t::kStepNotFinite, row.step, row.nonFinite);
        if (row.nonFinite > row.samples) {
            note += t::kStepUnmeasured;
        }
        err << fmt::format(t::kCommandNote, "simulate", note + t::kCheckInputs) << '\n';
    }
}

}  // namespace

int runSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const SimulateSurroundings& surroundings) {
    SimulateRequest request;
    InMemoryInputs inputs;
    if (const auto status = startCommand(
            "simulate", [&] { return parse(args); }, request, inputs, err)) {
        return *status;
    }
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
            err << fmt::format(t::kCommandNote, "simulate",
                               fmt::format(t::kStepCapped, row.step, request.maxSamplesPerStep,
                                           fixedDecimal(row.halfWidth, 2), plainDecimal(request.target)))
                << '\n';
        }
    }
    return run.stopped ? stoppedStatus : 0;
}

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SimulateSurroundings surroundings;
    surroundings.showProgress = ProgressLine::drawsOn(err);
    return runSimulate(args, out, err, surroundings);
}

std::string simulateHelp() {
    SimulateRequest unused;
    return simulateCommandLine(unused)->help();
}

}  // namespace quorvale::cli
