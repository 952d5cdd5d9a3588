#include "cli/UnitCommand.h"

#include <fmt/format.h>

#include "base/Texts.h"
#include "cli/BeliefOptions.h"
#include "cli/CommandLine.h"
#include "units/UnitDocument.h"

namespace quorvale::cli {
namespace {

// The unit's own texts: its name and notes, and the Simulator target.
struct UnitTexts {
    std::string name;
    std::string notes;
    std::string target = texts::simulator::kDefaultTarget;
};

struct UnitRequest {
    CommonOptions common;
    UnitTexts texts;
};

std::unique_ptr<CommandLine> unitCommandLine(UnitRequest& request) {
    auto line = std::make_unique<CommandLine>("unit", texts::cli::kUnitSynopsis);
    UnitTexts& unit = request.texts;
    line->addOption(
        "--name", "TEXT", texts::cli::kNameOption, [&unit](const std::string& name) { unit.name = name; },
        [](const std::string& name) {
            return name.size() > kUnitNameLimit ? fmt::format(texts::cli::kNameTooLong, kUnitNameLimit) : std::string();
        });
    line->addPositiveOption("--target", "HALF_WIDTH", texts::cli::kUnitTargetOption,
                            [&unit](double target) { unit.target = fixedNumberText(target); });
    line->addPatternOption(request.common);
    // A unit file brings its own texts, where it stands among the options.
    const CommonOptions& common = request.common;
    line->addVariableOptions(request.common, [&unit, &common] {
        unit = {common.unit->name, common.unit->notes, common.unit->target};
    });
    addBeliefOptions(*line, request.common);
    return line;
}

UnitRequest parse(const std::vector<std::string>& args) {
    UnitRequest request;
    request.common.takesBeliefs = true;
    unitCommandLine(request)->parse(args);
    return request;
}

}  // namespace

int runUnitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The unit the Variables window would save once it has taken these
    // inputs in: the values it reads, in the fixed form.
    UnitRequest request;
    InMemoryInputs inputs;
    if (const auto status = startCommand(
            "unit", [&] { return parse(args); }, request, inputs, err)) {
        return *status;
    }
    const UnitTexts& texts = request.texts;
    UnitDocument unit = unitFromInputs(inputs, texts.target);
    try {
        unit.beliefs = commandBeliefs(request.common, inputs);
    } catch (const UsageError& e) {
        return sayUsageError("unit", e, err);
    }
    unit.name = texts.name;
    unit.notes = texts.notes;
    // Invalid UTF-8 in a text becomes U+FFFD as the document is written.
    out << writeUnitDocument(unit);
    return 0;
}

std::string unitHelp() {
    UnitRequest unused;
    return unitCommandLine(unused)->help();
}

}  // namespace quorvale::cli
