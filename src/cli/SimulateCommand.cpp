#include "cli/SimulateCommand.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <iostream>
#include <optional>
#include <sstream>

#include "inputs/NumberText.h"
#include "cli/CliArguments.h"
#include "cli/JsonWriter.h"
#include "cli/ProgressLine.h"
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
};

double parseTarget(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value) || !(value > 0)) {
        throw UsageError("option --target: '" + text + "' is not a positive number");
    }
    return value;
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

SimulateRequest parse(const std::vector<std::string>& args) {
    SimulateRequest request;
    ArgReader reader(args);
    while (!reader.atEnd()) {
        const std::string option = reader.nextOption();
        if (readCommonOption(reader, option, request.common)) {
            continue;
        }
        if (option == "--target") {
            request.target = parseTarget(reader.value(option));
        } else if (option == "--seed") {
            request.seed = parseSeed(reader.value(option));
        } else {
            throw UsageError("unknown option " + option + " for simulate (see quorvale-cli simulate --help)");
        }
    }
    return request;
}

// Ctrl+C sets the stop flag of the view that is running, like "End".
std::atomic<HeadlessRunView*> g_running{nullptr};
static_assert(std::atomic<HeadlessRunView*>::is_always_lock_free);

extern "C" void stopOnInterrupt(int) {
    if (HeadlessRunView* view = g_running.load()) {
        view->requestStop();
    }
}

// Installs the Ctrl+C handler for one run and puts the previous one back.
class InterruptScope {
public:
    explicit InterruptScope(HeadlessRunView& view) {
        g_running.store(&view);
        struct sigaction action {};
        action.sa_handler = stopOnInterrupt;
        sigemptyset(&action.sa_mask);
        m_installed = sigaction(SIGINT, &action, &m_previous) == 0;
    }
    ~InterruptScope() {
        if (m_installed) {
            sigaction(SIGINT, &m_previous, nullptr);
        }
        g_running.store(nullptr);
    }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

private:
    struct sigaction m_previous {};
    bool m_installed = false;
};

void printJson(std::ostream& out, const SimulateRequest& request, const RunSummary& run) {
    JsonWriter json(out);
    json.beginObject();
    json.field("seed", static_cast<unsigned long long>(run.seed));
    json.field("target", request.target);
    json.field("pattern", patternName(request.common.pattern));
    json.field("steps", run.steps);
    json.key("rows");
    json.beginArray();
    for (const StepSummary& row : run.rows) {
        json.beginObject();
        json.field("step", row.step);
        json.field("eyd", row.eyd);
        json.field("samples", static_cast<long long>(row.samples));
        json.field("mean", row.mean);
        json.field("stddev", row.stddev);
        json.field("halfWidth", row.halfWidth);
        json.field("min", row.minimum);
        json.field("max", row.maximum);
        json.endObject();
    }
    json.endArray();
    json.key("optimum");
    if (run.optimum) {
        const YardingResult& r = run.optimum->result;
        json.beginObject();
        json.field("eyd", run.optimum->eyd);
        json.field("minCost", run.optimum->minCost);
        json.field("landingSpacing", r.landingSpacing);
        json.field("roadDensity", r.roadDensity);
        json.field("ayd", r.ayd);
        json.field("aeyd", r.aeyd);
        json.field("lyd", r.lyd);
        json.field("alyd", r.alyd);
        json.field("corridorsPerLanding", r.corridorsPerLanding);
        json.field("landingsPerUnit", r.landingsPerUnit);
        json.endObject();
    } else {
        json.null();
    }
    json.field("samplesTotal", static_cast<long long>(run.samplesTotal));
    json.field("stopped", run.stopped);
    json.endObject();
}

// Every row carries the seed, so that a CSV file alone says how to repeat
// the run.
void printCsv(std::ostream& out, const RunSummary& run) {
    out << "seed,step,eyd,samples,mean,stddev,halfWidth,min,max\n";
    for (const StepSummary& row : run.rows) {
        out << run.seed << ',' << row.step << ',' << roundTripText(row.eyd) << ',' << row.samples << ','
            << roundTripText(row.mean) << ',' << roundTripText(row.stddev) << ',' << roundTripText(row.halfWidth)
            << ',' << roundTripText(row.minimum) << ',' << roundTripText(row.maximum) << '\n';
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
    for (const StepSummary& row : run.rows) {
        table.addRow({std::to_string(row.step), fixedDecimal(row.eyd, 0), std::to_string(row.samples),
                      fixedDecimal(row.mean, 2), fixedDecimal(row.stddev, 2), fixedDecimal(row.halfWidth, 2),
                      fixedDecimal(row.minimum, 2), fixedDecimal(row.maximum, 2)});
    }
    table.print(out);
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
        return 2;
    }

    InMemoryInputs inputs(environmentLocale());
    applyEntries(request.common, inputs);
    HeadlessRunView view(request.target);
    ProgressLine progress(err);
    if (surroundings.showProgress || surroundings.atYield) {
        view.setProgress(
            [&](const HeadlessRunView& v) {
                if (surroundings.showProgress) {
                    progress.update(v);
                }
                if (surroundings.atYield) {
                    surroundings.atYield(view);
                }
            },
            surroundings.atYield ? std::chrono::milliseconds(0) : std::chrono::milliseconds(100));
    }
    RunSummary run;
    {
        InterruptScope interrupt(view);
        run = stat_itmain(inputs, view, request.seed ? *request.seed : seedFromClock());
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
    return run.stopped ? kInterruptedStatus : 0;
}

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SimulateSurroundings surroundings;
    surroundings.showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    return runSimulate(args, out, err, surroundings);
}

std::string simulateHelp() {
    std::ostringstream out;
    out << "Usage: quorvale-cli simulate [--target HALF_WIDTH] [--seed N] [--pattern parallel|fan]\n"
        << "                             [--format table|csv|json] [VARIABLE OPTIONS]\n\n"
        << "Monte Carlo simulation: at every whole station of EYD from 1 up to the high EYD,\n"
        << "draws the variables between their low and high values and evaluates the cost\n"
        << "model until at least 31 samples are taken and the 95 % confidence half-width of\n"
        << "the mean total cost is below the target. Reports each step's statistics and the\n"
        << "step of lowest mean cost. Ctrl+C stops the run and prints the finished steps\n"
        << "(exit status 130).\n\n"
        << "  --target HALF_WIDTH      target half-width in $/mbf, a positive number (default: 5)\n"
        << "  --seed N                 seed of the random numbers, 0 to 2^64-1 (default: from\n"
        << "                           the clock); the seed used is always printed\n"
        << commonOptionsHelp();
    return out.str();
}

}  // namespace quorvale::cli
