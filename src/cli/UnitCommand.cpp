#include "cli/UnitCommand.h"

#include <fmt/format.h>

#include "base/Texts.h"
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
    return line;
}

UnitDocument parse(const std::vector<std::string>& args, CommonOptions& common) {
    UnitDocument unit = defaultUnitDocument();
    const auto line = unitCommandLine();
    line->parse(args);
    for (const auto& [option, value] : line->given()) {
        if (readCommonOption(option, value, common)) {
            if (option == "--unit") {
                unit = *common.unit;
            }
        } else if (option == "--name") {
            unit.name = value;
        } else if (option == "--target") {
            readPositiveNumber(option, value);
            unit.target = value;
        }
    }
    // The entries as typed: the document keeps texts, not their readings.
    for (int i = 0; i < kEntryCount; ++i) {
        if (const auto& text = common.entries[static_cast<size_t>(i)]) {
            unit.entryText(i) = *text;
        }
    }
    unit.pattern = common.pattern;
    return unit;
}

}  // namespace

int runUnitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommonOptions common;
    UnitDocument unit;
    try {
        unit = parse(args, common);
    } catch (const UsageError& e) {
        err << fmt::format(texts::cli::kCommandError, "unit", e.what()) << '\n';
        return e.status();
    }
    printWarnings(common, "unit", err);
    // Invalid UTF-8 in a text becomes U+FFFD as the document is written.
    out << writeUnitDocument(unit);
    return 0;
}

std::string unitHelp() { return unitCommandLine()->help(); }

}  // namespace quorvale::cli
