#include "cli/RepeatCommand.h"

#include <fmt/format.h>

#include "cli/CommandLine.h"
#include "inputs/NumberText.h"

namespace quorvale::cli {

std::string decideCommandFor(InputVariables& inputs, const DecisionResult& result) {
    const NumberLocale locale = inputs.valueRule().locale();
    InMemoryInputs read(locale);
    for (int entry = 0; entry < kEntryCount; ++entry) {
        read.setEntryText(entry, inputs.entryText(entry));
        read.setSpinValue(entry, inputs.spinValue(entry));
    }
    Repair_Variables(read);
    InMemoryInputs defaults;
    std::string command = "quorvale-cli decide";
    if (result.pattern != CorridorPattern::Parallel) {
        command += fmt::format(" --pattern {}", patternName(result.pattern));
    }
    for (int k = 0; k < kVariableCount; ++k) {
        const double low = read.value(lowEntry(k));
        const double high = read.value(highEntry(k));
        if (low == defaults.value(lowEntry(k)) && high == defaults.value(highEntry(k))) {
            continue;
        }
        // The command line reads its numbers in the user's locale, as the
        // window does.
        command += fmt::format(" --{} {}", variableRule(k).option, shortestDecimal(low, locale));
        if (high != low) {
            command += ':' + shortestDecimal(high, locale);
        }
    }
    if (result.bandTolerance != DecisionSettings{}.bandTolerance) {
        command += fmt::format(" --band {}", plainDecimal(roundHalfEven(result.bandTolerance * 100, 6)));
    }
    return command + fmt::format(" --seed {} --scenarios {}", result.seed, result.scenarios + result.nonFinite);
}

}  // namespace quorvale::cli
