#include "cli/SweepCommand.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include <fmt/format.h>

#include "base/CsvWriter.h"
#include "inputs/NumberText.h"
#include "model/RangeSweep.h"
#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
#include "cli/TextTable.h"

namespace quorvale::cli {
namespace {

struct ResultColumn {
    const char* name;  // the YardingResult field
    double YardingResult::*field;
    const char* heading;
    const char* unit;
    int decimals;
};

constexpr std::array<ResultColumn, 21> kColumns{{
    {"eyd", &YardingResult::eyd, "EYD", "ft", 0},
    {"landingSpacing", &YardingResult::landingSpacing, "Spacing", "ft", 1},
    {"lyd", &YardingResult::lyd, "LYD", "ft", 1},
    {"alyd", &YardingResult::alyd, "ALYD", "ft", 1},
    {"ayd", &YardingResult::ayd, "AYD", "ft", 1},
    {"aeyd", &YardingResult::aeyd, "AEYD", "ft", 1},
    {"corridorsPerLanding", &YardingResult::corridorsPerLanding, "Corr/Land", "", 2},
    {"landingsPerUnit", &YardingResult::landingsPerUnit, "Landings", "/unit", 2},
    {"corridorsPerUnit", &YardingResult::corridorsPerUnit, "Corridors", "/unit", 2},
    {"rigTimePerLanding", &YardingResult::rigTimePerLanding, "Rig/Land", "h", 2},
    {"rigTimeTotal", &YardingResult::rigTimeTotal, "Rig total", "h", 1},
    {"roadDensity", &YardingResult::roadDensity, "Road dens", "mi/sec", 2},
    {"cycleTime", &YardingResult::cycleTime, "Cycle", "min/turn", 2},
    {"totalDays", &YardingResult::totalDays, "Days", "8.5 h", 1},
    {"unitVolume", &YardingResult::unitVolume, "Volume", "mbf", 0},
    {"mbfPerDay", &YardingResult::mbfPerDay, "Prod", "mbf/day", 2},
    {"tonsPerDay", &YardingResult::tonsPerDay, "Prod", "tons/day", 1},
    {"loadsPerDay", &YardingResult::loadsPerDay, "Prod", "loads/day", 2},
    {"loggingCost", &YardingResult::loggingCost, "Logging", "$/mbf", 2},
    {"roadCost", &YardingResult::roadCost, "Road", "$/mbf", 2},
    {"totalCost", &YardingResult::totalCost, "Total", "$/mbf", 2},
}};

struct InputField {
    const char* name;
    double ModelInputs::*field;
};

constexpr std::array<InputField, 15> kInputFields{{
    {"harvestVolume", &ModelInputs::harvestVolume},
    {"turnVolume", &ModelInputs::turnVolume},
    {"unitSize", &ModelInputs::unitSize},
    {"roadDensityFactor", &ModelInputs::roadDensityFactor},
    {"maxEyd", &ModelInputs::maxEyd},
    {"operatorCost", &ModelInputs::operatorCost},
    {"externalSpeed", &ModelInputs::externalSpeed},
    {"fixedTime", &ModelInputs::fixedTime},
    {"lateralSpeed", &ModelInputs::lateralSpeed},
    {"productionDelay", &ModelInputs::productionDelay},
    {"fixedLandingTime", &ModelInputs::fixedLandingTime},
    {"variableTime", &ModelInputs::variableTime},
    {"fixedCorridorTime", &ModelInputs::fixedCorridorTime},
    {"multipleCorridorCorrection", &ModelInputs::multipleCorridorCorrection},
    {"roadCostPerStation", &ModelInputs::roadCostPerStation},
}};

// Collects the rows of a sweep.
class RowCollector final : public SweepSink {
public:
    void prepare(int) override {}
    void writeStep(int step, const YardingResult& result) override { rows.emplace_back(step, result); }
    std::vector<std::pair<int, YardingResult>> rows;
};

// The table's columns when --columns is not given: what a reader compares
// along the EYD, narrow enough for a terminal.
constexpr std::array<const char*, 8> kDefaultColumns{"eyd",       "landingSpacing", "cycleTime", "totalDays",
                                                     "mbfPerDay", "loggingCost",    "roadCost",  "totalCost"};

struct SweepRequest {
    CommonOptions common;
    RangeCase rangeCase = RangeCase::Low;
    // Indexes into kColumns, in the order given; unset for the default set.
    std::optional<std::vector<size_t>> columns;
};

std::string columnNames() {
    std::string names;
    for (const ResultColumn& c : kColumns) {
        names += (names.empty() ? "" : ",") + std::string(c.name);
    }
    return names;
}

size_t columnIndex(std::string_view name) {
    for (size_t i = 0; i < kColumns.size(); ++i) {
        if (name == kColumns[i].name) {
            return i;
        }
    }
    throw UsageError(fmt::format("option --columns: unknown column '{}' (use all or some of {})", name,
                                 columnNames()));
}

// NAME,NAME,... or "all".
std::vector<size_t> parseColumns(const std::string& value) {
    std::vector<size_t> columns;
    if (value == "all") {
        for (size_t i = 0; i < kColumns.size(); ++i) {
            columns.push_back(i);
        }
        return columns;
    }
    size_t start = 0;
    while (start <= value.size()) {
        const size_t comma = std::min(value.find(',', start), value.size());
        columns.push_back(columnIndex(std::string_view(value).substr(start, comma - start)));
        start = comma + 1;
    }
    return columns;
}

std::string defaultColumnNames() {
    std::string names;
    for (const char* name : kDefaultColumns) {
        names += (names.empty() ? "" : ",") + std::string(name);
    }
    return names;
}

std::unique_ptr<CommandLine> sweepCommandLine() {
    auto line = std::make_unique<CommandLine>(
        "sweep",
        "Evaluates the yarding cost model at every whole station of EYD from 1 up to\n"
        "the EYD of the chosen case, as the static charts of the desktop program do.");
    line->addOption("--case", "low|average|high", "which values of the variables (default: low)");
    line->addOption("--columns", "NAME,...|all",
                    "the table's columns, by their CSV names (default: " + defaultColumnNames() +
                        "); csv and json always hold every column");
    line->addPatternOption();
    line->addFormatOption();
    line->addVariableOptions();
    return line;
}

SweepRequest parse(const std::vector<std::string>& args) {
    SweepRequest request;
    const auto line = sweepCommandLine();
    line->parse(args);
    for (const auto& [option, value] : line->given()) {
        if (readCommonOption(option, value, request.common)) {
            continue;
        }
        if (option == "--columns") {
            request.columns = parseColumns(value);
        } else if (value == "low") {
            request.rangeCase = RangeCase::Low;
        } else if (value == "average") {
            request.rangeCase = RangeCase::Average;
        } else if (value == "high") {
            request.rangeCase = RangeCase::High;
        } else {
            throw UsageError("option --case: unknown case '" + value + "' (use low, average or high)");
        }
    }
    if (request.columns && request.common.format != OutputFormat::Table) {
        throw UsageError("option --columns: only the table takes a choice of columns (csv and json hold them all)");
    }
    return request;
}

GraphMarks marksFor(RangeCase rangeCase) {
    GraphMarks marks;
    marks.low = rangeCase == RangeCase::Low;
    marks.average = rangeCase == RangeCase::Average;
    marks.high = rangeCase == RangeCase::High;
    return marks;
}

void printJson(std::ostream& out, const SweepRequest& request, InMemoryInputs& inputs,
               const SweepOutcome& outcome, const RowCollector& rows) {
    Json entries = Json::array();
    for (int i = 0; i < kEntryCount; ++i) {
        entries.push_back(inputs.entryText(i));
    }
    Json usedInputs = Json::object();
    for (const InputField& f : kInputFields) {
        usedInputs[f.name] = outcome.inputs.*f.field;
    }
    usedInputs["pattern"] = patternName(outcome.inputs.pattern);
    Json rowList = Json::array();
    for (const auto& [step, result] : rows.rows) {
        Json row = {{"step", step}};
        for (const ResultColumn& c : kColumns) {
            row[c.name] = result.*c.field;
        }
        rowList.push_back(std::move(row));
    }
    Json document = {{"case", rangeCaseName(outcome.rangeCase)},
                     {"pattern", patternName(request.common.pattern)},
                     {"steps", outcome.steps},
                     {"entries", std::move(entries)},
                     {"inputs", std::move(usedInputs)},
                     {"rows", std::move(rowList)},
                     {"failedStep", outcome.failedStep ? Json(*outcome.failedStep) : Json(nullptr)}};
    writeJson(out, document);
}

void printCsv(std::ostream& out, const RowCollector& rows) {
    CsvWriter csv(out);
    csv.text("step");
    for (const ResultColumn& c : kColumns) {
        csv.text(c.name);
    }
    csv.endRow();
    for (const auto& [step, result] : rows.rows) {
        csv.integer(step);
        for (const ResultColumn& c : kColumns) {
            csv.number(result.*c.field);
        }
        csv.endRow();
    }
}

void printTable(std::ostream& out, const SweepRequest& request, const SweepOutcome& outcome,
                const RowCollector& rows) {
    out << "Static analysis, " << rangeCaseName(outcome.rangeCase) << " range, "
        << patternCaption(request.common.pattern) << ", " << outcome.steps << " steps\n\n";
    std::vector<size_t> columns;
    if (request.columns) {
        columns = *request.columns;
    } else {
        for (const char* name : kDefaultColumns) {
            columns.push_back(columnIndex(name));
        }
    }
    TextTable table;
    table.addColumn("Step", "stat");
    for (size_t i : columns) {
        table.addColumn(kColumns[i].heading, kColumns[i].unit);
    }
    // The lowest total cost; among equal costs the longer EYD, as the
    // simulation chooses its optimum.
    const YardingResult* lowest = nullptr;
    int lowestStep = 0;
    for (const auto& [step, result] : rows.rows) {
        std::vector<std::string> cells{std::to_string(step)};
        for (size_t i : columns) {
            cells.push_back(fixedDecimal(result.*kColumns[i].field, kColumns[i].decimals));
        }
        table.addRow(std::move(cells));
        if (lowest == nullptr || result.totalCost <= lowest->totalCost) {
            lowest = &result;
            lowestStep = step;
        }
    }
    table.print(out);
    out << '\n';
    if (lowest != nullptr) {
        out << "Lowest total cost: " << fixedDecimal(lowest->totalCost, 2) << " $/mbf at EYD "
            << fixedDecimal(lowest->eyd, 0) << " ft (step " << lowestStep << ")\n";
    } else {
        out << "Lowest total cost: none (no step was computed)\n";
    }
}

}  // namespace

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SweepRequest request;
    try {
        request = parse(args);
    } catch (const UsageError& e) {
        err << "quorvale-cli sweep: " << e.what() << '\n';
        return e.status();
    }
    printWarnings(request.common, "sweep", err);

    InMemoryInputs inputs(environmentLocale());
    applyEntries(request.common, inputs);
    warnLowAboveHigh(inputs, "sweep", err);
    RowCollector rows;
    const SweepOutcome outcome = graph_itmain(inputs, marksFor(request.rangeCase), rows);
    // The Variables window reformats its fields after every analysis.
    formatEntries(inputs);

    switch (request.common.format) {
        case OutputFormat::Json:
            printJson(out, request, inputs, outcome, rows);
            break;
        case OutputFormat::Csv:
            printCsv(out, rows);
            break;
        case OutputFormat::Table:
            printTable(out, request, outcome, rows);
            break;
    }
    if (outcome.inputs.maxEyd / 100 >= kMaxSteps + 1) {
        err << "quorvale-cli sweep: note: the EYD is limited to " << kMaxSteps << " stations\n";
    }
    if (outcome.failedStep) {
        err << "quorvale-cli sweep: step " << *outcome.failedStep << " (EYD " << *outcome.failedStep
            << " stations) gave a figure that is not a finite number; the sweep stopped there. "
            << "Check the inputs for extreme values.\n";
        return 1;
    }
    return 0;
}

std::string sweepHelp() { return sweepCommandLine()->help(); }

}  // namespace quorvale::cli
