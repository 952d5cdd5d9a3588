#include "cli/DecideCommand.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <iostream>
#include <optional>

#include <fmt/format.h>

#include "base/Texts.h"
#include "cli/CommandLine.h"
#include "cli/DecideOutput.h"
#include "cli/ProgressLine.h"
#include "cli/WholeNumberOptions.h"
#include "decision/DecisionAnalysis.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

struct DecideRequest {
    CommonOptions common;
    DecisionSettings settings;
    std::optional<std::uint64_t> seed;
    bool targetGiven = false;
    bool capGiven = false;
};

// A band in percent: a number from 0 to 100.
std::optional<double> readBand(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value) || value < 0 || value > 100) {
        return std::nullopt;
    }
    return value;
}

std::unique_ptr<CommandLine> decideCommandLine(DecideRequest& request) {
    auto line = std::make_unique<CommandLine>("decide", t::kDecideSynopsis);
    DecisionSettings& settings = request.settings;
    line->addWholeOption("--scenarios", "N", t::kScenariosOption, 1, kLargestCount,
                         [&settings](std::uint64_t scenarios) { settings.scenarios = scenarios; });
    line->addPositiveOption("--target", "HALF_WIDTH", t::kDecideTargetOption, [&request](double target) {
        request.settings.target = target;
        request.targetGiven = true;
    });
    line->addWholeOption("--max-scenarios", "N", t::kMaxScenariosOption, 1, kLargestCount,
                         [&request](std::uint64_t cap) {
                             request.settings.maxScenarios = cap;
                             request.capGiven = true;
                         });
    line->addOption(
        "--band", "PCT", t::kBandOption,
        [&settings](const std::string& text) { settings.bandTolerance = *readBand(text) / 100; },
        [](const std::string& text) { return readBand(text) ? std::string() : fmt::format(t::kNotBand, text); });
    line->addWholeOption("--seed", "N", t::kSeedOption, 0, kLargestSeed,
                         [&request](std::uint64_t seed) { request.seed = seed; });
    line->addWholeOption("--threads", "K", t::kThreadsOption, 1, kMostDecisionThreads,
                         [&settings](std::uint64_t threads) { settings.threads = static_cast<unsigned>(threads); });
    line->addPatternOption(request.common);
    line->addFormatOption(request.common);
    line->addVariableOptions(request.common);
    return line;
}

DecideRequest parse(const std::vector<std::string>& args) {
    DecideRequest request;
    decideCommandLine(request)->parse(args);
    if (request.settings.scenarios && (request.targetGiven || request.capGiven)) {
        throw UsageError(fmt::format(t::kScenariosCombined, request.targetGiven ? "--target" : "--max-scenarios"));
    }
    request.settings.pattern = request.common.pattern;
    return request;
}

}  // namespace

DecideRun readDecideRun(const std::vector<std::string>& args, const std::string& command, std::ostream& err) {
    DecideRequest request = parse(args);
    DecideRun run{InMemoryInputs(request.common.locale), request.settings, request.common.format, request.common.unit};
    if (!takeCommandInputs(request.common, Intake::TakenIn, command, run.inputs, err)) {
        throw InputsRefused(t::kStrictRefused);
    }
    Repair_Variables(run.inputs);
    run.settings.seed = request.seed ? *request.seed : seedFromClock();
    return run;
}

int runDecide(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const DecideSurroundings& surroundings) {
    std::optional<DecideRun> run;
    try {
        run = readDecideRun(args, "decide", err);
    } catch (const InputsRefused& e) {
        return e.status();  // the reasons are said
    } catch (const UsageError& e) {
        return sayUsageError("decide", e, err);
    }
    InMemoryInputs& inputs = run->inputs;
    const RunInputs ranges(inputs);

    std::atomic<bool> stop{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
    ProgressLine line(err);
    DecisionProgressFn progress;
    if (surroundings.showProgress || surroundings.atProgress) {
        progress = [&](const DecisionProgress& p) {
            if (surroundings.showProgress) {
                line.redraw([&] {
                    const double seconds = line.seconds();
                    const double rate = seconds > 0 ? static_cast<double>(p.scenarios) / seconds : 0;
                    return fmt::format(t::kDecideProgress, p.fraction * 100, p.scenarios, p.worstHalfWidth, rate);
                });
            }
            if (surroundings.atProgress) {
                surroundings.atProgress(p, stop);
            }
        };
    }
    DecisionResult result;
    int stoppedStatus = kInterruptedStatus;
    {
        StopSignals signals([](void* flag) { static_cast<std::atomic<bool>*>(flag)->store(true); }, &stop);
        result = runDecisionAnalysis(ranges, run->settings, &stop, progress);
        stoppedStatus = signals.stoppedStatus();
    }
    line.clear();

    switch (run->format) {
        case OutputFormat::Json:
            printDecisionJson(out, inputs, result);
            break;
        case OutputFormat::Csv:
            printDecisionCsv(out, result);
            break;
        case OutputFormat::Table:
            printDecisionTable(out, inputs, result, run->settings.maxScenarios);
            break;
    }
    if (result.capped) {
        err << fmt::format(t::kCommandNote, "decide", decisionCapNote(run->settings.maxScenarios)) << '\n';
    }
    if (result.nonFinite > 0) {
        err << fmt::format(t::kCommandNote, "decide", fmt::format(t::kScenariosNotFinite, result.nonFinite)) << '\n';
    }
    if (result.stopped) {
        return stoppedStatus;
    }
    // As the sweep does when a step is not a finite number: the figures are
    // printed, but a run that found no finite scenario has no answer.
    if (result.steps > 0 && result.recommendedStep == 0) {
        err << fmt::format(t::kCommandError, "decide", t::kNoFiniteScenario) << '\n';
        return 1;
    }
    return 0;
}

int runDecideCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DecideSurroundings surroundings;
    surroundings.showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    return runDecide(args, out, err, surroundings);
}

std::string decideHelp() {
    DecideRequest unused;
    return decideCommandLine(unused)->help();
}

}  // namespace quorvale::cli
