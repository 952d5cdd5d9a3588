#include "cli/SweepCommand.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <variant>

#include <fmt/format.h>

#include "base/CsvWriter.h"
#include "base/Texts.h"
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

namespace t = texts::cli;

constexpr std::array<ResultColumn, 21> kColumns{{
    {"eyd", &YardingResult::eyd, t::kEyd, t::kFeet, 0},
    {"landingSpacing", &YardingResult::landingSpacing, t::kSpacing, t::kFeet, 1},
    {"lyd", &YardingResult::lyd, t::kLyd, t::kFeet, 1},
    {"alyd", &YardingResult::alyd, t::kAlyd, t::kFeet, 1},
    {"ayd", &YardingResult::ayd, t::kAyd, t::kFeet, 1},
    {"aeyd", &YardingResult::aeyd, t::kAeyd, t::kFeet, 1},
    {"corridorsPerLanding", &YardingResult::corridorsPerLanding, t::kCorridorsPerLanding, "", 2},
    {"landingsPerUnit", &YardingResult::landingsPerUnit, t::kLandings, t::kPerUnit, 2},
    {"corridorsPerUnit", &YardingResult::corridorsPerUnit, t::kCorridors, t::kPerUnit, 2},
    {"rigTimePerLanding", &YardingResult::rigTimePerLanding, t::kRigPerLanding, t::kHours, 2},
    {"rigTimeTotal", &YardingResult::rigTimeTotal, t::kRigTotal, t::kHours, 1},
    {"roadDensity", &YardingResult::roadDensity, t::kRoadDensity, t::kMilesPerSection, 2},
    {"cycleTime", &YardingResult::cycleTime, t::kCycle, t::kMinutesPerTurn, 2},
    {"totalDays", &YardingResult::totalDays, t::kDays, t::kWorkDays, 1},
    {"unitVolume", &YardingResult::unitVolume, t::kVolume, t::kMbf, 0},
    {"mbfPerDay", &YardingResult::mbfPerDay, t::kProduction, t::kMbfPerDay, 2},
    {"tonsPerDay", &YardingResult::tonsPerDay, t::kProduction, t::kTonsPerDay, 1},
    {"loadsPerDay", &YardingResult::loadsPerDay, t::kProduction, t::kLoadsPerDay, 2},
    {"loggingCost", &YardingResult::loggingCost, t::kLogging, t::kCost, 2},
    {"roadCost", &YardingResult::roadCost, t::kRoad, t::kCost, 2},
    {"totalCost", &YardingResult::totalCost, t::kTotal, t::kCost, 2},
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

std::optional<size_t> columnIndex(std::string_view name) {
    for (size_t i = 0; i < kColumns.size(); ++i) {
        if (name == kColumns[i].name) {
            return i;
        }
    }
    return std::nullopt;
}

// NAME,NAME,... or "all": the columns, or the first name that is none.
std::variant<std::vector<size_t>, std::string_view> readColumns(std::string_view value) {
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
        const std::string_view name = value.substr(start, comma - start);
        const auto index = columnIndex(name);
        if (!index) {
            return name;
        }
        columns.push_back(*index);
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

std::unique_ptr<CommandLine> sweepCommandLine(SweepRequest& request) {
    auto line = std::make_unique<CommandLine>("sweep", t::kSweepSynopsis);
    line->addChoiceOption("--case", "low|average|high", t::kCaseOption,
                          {{"low", RangeCase::Low}, {"average", RangeCase::Average}, {"high", RangeCase::High}},
                          t::kUnknownCase, request.rangeCase);
    line->addOption(
        "--columns", "NAME,...|all", fmt::format(t::kColumnsOption, defaultColumnNames()),
        [&request](const std::string& value) { request.columns = std::get<0>(readColumns(value)); },
        [](const std::string& value) {
            const auto columns = readColumns(value);
            return columns.index() == 0 ? std::string()
                                        : fmt::format(t::kUnknownColumn, std::get<1>(columns), columnNames());
        });
    line->addPatternOption(request.common);
    line->addFormatOption(request.common);
    line->addVariableOptions(request.common);
    return line;
}

SweepRequest parse(const std::vector<std::string>& args) {
    SweepRequest request;
    sweepCommandLine(request)->parse(args);
    if (request.columns && request.common.format != OutputFormat::Table) {
        throw UsageError(t::kColumnsNotTable);
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

void printJson(std::ostream& out, const SweepRequest& request, InMemoryInputs& inputs, const SweepOutcome& outcome,
               const RowCollector& rows) {
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

void printTable(std::ostream& out, const SweepRequest& request, const SweepOutcome& outcome, const RowCollector& rows) {
    out << fmt::format(t::kSweepHeading, rangeCaseName(outcome.rangeCase), patternCaption(request.common.pattern),
                       outcome.steps)
        << "\n\n";
    std::vector<size_t> columns;
    if (request.columns) {
        columns = *request.columns;
    } else {
        for (const char* name : kDefaultColumns) {
            columns.push_back(*columnIndex(name));
        }
    }
    TextTable table;
    table.addColumn(t::kStep, t::kStations);
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
        out << fmt::format(t::kLowestCost, fixedDecimal(lowest->totalCost, 2), fixedDecimal(lowest->eyd, 0), lowestStep)
            << '\n';
    } else {
        out << t::kNoLowestCost << '\n';
    }
}

}  // namespace

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SweepRequest request;
    InMemoryInputs inputs;
    const auto intake = [](const SweepRequest& r) {
        return r.rangeCase == RangeCase::Low ? Intake::FirstLowSweep : Intake::TakenIn;
    };
    if (const auto status = startCommand(
            "sweep", [&] { return parse(args); }, request, inputs, err, intake)) {
        return *status;
    }
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
        err << fmt::format(t::kCommandNote, "sweep", fmt::format(t::kEydLimited, kMaxSteps)) << '\n';
    }
    if (outcome.failedStep) {
        err << fmt::format(t::kCommandError, "sweep",
                           fmt::format(t::kSweepNotFinite, *outcome.failedStep, *outcome.failedStep))
            << '\n';
        return 1;
    }
    return 0;
}

std::string sweepHelp() {
    SweepRequest unused;
    return sweepCommandLine(unused)->help();
}

}  // namespace quorvale::cli
