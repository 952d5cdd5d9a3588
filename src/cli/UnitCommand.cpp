#include "cli/UnitCommand.h"

#include "cli/CommandLine.h"
#include "inputs/UnitDocument.h"

namespace quorvale::cli {
namespace {

std::unique_ptr<CommandLine> unitCommandLine() {
    auto line = std::make_unique<CommandLine>(
        "unit",
        "Writes a unit file (.qvunit) to standard output: the variables as given (the\n"
        "others at their defaults), the pattern, a name and the Simulator's target.\n"
        "With --unit, the file given is the start and later options change it:\n"
        "  quorvale-cli unit --unit north.qvunit --eyd 25:40 > north-long.qvunit");
    line->addOption("--name", "TEXT", "the unit's name (default: none, or the --unit file's)");
    line->addOption("--target", "HALF_WIDTH", "the Simulator's target half-width in $/mbf (default: 5)");
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
        err << "quorvale-cli unit: " << e.what() << '\n';
        return e.status();
    }
    printWarnings(common, "unit", err);
    // Invalid UTF-8 in a text becomes U+FFFD as the document is written.
    out << writeUnitDocument(unit);
    return 0;
}

std::string unitHelp() { return unitCommandLine()->help(); }

}  // namespace quorvale::cli
