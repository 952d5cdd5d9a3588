#include "cli/BatchUnitRun.h"

#include <fmt/format.h>

#include <cctype>
#include <sstream>

#include "base/CsvWriter.h"
#include "base/Texts.h"
#include "cli/DecideCommand.h"
#include "cli/DecideOutput.h"
#include "cli/UnitCommand.h"
#include "decision/DecisionAnalysis.h"

namespace quorvale::cli {
namespace {

namespace t = texts::batch;

// A CSV column: its heading and where its value stands in the row's JSON.
struct Column {
    std::string heading;
    std::string pointer;
};

// The headings join the steps of the JSON path ("bandFromEyd" for
// /band/fromEyd), the plan terms' too ("planBandToRoadLength" for
// /plan/bandTo/roadLength), in the order of decide's JSON.
const std::vector<Column>& columns() {
    static const std::vector<Column> all = [] {
        std::vector<Column> c = {
            {"name", "/name"},
            {"pattern", "/pattern"},
            {"seed", "/seed"},
            {"scenarios", "/scenarios"},
            {"status", "/status"},
            {"recommendedEyd", "/recommended/eyd"},
            {"meanCost", "/recommended/meanCost"},
            {"bandTolerance", "/band/tolerance"},
            {"bandFromEyd", "/band/fromEyd"},
            {"bandToEyd", "/band/toEyd"},
            {"pOptimal", "/pOptimal"},
            {"evpi", "/evpi"},
            {"topDriver", "/topDriver"},
            {"worthMeasuring", "/worthMeasuring/variable"},
        };
        const auto capital = [](std::string word) {
            word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
            return word;
        };
        for (const char* point : {"recommended", "bandFrom", "bandTo"}) {
            for (const char* figure : {"step", "eyd", "roadSpacing", "roadLength", "landings", "corridors", "volume",
                                       "meanCost", "totalDollars"}) {
                c.push_back({"plan" + capital(point) + capital(figure), fmt::format("/plan/{}/{}", point, figure)});
            }
        }
        c.push_back({"planEvpiDollars", "/plan/evpiDollars"});
        return c;
    }();
    return all;
}

// decide's arguments for the unit, before the options every unit shares.
std::vector<std::string> unitArgs(const BatchUnit& unit) {
    if (!unit.file.empty()) {
        return {"--unit", unit.file};
    }
    std::vector<std::string> args;
    if (!unit.pattern.empty()) {
        if (unit.pattern != "parallel" && unit.pattern != "fan") {
            throw UsageError(fmt::format(t::kUnknownPatternCell, unit.pattern));
        }
        args = {"--pattern", unit.pattern};
    }
    if (!unit.shape.empty()) {
        if (!shapeFromKey(unit.shape)) {
            throw UsageError(fmt::format(t::kUnknownShapeCell, unit.shape));
        }
        args.insert(args.end(), {"--shape", unit.shape});
    }
    for (const auto& [option, text] : unit.cells) {
        args.push_back("--" + option);
        args.push_back(text);
    }
    return args;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

}  // namespace

BatchRow runBatchUnit(const BatchUnit& unit, const BatchSettings& settings, const std::atomic<bool>* stop,
                      const BatchRowFinish& finish) {
    BatchRow row;
    row.index = unit.index;
    row.name = unit.file.empty() ? unit.name : BatchInput::fileStem(unit.file);
    row.seed = unitSeed(settings.seed, row.name);
    if (!unit.error.empty()) {
        row.error = unit.error;
        if (finish) {
            finish(row, nullptr);
        }
        return row;
    }
    std::ostringstream said;
    try {
        std::vector<std::string> args = unitArgs(unit);
        args.insert(args.end(), settings.decideArgs.begin(), settings.decideArgs.end());
        DecideRun run = readDecideRun(args, fmt::format("batch: {}", row.name), said);
        if (run.unit && !run.unit->name.empty()) {
            row.name = run.unit->name;
            row.seed = unitSeed(settings.seed, row.name);
        }
        row.pattern = patternName(run.settings.pattern);
        run.settings.seed = row.seed;
        run.settings.threads = 1;
        row.result = runDecisionAnalysis(
            DecisionAlternative{RunInputs(run.inputs), run.beliefs, run.settings.pattern, ""}, run.settings, stop);
        row.stopped = row.result->stopped;
        if (row.result->recommendedStep == 0 && !row.stopped) {
            row.error = t::kNoFiniteCost;
        }
        if (finish && !row.stopped) {
            finish(row, row.error.empty() ? &run.inputs : nullptr);
        }
    } catch (const UsageError& e) {
        row.error = e.what();
        if (finish) {
            finish(row, nullptr);
        }
    }
    row.notes = lines(said.str());
    return row;
}

Json batchRowJson(const BatchRow& row, InputVariables* inputs) {
    Json json = {{"name", row.name},
                 {"pattern", row.pattern.empty() ? Json(nullptr) : Json(row.pattern)},
                 {"seed", row.seed},
                 {"scenarios", row.result ? row.result->scenarios : 0},
                 {"status", row.error.empty() ? std::string(t::kStatusOk) : row.error},
                 {"recommended", nullptr},
                 {"band", nullptr},
                 {"evpi", nullptr},
                 {"pOptimal", nullptr},
                 {"topDriver", nullptr},
                 {"worthMeasuring", nullptr},
                 {"plan", nullptr}};
    if (!row.result || inputs == nullptr || !row.error.empty()) {
        return json;
    }
    const DecisionResult& r = *row.result;
    Json document = decisionDocument(*inputs, r);
    for (const char* key : {"recommended", "band", "evpi"}) {
        json[key] = document[key];
    }
    json["pOptimal"] = document["rows"][static_cast<std::size_t>(r.recommendedStep - 1)]["pOptimal"];
    for (const TornadoBar& bar : r.tornado.bars) {
        if (bar.complete()) {
            json["topDriver"] = bar.variable;
            break;
        }
    }
    json["plan"] = document["plan"];
    // The variable of the largest EVPPI; none when knowing no input exactly
    // would change the decision.
    const Json& voi = document["voi"];
    if (!voi.empty() && voi[0]["evppi"].is_number() && voi[0]["evppi"].get<double>() > 0) {
        json["worthMeasuring"] = voi[0];
    }
    return json;
}

UnitReadResult batchRowUnit(const BatchUnit& unit) {
    UnitReadResult read;
    std::ostringstream out, err;
    try {
        std::vector<std::string> args = {"--name", unit.name};
        const std::vector<std::string> cells = unitArgs(unit);
        args.insert(args.end(), cells.begin(), cells.end());
        if (runUnitCommand(args, out, err) == 0) {
            return readUnitDocument(unit.name, out.str());
        }
        read.error = lines(err.str()).empty() ? std::string() : lines(err.str()).back();
    } catch (const UsageError& e) {
        read.error = e.what();
    }
    return read;
}

void writeBatchCsvHeader(std::ostream& out) {
    CsvWriter csv(out);
    for (const Column& column : columns()) {
        csv.text(column.heading);
    }
    csv.endRow();
}

void writeBatchCsvRow(std::ostream& out, const Json& row) {
    CsvWriter csv(out);
    for (const Column& column : columns()) {
        const Json::json_pointer pointer(column.pointer);
        if (!row.contains(pointer)) {
            csv.text("");
            continue;
        }
        const Json& value = row.at(pointer);
        if (value.is_number_unsigned()) {
            csv.integer(value.get<std::uint64_t>());
        } else if (value.is_number_integer()) {
            csv.integer(value.get<long long>());
        } else if (value.is_number()) {
            csv.number(value.get<double>());
        } else if (value.is_string()) {
            csv.text(value.get<std::string>());
        } else {
            csv.text("");
        }
    }
    csv.endRow();
}

}  // namespace quorvale::cli
