// quorvale-cli batch: its rows are decide's, whatever the order, threads or
// shards; a bad unit fails alone; a stop keeps what is finished.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "CliTestSupport.h"
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

TEST(CliBatch, EachRowIsDecidesRunOfThatUnitWithItsDerivedSeed) {
    const fs::path folder = unitFolder("decide", {"north", "south"});
    const fs::path csv = folder / "more.csv";
    std::ofstream(csv) << "name,operator-cost,pattern\n\"east, upper\",2500:3500,fan\n";
    const auto r = runTool(batchArgs({folder.string(), csv.string()}, {"--band", "2", "--format", "jsonl"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<json> rows = jsonLines(r.out);
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::vector<std::string>> decideInputs = {{"--unit", (folder / "north.qvunit").string()},
                                                                {"--unit", (folder / "south.qvunit").string()},
                                                                {"--operator-cost", "2500:3500", "--pattern", "fan"}};
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
        seeds.insert(row["seed"].get<std::uint64_t>());
    }
    EXPECT_EQ(rows[2]["name"], "east, upper");
    EXPECT_EQ(seeds.size(), 3u);
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
    const auto r = runTool(batchArgs({(folder / "broken.qvunit").string(), (folder / "missing.qvunit").string(),
                                      (folder / "good.qvunit").string(), csv.string()},
                                     {"--format", "jsonl"}));
    EXPECT_EQ(r.status, 1);
    const std::vector<json> rows = jsonLines(r.out);
    ASSERT_EQ(rows.size(), 6u);
    const std::vector<std::string> names = {"broken", "missing", "good", "short", "extreme", "wide"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]["name"], names[i]);
        const bool ok = names[i] == "good" || names[i] == "wide";
        EXPECT_EQ(rows[i]["status"] == "ok", ok) << rows[i];
        EXPECT_EQ(rows[i]["recommended"].is_object(), ok) << rows[i];
    }
    EXPECT_NE(rows[1]["status"].get<std::string>().find("missing.qvunit"), std::string::npos);
    EXPECT_NE(rows[3]["status"].get<std::string>().find("1 cells for 2 columns"), std::string::npos);
    EXPECT_NE(r.err.find("4 of 6 units failed"), std::string::npos) << r.err;

    // What stops every unit stops the batch before any runs.
    std::ofstream(folder / "typo.csv") << "name,harvest-volum\nx,20\n";
    for (const auto& args :
         {batchArgs({(folder / "typo.csv").string()}, {}), batchArgs({folder.string()}, {"--shard", "3/2"}),
          batchArgs({folder.string()}, {"--format", "json"}),
          batchArgs({folder.string()}, {"--no-such-option", "1"})}) {
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
