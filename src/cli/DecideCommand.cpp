#include "cli/DecideCommand.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
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

std::unique_ptr<CommandLine> decideCommandLine(DecideRequest& request, bool& comparePatterns) {
    auto line = std::make_unique<CommandLine>("decide", t::kDecideSynopsis);
    addDecisionRunOptions(*line, request);
    line->addFlag("--compare-patterns", t::kComparePatternsOption, [&comparePatterns] { comparePatterns = true; });
    line->addPatternOption(request.common);
    line->addFormatOption(request.common);
    line->addVariableOptions(request.common);
    addBeliefOptions(*line, request.common);
    return line;
}

DecideRequest parse(const std::vector<std::string>& args, bool& comparePatterns) {
    DecideRequest request;
    request.common.takesBeliefs = true;
    request.settings.voiBins = DecisionSettings::kDefaultVoiBins;
    decideCommandLine(request, comparePatterns)->parse(args);
    checkDecisionRunOptions(request);
    request.settings.pattern = request.common.pattern;
    return request;
}

// The notes on stderr after the output, and the exit status.
int finishNotes(std::ostream& err, const DecisionResult& result, const DecisionSettings& settings, int stoppedStatus) {
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

DecideRun readDecideRun(const std::vector<std::string>& args, const std::string& command, std::ostream& err) {
    bool comparePatterns = false;
    DecideRequest request = parse(args, comparePatterns);
    DecideRun run{InMemoryInputs(request.common.locale),
                  request.settings,
                  request.common.format,
                  request.common.unit,
                  Beliefs{},
                  comparePatterns};
    if (!takeCommandInputs(request.common, Intake::TakenIn, command, run.inputs, err)) {
        throw InputsRefused(t::kStrictRefused);
    }
    // Most-likely values are checked against the Low and High as taken in,
    // before the repair that the analysis reads the ranges after.
    run.beliefs = commandBeliefs(request.common, run.inputs);
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
    const DecisionSettings& settings = run->settings;
    const DecisionAlternative alternative{RunInputs(inputs), run->beliefs, settings.pattern, ""};

    if (run->comparePatterns) {
        DecisionAlternative other = alternative;
        other.pattern =
            alternative.pattern == CorridorPattern::Parallel ? CorridorPattern::FanShaped : CorridorPattern::Parallel;
        ComparisonResult comparison;
        const int stoppedStatus =
            runStoppable(err, surroundings, [&](const std::atomic<bool>* stop, const DecisionProgressFn& progress) {
                comparison = runComparison(alternative, other, settings, stop, progress);
            });
        printComparison(out, run->format, comparison, settings.seed, settings);
        return finishNotes(err, comparison.a, settings, stoppedStatus);
    }
    DecisionResult result;
    const int stoppedStatus =
        runStoppable(err, surroundings, [&](const std::atomic<bool>* stop, const DecisionProgressFn& progress) {
            result = runDecisionAnalysis(alternative, settings, stop, progress);
        });
    switch (run->format) {
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
    surroundings.showProgress = ProgressLine::drawsOn(err);
    return runDecide(args, out, err, surroundings);
}

std::string decideHelp() {
    DecideRequest unused;
    bool comparePatterns = false;
    return decideCommandLine(unused, comparePatterns)->help();
}

}  // namespace quorvale::cli
