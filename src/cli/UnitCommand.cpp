#include "cli/UnitCommand.h"

#include <fmt/format.h>

#include "base/Texts.h"
#include "cli/BeliefOptions.h"
#include "cli/CommandLine.h"
#include "units/UnitDocument.h"

namespace quorvale::cli {
namespace {

std::unique_ptr<CommandLine> unitCommandLine() {
    auto line = std::make_unique<CommandLine>("unit", texts::cli::kUnitSynopsis);
    line->addOption("--name", "TEXT", texts::cli::kNameOption);
    line->addOption("--target", "HALF_WIDTH", texts::cli::kUnitTargetOption);
    line->addPatternOption();
    line->addVariableOptions();
    addBeliefOptions(*line);
    return line;
}

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

UnitRequest parse(const std::vector<std::string>& args) {
    UnitRequest request;
    CommonOptions& common = request.common;
    UnitTexts& unit = request.texts;
    common.takesBeliefs = true;
    const auto line = unitCommandLine();
    line->parse(args);
    for (const auto& [option, value] : line->given()) {
        if (readBeliefOption(option, value, common)) {
            continue;
        }
        if (readCommonOption(option, value, common)) {
            if (option == "--unit") {
                unit = {common.unit->name, common.unit->notes, common.unit->target};
            }
        } else if (option == "--name") {
            if (value.size() > kUnitNameLimit) {
                throw UsageError(fmt::format(texts::cli::kNameTooLong, kUnitNameLimit));
            }
            unit.name = value;
        } else if (option == "--target") {
            unit.target = fixedNumberText(readPositiveNumber(option, value));
        }
    }
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

std::string unitHelp() { return unitCommandLine()->help(); }

}  // namespace quorvale::cli
