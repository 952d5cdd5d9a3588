// quorvale-cli batch: its rows are decide's, whatever the order, threads or
// shards; a bad unit fails alone; a stop keeps what is finished.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "CliTestSupport.h"
#include "batch/CsvRecords.h"
#include "cli/BatchCommand.h"
#include "cli/StopSignals.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using quorvale::testing::runTool;

// A fresh folder with a unit file per name, each a different unit.
fs::path unitFolder(const std::string& test, const std::vector<std::string>& names) {
    const fs::path folder = fs::path(::testing::TempDir()) / ("quorvale-batch-" + test);
    fs::remove_all(folder);
    fs::create_directories(folder);
    int volume = 12;
    for (const std::string& name : names) {
        const auto r = runTool({"unit", "--name", name, "--harvest-volume", std::to_string(volume) + ":30"});
        std::ofstream(folder / (name + ".qvunit")) << r.out;
        volume += 3;
    }
    return folder;
}

std::vector<json> jsonLines(const std::string& text) {
    std::vector<json> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        rows.push_back(json::parse(line));
    }
    return rows;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

const std::vector<std::string> kRun = {"--seed", "41", "--scenarios", "2500", "--eyd", "25"};

std::vector<std::string> batchArgs(std::vector<std::string> paths, const std::vector<std::string>& more) {
    paths.insert(paths.begin(), "batch");
    paths.insert(paths.end(), kRun.begin(), kRun.end());
    paths.insert(paths.end(), more.begin(), more.end());
    return paths;
}

// The CSV rows under their header, each as heading -> cell.
std::vector<std::map<std::string, std::string>> csvRows(const std::string& text) {
    std::istringstream in(text);
    quorvale::CsvRecords records(in);
    std::vector<std::string> header, fields;
    records.next(header);
    std::vector<std::map<std::string, std::string>> rows;
    while (records.next(fields)) {
        std::map<std::string, std::string>& row = rows.emplace_back();
        for (std::size_t c = 0; c < std::min(header.size(), fields.size()); ++c) {
            row[header[c]] = fields[c];
        }
    }
    return rows;
}

std::string capitalized(std::string word) {
    word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
    return word;
}

TEST(CliBatch, EachRowIsDecidesRunOfThatUnitWithItsDerivedSeed) {
    const fs::path folder = unitFolder("decide", {"north", "south"});
    // A row with a most likely value and its shape, and as a unit file with
    // those beliefs; and a unit of fixed inputs, where measuring is worth
    // nothing.
    const fs::path csv = folder / "more.csv";
    std::ofstream(csv) << "name,operator-cost,pattern,shape\n\"east, upper\",2500:3200:3500,fan,pert\n";
    const fs::path east = fs::path(::testing::TempDir()) / "quorvale-batch-east.qvunit";
    const auto unit = runTool(
        {"unit", "--name", "east, upper", "--operator-cost", "2500:3200:3500", "--pattern", "fan", "--shape", "pert"});
    ASSERT_EQ(unit.status, 0) << unit.err;
    ASSERT_EQ(json::parse(unit.out)["version"], 2);
    std::ofstream(east) << unit.out;
    const json defaults = json::parse(runTool({"unit"}).out)["variables"];
    std::string fixedHeader = "name", fixedRow = "fixed";
    std::vector<std::string> fixedArgs;
    for (const auto& [option, range] : defaults.items()) {
        fixedHeader += "," + option;
        fixedRow += "," + range[0].get<std::string>();
        fixedArgs.insert(fixedArgs.end(), {"--" + option, range[0].get<std::string>()});
    }
    const fs::path fixed = folder / "fixed.csv";
    std::ofstream(fixed) << fixedHeader << '\n' << fixedRow << '\n';

    const std::vector<std::string> paths = {folder.string(), csv.string(), fixed.string()};
    const auto r = runTool(batchArgs(paths, {"--band", "2", "--format", "jsonl"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<json> rows = jsonLines(r.out);
    ASSERT_EQ(rows.size(), 4u);
    const auto csvRun = runTool(batchArgs(paths, {"--band", "2", "--threads", "1"}));
    ASSERT_EQ(csvRun.status, 0) << csvRun.err;
    const auto cells = csvRows(csvRun.out);
    ASSERT_EQ(cells.size(), 4u);
    const std::vector<std::vector<std::string>> decideInputs = {{"--unit", (folder / "north.qvunit").string()},
                                                                {"--unit", (folder / "south.qvunit").string()},
                                                                {"--unit", east.string()},
                                                                fixedArgs};
    std::set<std::uint64_t> seeds;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const json& row = rows[i];
        std::vector<std::string> args = {"decide",
                                         "--format",
                                         "json",
                                         "--scenarios",
                                         "2500",
                                         "--eyd",
                                         "25",
                                         "--band",
                                         "2",
                                         "--seed",
                                         std::to_string(row["seed"].get<std::uint64_t>())};
        args.insert(args.begin() + 1, decideInputs[i].begin(), decideInputs[i].end());
        const auto d = runTool(args);
        ASSERT_EQ(d.status, 0) << d.err;
        const json decided = json::parse(d.out);
        EXPECT_EQ(row["status"], "ok");
        EXPECT_EQ(row["scenarios"], decided["scenarios"]);
        EXPECT_EQ(row["pattern"], decided["pattern"]);
        for (const char* key : {"recommended", "band", "evpi", "plan"}) {
            EXPECT_EQ(row[key], decided[key]) << key << " of " << row["name"];
        }
        const int step = decided["recommended"]["step"].get<int>();
        EXPECT_EQ(row["pOptimal"], decided["rows"][static_cast<std::size_t>(step - 1)]["pOptimal"]);
        EXPECT_EQ(row["topDriver"], decided["tornado"]["bars"][0]["variable"]);
        const json& top = decided["voi"][0];
        EXPECT_EQ(row["worthMeasuring"], top["evppi"].get<double>() > 0 ? top : json(nullptr)) << row["name"];
        seeds.insert(row["seed"].get<std::uint64_t>());

        // The CSV row holds the same figures, read back exactly: the plan's
        // under "plan", the point and the figure.
        const auto& cell = cells[i];
        EXPECT_EQ(cell.at("name"), row["name"]);
        EXPECT_EQ(cell.at("worthMeasuring"), row["worthMeasuring"].is_null() ? "" : row["worthMeasuring"]["variable"]);
        EXPECT_EQ(std::stod(cell.at("planEvpiDollars")), decided["plan"]["evpiDollars"].get<double>());
        for (const char* point : {"recommended", "bandFrom", "bandTo"}) {
            for (const auto& [figure, value] : decided["plan"][point].items()) {
                const std::string heading = "plan" + capitalized(point) + capitalized(figure);
                ASSERT_TRUE(cell.count(heading)) << heading;
                EXPECT_EQ(std::stod(cell.at(heading)), value.get<double>()) << heading << " of " << row["name"];
            }
        }
    }
    EXPECT_EQ(rows[2]["name"], "east, upper");
    EXPECT_TRUE(rows[2]["worthMeasuring"].is_object());
    EXPECT_TRUE(rows[3]["worthMeasuring"].is_null());
    EXPECT_EQ(seeds.size(), 4u);
    // The unit file with the beliefs gives the row its CSV cells give.
    const auto fromFile = runTool(batchArgs({east.string()}, {"--band", "2", "--format", "jsonl"}));
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(jsonLines(fromFile.out).at(0), rows[2]);
}

TEST(CliBatch, RowsAreTheSameInAnyOrderOnAnyThreadsAndShardsSplitTheWhole) {
    const std::vector<std::string> names = {"a", "b", "c", "d", "e", "f", "g"};
    const fs::path folder = unitFolder("order", names);
    std::vector<std::string> files;
    for (const std::string& name : names) {
        files.push_back((folder / (name + ".qvunit")).string());
    }
    const auto whole = runTool(batchArgs(files, {"--threads", "1"}));
    ASSERT_EQ(whole.status, 0) << whole.err;
    const std::vector<std::string> wholeRows = lines(whole.out);
    ASSERT_EQ(wholeRows.size(), names.size() + 1);
    EXPECT_EQ(wholeRows[0].rfind("name,pattern,seed,scenarios,status,recommendedEyd,meanCost,", 0), 0u);

    std::vector<std::string> reversed(files.rbegin(), files.rend());
    const auto backwards = runTool(batchArgs(reversed, {"--threads", "3"}));
    std::vector<std::string> backRows = lines(backwards.out);
    ASSERT_EQ(backRows.size(), wholeRows.size());
    std::reverse(backRows.begin() + 1, backRows.end());
    EXPECT_EQ(backRows, wholeRows);

    // The folder lists its units by name: the same rows as the files.
    EXPECT_EQ(runTool(batchArgs({folder.string()}, {"--threads", "2"})).out, whole.out);

    std::vector<std::string> merged;
    for (const char* shard : {"1/3", "2/3", "3/3"}) {
        const auto part = runTool(batchArgs(files, {"--shard", shard, "--threads", "2"}));
        ASSERT_EQ(part.status, 0) << part.err;
        const std::vector<std::string> rows = lines(part.out);
        EXPECT_EQ(rows[0], wholeRows[0]);
        // Every third unit from the shard's first.
        const std::size_t k = static_cast<std::size_t>(shard[0] - '1');
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i], wholeRows[1 + k + 3 * (i - 1)]);
        }
        merged.insert(merged.end(), rows.begin() + 1, rows.end());
    }
    std::sort(merged.begin(), merged.end());
    std::vector<std::string> expected(wholeRows.begin() + 1, wholeRows.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(merged, expected);
}

TEST(CliBatch, ABadUnitGetsAnErrorRowTheOthersRunAndTheStatusIsOne) {
    const fs::path folder = unitFolder("bad", {"good"});
    std::ofstream(folder / "broken.qvunit") << "{\"format\": \"quorvale-unit\"";
    const fs::path csv = folder / "rows.csv";
    std::ofstream(csv) << "name,road-cost\nshort\nextreme,1e308\n,\nwide,2000:3000\n";
    const fs::path beliefs = folder / "beliefs.csv";
    std::ofstream(beliefs) << "name,shape,harvest-volume,road-cost\n"
                              "outside,pert,20:25:30,2000:3500:3000\nodd,normal,20:25:30,\nlikely,pert,20:25:30,\n";
    const auto r = runTool(batchArgs({(folder / "broken.qvunit").string(), (folder / "missing.qvunit").string(),
                                      (folder / "good.qvunit").string(), csv.string(), beliefs.string()},
                                     {"--format", "jsonl"}));
    EXPECT_EQ(r.status, 1);
    const std::vector<json> rows = jsonLines(r.out);
    ASSERT_EQ(rows.size(), 9u);
    const std::vector<std::string> names = {"broken", "missing", "good", "short", "extreme",
                                            "wide",   "outside", "odd",  "likely"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]["name"], names[i]);
        const bool ok = names[i] == "good" || names[i] == "wide" || names[i] == "likely";
        EXPECT_EQ(rows[i]["status"] == "ok", ok) << rows[i];
        EXPECT_EQ(rows[i]["recommended"].is_object(), ok) << rows[i];
    }
    EXPECT_NE(rows[1]["status"].get<std::string>().find("missing.qvunit"), std::string::npos);
    EXPECT_NE(rows[3]["status"].get<std::string>().find("1 cells for 2 columns"), std::string::npos);
    // A most likely value outside its range names its column and value.
    const std::string outside = rows[6]["status"];
    EXPECT_TRUE(outside.find("road-cost") != std::string::npos && outside.find("3500") != std::string::npos) << outside;
    EXPECT_NE(rows[7]["status"].get<std::string>().find("shape \"normal\""), std::string::npos) << rows[7];
    EXPECT_NE(r.err.find("6 of 9 units failed"), std::string::npos) << r.err;

    // What stops every unit stops the batch before any runs.
    std::ofstream(folder / "typo.csv") << "name,harvest-volum\nx,20\n";
    for (const auto& args :
         {batchArgs({(folder / "typo.csv").string()}, {}), batchArgs({folder.string()}, {"--shard", "3/2"}),
          batchArgs({folder.string()}, {"--format", "json"}), batchArgs({folder.string()}, {"--no-such-option", "1"}),
          batchArgs({folder.string()}, {"--compare-patterns"})}) {
        const auto refused = runTool(args);
        EXPECT_NE(refused.status, 0);
        EXPECT_EQ(refused.out, "") << args.back();
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    }
}

TEST(CliBatch, CtrlCAndSigtermWriteTheFinishedRowsAndExit130And143) {
    const fs::path folder = unitFolder("stop", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    for (const int signal : {SIGINT, SIGTERM}) {
        quorvale::cli::BatchSurroundings surroundings;
        surroundings.atRow = [signal](std::size_t written, std::atomic<bool>&) {
            if (written == 2) {
                std::raise(signal);
            }
        };
        std::ostringstream out, err;
        const int status = quorvale::cli::batchCommand(
            {folder.string(), "--seed", "3", "--scenarios", "20000", "--threads", "2"}, out, err, surroundings);
        EXPECT_EQ(status, signal == SIGINT ? quorvale::cli::kInterruptedStatus : quorvale::cli::kTerminatedStatus);
        const std::vector<std::string> rows = lines(out.str());
        // The header and whole rows only, at least those before the signal,
        // each as the full run writes it.
        ASSERT_GE(rows.size(), 3u);
        EXPECT_LT(rows.size(), 13u);
        // A unit cut short leaves its row out; the others keep their order.
        const auto full = runTool({"batch", folder.string(), "--seed", "3", "--scenarios", "20000"});
        const std::vector<std::string> fullRows = lines(full.out);
        auto at = fullRows.begin();
        for (const std::string& row : rows) {
            at = std::find(at, fullRows.end(), row);
            ASSERT_NE(at, fullRows.end()) << row;
        }
        EXPECT_EQ(rows[1], fullRows[1]);
        EXPECT_EQ(rows[2], fullRows[2]);
        EXPECT_NE(err.str().find("stopped: " + std::to_string(rows.size() - 1) + " of 12 units written"),
                  std::string::npos)
            << err.str();
    }
}

}  // namespace
