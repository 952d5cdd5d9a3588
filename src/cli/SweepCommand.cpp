#include "cli/SweepCommand.h"

#include <array>
#include <sstream>

#include "inputs/NumberText.h"
#include "model/RangeSweep.h"
#include "cli/CliArguments.h"
#include "cli/JsonWriter.h"
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

struct SweepRequest {
    CommonOptions common;
    RangeCase rangeCase = RangeCase::Low;
};

SweepRequest parse(const std::vector<std::string>& args) {
    SweepRequest request;
    ArgReader reader(args);
    while (!reader.atEnd()) {
        const std::string option = reader.nextOption();
        if (readCommonOption(reader, option, request.common)) {
            continue;
        }
        if (option == "--case") {
            const std::string v = reader.value(option);
            if (v == "low") {
                request.rangeCase = RangeCase::Low;
            } else if (v == "average") {
                request.rangeCase = RangeCase::Average;
            } else if (v == "high") {
                request.rangeCase = RangeCase::High;
            } else {
                throw UsageError("option --case: unknown case '" + v + "' (use low, average or high)");
            }
            continue;
        }
        throw UsageError("unknown option " + option + " for sweep (see quorvale-cli sweep --help)");
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
    JsonWriter json(out);
    json.beginObject();
    json.field("case", rangeCaseName(outcome.rangeCase));
    json.field("pattern", patternName(request.common.pattern));
    json.field("steps", outcome.steps);
    json.key("entries");
    json.beginArray();
    for (int i = 0; i < kEntryCount; ++i) {
        json.value(inputs.entryText(i));
    }
    json.endArray();
    json.key("inputs");
    json.beginObject();
    for (const InputField& f : kInputFields) {
        json.field(f.name, outcome.inputs.*f.field);
    }
    json.field("pattern", patternName(outcome.inputs.pattern));
    json.endObject();
    json.key("rows");
    json.beginArray();
    for (const auto& [step, result] : rows.rows) {
        json.beginObject();
        json.field("step", step);
        for (const ResultColumn& c : kColumns) {
            json.field(c.name, result.*c.field);
        }
        json.endObject();
    }
    json.endArray();
    json.key("failedStep");
    if (outcome.failedStep) {
        json.value(*outcome.failedStep);
    } else {
        json.null();
    }
    json.endObject();
}

void printCsv(std::ostream& out, const RowCollector& rows) {
    out << "step";
    for (const ResultColumn& c : kColumns) {
        out << ',' << c.name;
    }
    out << '\n';
    for (const auto& [step, result] : rows.rows) {
        out << step;
        for (const ResultColumn& c : kColumns) {
            out << ',' << roundTripText(result.*c.field);
        }
        out << '\n';
    }
}

void printTable(std::ostream& out, const SweepRequest& request, const SweepOutcome& outcome,
                const RowCollector& rows) {
    out << "Static analysis, " << rangeCaseName(outcome.rangeCase) << " range, "
        << patternCaption(request.common.pattern) << ", " << outcome.steps << " steps\n\n";
    TextTable table;
    table.addColumn("Step", "stat");
    for (const ResultColumn& c : kColumns) {
        table.addColumn(c.heading, c.unit);
    }
    for (const auto& [step, result] : rows.rows) {
        std::vector<std::string> cells{std::to_string(step)};
        for (const ResultColumn& c : kColumns) {
            cells.push_back(fixedDecimal(result.*c.field, c.decimals));
        }
        table.addRow(std::move(cells));
    }
    table.print(out);
}

}  // namespace

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    SweepRequest request;
    try {
        request = parse(args);
    } catch (const UsageError& e) {
        err << "quorvale-cli sweep: " << e.what() << '\n';
        return 2;
    }

    InMemoryInputs inputs(environmentLocale());
    applyEntries(request.common, inputs);
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

std::string sweepHelp() {
    std::ostringstream out;
    out << "Usage: quorvale-cli sweep [--case low|average|high] [--pattern parallel|fan]\n"
        << "                          [--format table|csv|json] [VARIABLE OPTIONS]\n\n"
        << "Evaluates the yarding cost model at every whole station of EYD from 1 up to\n"
        << "the EYD of the chosen case, as the static charts of the desktop program do.\n\n"
        << "  --case low|average|high  which values of the variables (default: low)\n"
        << commonOptionsHelp();
    return out.str();
}

}  // namespace quorvale::cli
