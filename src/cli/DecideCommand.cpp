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
#include "cli/BeliefOptions.h"
#include "cli/CommandLine.h"
#include "cli/ComparisonOutput.h"
#include "cli/DecideOutput.h"
#include "cli/ProgressLine.h"
#include "cli/WholeNumberOptions.h"
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

// The notes on stderr after the output, and the exit status.
int finishNotes(std::ostream& err, const DecisionResult& result, const DecisionSettings& settings,
                int stoppedStatus) {
    if (result.capped) {
        err << fmt::format(t::kCommandNote, "decide", decisionCapNote(settings.maxScenarios)) << '\n';
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
        other.pattern = alternative.pattern == CorridorPattern::Parallel ? CorridorPattern::FanShaped
                                                                          : CorridorPattern::Parallel;
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
            printDecisionJson(out, inputs, result);
            break;
        case OutputFormat::Csv:
            printDecisionCsv(out, result);
            break;
        case OutputFormat::Table:
            printDecisionTable(out, inputs, result, settings.maxScenarios);
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
