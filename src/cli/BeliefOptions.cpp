#include "cli/BeliefOptions.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <variant>

#include "base/Texts.h"
#include "decision/ScenarioDraw.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

// A variable by its option name, with or without the dashes; -1 if none.
int variableByOption(std::string_view name) {
    if (name.rfind("--", 0) == 0) {
        name.remove_prefix(2);
    }
    for (int k = 0; k < kVariableCount; ++k) {
        if (name == variableRule(k).option) {
            return k;
        }
    }
    return -1;
}

// A linked pair as --correlate takes it, or what is wrong with the text.
std::variant<RankCorrelation, std::string> readCorrelation(const std::string& value) {
    const auto equals = value.find('=');
    const auto colon = value.find(':');
    if (equals == std::string::npos || colon == std::string::npos || colon > equals) {
        return fmt::format(t::kNotCorrelation, value);
    }
    const std::string first = value.substr(0, colon);
    const std::string second = value.substr(colon + 1, equals - colon - 1);
    const int a = variableByOption(first);
    const int b = variableByOption(second);
    for (const auto& [variable, name] : {std::pair{a, first}, std::pair{b, second}}) {
        if (variable < 0) {
            return fmt::format(t::kCorrelateUnknown, name);
        }
        if (!isDrawnVariable(variable)) {
            return fmt::format(t::kCorrelateNotDrawn, name);
        }
    }
    if (a == b) {
        return fmt::format(t::kCorrelateSelf, value);
    }
    const std::string text = value.substr(equals + 1);
    double rho = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, rho);
    if (text.empty() || ec != std::errc{} || ptr != end || !(rho > -1 && rho < 1)) {
        return fmt::format(t::kNotRho, value);
    }
    return RankCorrelation{a, b, rho};
}

// Links the pair, or sets its rank correlation anew when it is linked:
// given again, the later one holds.
void link(const RankCorrelation& pair, CommonOptions& options) {
    const auto same = std::find_if(
        options.correlations.begin(), options.correlations.end(),
        [&](const RankCorrelation& c) { return (c.a == pair.a && c.b == pair.b) || (c.a == pair.b && c.b == pair.a); });
    if (same != options.correlations.end()) {
        same->rho = pair.rho;
    } else {
        options.correlations.push_back(pair);
    }
}

}  // namespace

void addBeliefOptions(CommandLine& line, CommonOptions& options) {
    line.addOption(
        "--shape", "triangular|pert", t::kShapeOption,
        [&options](const std::string& value) { options.shape = shapeFromKey(value); },
        [](const std::string& value) {
            return shapeFromKey(value) ? std::string() : fmt::format(t::kUnknownShape, value);
        });
    line.addOption(
        "--correlate", "A:B=RHO", t::kCorrelateOption,
        [&options](const std::string& value) { link(std::get<RankCorrelation>(readCorrelation(value)), options); },
        [](const std::string& value) {
            const auto pair = readCorrelation(value);
            return std::holds_alternative<std::string>(pair) ? std::get<std::string>(pair) : std::string();
        });
}

Beliefs commandBeliefs(const CommonOptions& options, InputVariables& inputs) {
    Beliefs beliefs;
    for (int k = 0; k < kVariableCount; ++k) {
        const auto& given = options.modes[static_cast<size_t>(k)];
        if (!given) {
            continue;
        }
        double mode = given->value;
        if (given->fromOption) {
            const ValueReading read = inputs.valueRule().readEntry(given->text, 0);
            if (!read.exact || read.repaired) {
                throw UsageError(fmt::format(t::kModeNotNumber, given->source, given->text));
            }
            mode = read.value;
        }
        const double low = inputs.value(lowEntry(k));
        const double high = inputs.value(highEntry(k));
        if (mode < std::min(low, high) || mode > std::max(low, high)) {
            throw UsageError(
                fmt::format(t::kModeOutside, given->source, plainDecimal(mode), plainDecimal(low), plainDecimal(high)));
        }
        const BeliefShape shape = options.shape.value_or(given->shape.value_or(BeliefShape::Triangular));
        beliefs.variables[static_cast<size_t>(k)] = {mode, shape};
    }
    beliefs.correlations = options.correlations;
    const GaussianCopula copula(ScenarioDraw::copulaPairs(beliefs));
    if (!copula.valid()) {
        std::string pairs;
        for (const GaussianCopula::Pair& p : copula.notPositiveDefinite()) {
            pairs += (pairs.empty() ? "" : ", ") +
                     correlationText({RunInputs::drawnVariable(p.a), RunInputs::drawnVariable(p.b), p.rho});
        }
        throw UsageError(fmt::format(t::kNotPositiveDefinite, pairs));
    }
    return beliefs;
}

std::string correlationText(const RankCorrelation& pair) {
    return fmt::format("{}:{}={}", variableRule(pair.a).option, variableRule(pair.b).option, shortestDecimal(pair.rho));
}

}  // namespace quorvale::cli
