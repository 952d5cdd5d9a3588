#include "cli/RepeatCommand.h"

#include <fmt/format.h>

#include <algorithm>
#include <optional>

#include "cli/BeliefOptions.h"
#include "cli/CommandLine.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

// The shape every mode that counts shares; none for modes of both shapes
// or no mode at all. A variable whose Low equals its High draws its one
// value whatever its mode says, so its mode does not count.
struct ShapeUse {
    bool any = false;
    bool mixed = false;
    BeliefShape shape = BeliefShape::Triangular;
};

ShapeUse shapeUse(const Beliefs& beliefs, InputVariables& read) {
    ShapeUse use;
    for (int k = 0; k < kVariableCount; ++k) {
        const VariableBelief& b = beliefs.variables[static_cast<std::size_t>(k)];
        if (!b.hasMode() || read.value(lowEntry(k)) == read.value(highEntry(k))) {
            continue;
        }
        if (use.any && b.shape != use.shape) {
            use.mixed = true;
        }
        use.any = true;
        use.shape = b.shape;
    }
    return use;
}

std::string runTail(const DecisionResult& result, const RepeatedRun& run) {
    std::string tail;
    if (run.comparedPatterns) {
        tail += " --compare-patterns";
    }
    if (result.bandTolerance != DecisionSettings{}.bandTolerance) {
        tail += fmt::format(" --band {}", plainDecimal(roundHalfEven(result.bandTolerance * 100, 6)));
    }
    return tail + fmt::format(" --seed {} --scenarios {}", result.seed, result.scenarios + result.nonFinite);
}

}  // namespace

std::string shellWord(const std::string& word) {
    const bool plain = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("_-./+,:=@%").find(c) != std::string_view::npos;
    });
    if (plain) {
        return word;
    }
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + '\'';
}

std::string decideCommandFor(InputVariables& inputs, const DecisionResult& result, const RepeatedRun& run) {
    const NumberLocale locale = inputs.valueRule().locale();
    InMemoryInputs read(locale);
    for (int entry = 0; entry < kEntryCount; ++entry) {
        read.setEntryText(entry, inputs.entryText(entry));
        read.setSpinValue(entry, inputs.spinValue(entry));
    }
    Repair_Variables(read);
    if (!run.againstFile.empty()) {
        if (run.unitFile.empty()) {
            return {};
        }
        return fmt::format("quorvale-cli compare --unit {} --against {}", shellWord(run.unitFile),
                           shellWord(run.againstFile)) +
               runTail(result, run);
    }
    const ShapeUse shapes = shapeUse(run.beliefs, read);
    if (shapes.mixed) {
        // Only a unit file can give each variable its own shape.
        if (run.unitFile.empty()) {
            return {};
        }
        return fmt::format("quorvale-cli decide --unit {}", shellWord(run.unitFile)) + runTail(result, run);
    }
    InMemoryInputs defaults;
    std::string command = "quorvale-cli decide";
    if (result.pattern != CorridorPattern::Parallel) {
        command += fmt::format(" --pattern {}", patternName(result.pattern));
    }
    for (int k = 0; k < kVariableCount; ++k) {
        const double low = read.value(lowEntry(k));
        const double high = read.value(highEntry(k));
        const VariableBelief& belief = run.beliefs.variables[static_cast<std::size_t>(k)];
        const bool mode = belief.hasMode() && high != low;
        if (!mode && low == defaults.value(lowEntry(k)) && high == defaults.value(highEntry(k))) {
            continue;
        }
        // The command line reads its numbers in the user's locale, as the
        // window does.
        command += fmt::format(" --{} {}", variableRule(k).option, shortestDecimal(low, locale));
        if (mode) {
            command += ':' + shortestDecimal(belief.mode, locale);
        }
        if (high != low) {
            command += ':' + shortestDecimal(high, locale);
        }
    }
    if (shapes.any && shapes.shape != BeliefShape::Triangular) {
        command += fmt::format(" --shape {}", shapeKey(shapes.shape));
    }
    for (const RankCorrelation& pair : run.beliefs.correlations) {
        command += " --correlate " + correlationText(pair);
    }
    return command + runTail(result, run);
}

}  // namespace quorvale::cli
