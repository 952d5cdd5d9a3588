#include "cli/CompareCommand.h"

#include <fmt/format.h>

#include <filesystem>

#include "base/Texts.h"
#include "cli/BeliefOptions.h"
#include "cli/ComparisonOutput.h"
#include "cli/ProgressLine.h"
#include "decision/DecisionAnalysis.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

struct CompareRequest {
    DecideRequest run;
    std::string first;
    std::string second;
};

std::unique_ptr<CommandLine> compareCommandLine(CompareRequest& request) {
    auto line = std::make_unique<CommandLine>("compare", t::kCompareSynopsis);
    line->addOption("--unit", "FILE", t::kCompareUnitOption,
                    [&request](const std::string& path) { request.first = path; });
    line->addOption("--against", "FILE", t::kAgainstOption,
                    [&request](const std::string& path) { request.second = path; });
    addDecisionRunOptions(*line, request.run);
    line->addFormatOption(request.run.common);
    return line;
}

CompareRequest parse(const std::vector<std::string>& args) {
    CompareRequest request;
    request.run.settings.voiBins = DecisionSettings::kDefaultVoiBins;
    compareCommandLine(request)->parse(args);
    if (request.first.empty() || request.second.empty()) {
        throw UsageError(t::kCompareNeedsUnits);
    }
    checkDecisionRunOptions(request.run);
    return request;
}

// A unit file as an alternative: its inputs taken in as the Variables
// window would take them, its beliefs, its pattern and its name (the file's
// own name when it has none). False when an entry stops the command
// (--strict); throws UsageError.
bool alternativeFrom(const std::string& path, const CommonOptions& shared, std::ostream& err,
                     std::optional<DecisionAlternative>& alternative) {
    CommonOptions options;
    options.locale = shared.locale;
    options.strict = shared.strict;
    readUnitOption(path, options);
    InMemoryInputs inputs(options.locale);
    if (!takeCommandInputs(options, Intake::TakenIn, "compare", inputs, err)) {
        return false;
    }
    const Beliefs beliefs = commandBeliefs(options, inputs);
    Repair_Variables(inputs);
    std::string name = options.unit->name;
    if (name.empty()) {
        name = std::filesystem::path(path).stem().string();
    }
    alternative.emplace(DecisionAlternative{RunInputs(inputs), beliefs, options.pattern, std::move(name)});
    return true;
}

}  // namespace

int runCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const DecideSurroundings& surroundings) {
    CompareRequest request;
    std::optional<DecisionAlternative> a;
    std::optional<DecisionAlternative> b;
    try {
        request = parse(args);
        if (!alternativeFrom(request.first, request.run.common, err, a) ||
            !alternativeFrom(request.second, request.run.common, err, b)) {
            return 2;
        }
    } catch (const UsageError& e) {
        err << fmt::format(t::kCommandError, "compare", e.what()) << '\n';
        return e.status();
    }
    DecisionSettings& settings = request.run.settings;
    settings.seed = request.run.seed ? *request.run.seed : seedFromClock();
    ComparisonResult result;
    const int stoppedStatus =
        runStoppable(err, surroundings, [&](const std::atomic<bool>* stop, const DecisionProgressFn& progress) {
            result = runComparison(*a, *b, settings, stop, progress);
        });
    printComparison(out, request.run.common.format, result, settings.seed, settings);
    if (result.a.capped) {
        err << fmt::format(t::kCommandNote, "compare", decisionCapNote(settings.maxScenarios)) << '\n';
    }
    if (result.a.nonFinite > 0) {
        err << fmt::format(t::kCommandNote, "compare", fmt::format(t::kScenariosNotFinite, result.a.nonFinite)) << '\n';
    }
    if (result.a.stopped) {
        return stoppedStatus;
    }
    return result.a.scenarios == 0 ? 1 : 0;
}

int runCompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DecideSurroundings surroundings;
    surroundings.showProgress = ProgressLine::drawsOn(err);
    return runCompare(args, out, err, surroundings);
}

std::string compareHelp() {
    CompareRequest unused;
    return compareCommandLine(unused)->help();
}

}  // namespace quorvale::cli
