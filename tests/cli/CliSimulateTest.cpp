#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include "cli/CliTestSupport.h"
#include "cli/Cli.h"
#include "cli/SimulateCommand.h"
#include "simulator/HeadlessRunView.h"

using namespace quorvale;
using quorvale::cli::kInterruptedStatus;
using quorvale::cli::runCli;
using quorvale::cli::runSimulate;
using quorvale::cli::SimulateSurroundings;
using quorvale::testing::CliRun;
using quorvale::testing::count;
using quorvale::testing::jsonNumber;

namespace {

CliRun simulate(std::vector<std::string> args, const SimulateSurroundings& surroundings = {}) {
    std::ostringstream out, err;
    CliRun r;
    args.erase(args.begin());  // "simulate"
    r.status = runSimulate(args, out, err, surroundings);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The keys of the JSON text in order of appearance, at one indentation.
std::vector<std::string> keysAt(const std::string& json, int indent) {
    std::vector<std::string> keys;
    const std::regex key("\\n" + std::string(static_cast<size_t>(indent), ' ') + "\"(\\w+)\": ");
    for (std::sregex_iterator it(json.begin(), json.end(), key), end; it != end; ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

}  // namespace

TEST(CliSimulate, JsonHasTheDocumentedShapeAndTheDefaultsCosts) {
    // The defaults with every Low equal to its High: the window's start-up
    // analysis leaves the correction time at 0.5 to 1, which the tool now
    // reads too; at 0.5 to 0.5 every sample costs the same.
    const CliRun r = quorvale::testing::runTool(
        {"simulate", "--format", "json", "--seed", "9", "--corridor-correction-time", "0.5"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(keysAt(r.out, 2), (std::vector<std::string>{"seed", "target", "pattern", "steps", "rows", "optimum",
                                                          "indistinguishable", "samplesTotal", "stopped"}));
    const std::vector<std::string> rowKeys = keysAt(r.out, 6);
    ASSERT_EQ(rowKeys.size(), 30u * 8);
    EXPECT_EQ(std::vector<std::string>(rowKeys.begin(), rowKeys.begin() + 8),
              (std::vector<std::string>{"step", "eyd", "samples", "mean", "stddev", "halfWidth", "min", "max"}));
    EXPECT_EQ(keysAt(r.out, 4),
              (std::vector<std::string>{"eyd", "minCost", "landingSpacing", "roadDensity", "ayd", "aeyd", "lyd", "alyd",
                                        "corridorsPerLanding", "landingsPerUnit", "fromEyd", "toEyd"}));
    EXPECT_NE(r.out.find("\"seed\": 9,"), std::string::npos);
    EXPECT_NE(r.out.find("\"target\": 5,"), std::string::npos);
    EXPECT_NE(r.out.find("\"pattern\": \"parallel\""), std::string::npos);
    EXPECT_NE(r.out.find("\"stopped\": false"), std::string::npos);
    EXPECT_EQ(jsonNumber(r.out, "steps"), 30);
    EXPECT_EQ(jsonNumber(r.out, "samplesTotal"), 30 * 31);
    EXPECT_EQ(count(r.out, "\"samples\": 31,"), 30);
    EXPECT_NEAR(jsonNumber(r.out, "mean", 0), 340, 1);
    EXPECT_NEAR(jsonNumber(r.out, "mean", 9), 136, 1);
    // Unrounded optimum figures: the road density is not capped or rounded.
    EXPECT_GT(jsonNumber(r.out, "minCost"), 0);
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
}

// The steps whose 95 % interval overlaps the optimum's, checked against the
// rows themselves; the table names them in stations and points to decide.
TEST(CliSimulate, NamesTheStepsItCannotTellFromTheOptimum) {
    const std::vector<std::string> unit{"simulate",  "--eyd",  "20", "--harvest-volume", "20:30", "--operator-cost",
                                        "2500:3500", "--seed", "4",  "--target",         "3"};
    std::vector<std::string> json = unit;
    json.insert(json.end(), {"--format", "json"});
    const CliRun r = quorvale::testing::runTool(json);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto document = nlohmann::json::parse(r.out);
    const auto& optimum = document["optimum"];
    const auto& rows = document["rows"];
    double optimumMean = 0;
    double optimumHalf = 0;
    for (const auto& row : rows) {
        if (row["eyd"] == optimum["eyd"]) {
            optimumMean = row["mean"];
            optimumHalf = row["halfWidth"];
        }
    }
    double from = 1e9;
    double to = 0;
    for (const auto& row : rows) {
        if (std::fabs(double(row["mean"]) - optimumMean) <= double(row["halfWidth"]) + optimumHalf) {
            from = std::min(from, double(row["eyd"]));
            to = std::max(to, double(row["eyd"]));
        }
    }
    // Wide ranges and a loose target: the optimum has company.
    ASSERT_LT(from, to);
    EXPECT_EQ(document["indistinguishable"]["fromEyd"], from);
    EXPECT_EQ(document["indistinguishable"]["toEyd"], to);

    const CliRun table = quorvale::testing::runTool(unit);
    ASSERT_EQ(table.status, 0) << table.err;
    const std::string line = fmt::format(
        "Cannot be told apart: the 95 % intervals of {} to {} stations overlap that "
        "of the lowest mean ({} stations). quorvale-cli decide",
        from / 100, to / 100, double(optimum["eyd"]) / 100);
    EXPECT_NE(table.out.find(line), std::string::npos) << table.out;

    // Every input fixed: the steps differ by far more than their spread.
    const CliRun fixed = quorvale::testing::runTool({"simulate", "--eyd", "12", "--seed", "4", "--format", "json"});
    const auto exact = nlohmann::json::parse(fixed.out);
    EXPECT_EQ(exact["indistinguishable"]["fromEyd"], exact["optimum"]["eyd"]);
    EXPECT_EQ(exact["indistinguishable"]["toEyd"], exact["optimum"]["eyd"]);
}

TEST(CliSimulate, SameSeedSameOutputAndTheSeedIsAlwaysPrinted) {
    const std::vector<std::string> spread{"simulate",  "--eyd", "8",           "--harvest-volume", "25:45",
                                          "--pattern", "fan",   "--road-cost", "1000:2000"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = spread;
        args.insert(args.end(), more.begin(), more.end());
        return quorvale::testing::runTool(args);
    };
    for (const char* format : {"json", "csv", "table"}) {
        const CliRun a = with({"--seed", "123", "--format", format});
        const CliRun b = with({"--seed", "123", "--format", format});
        ASSERT_EQ(a.status, 0) << a.err;
        EXPECT_EQ(a.out, b.out) << format;
        EXPECT_NE(a.out.find("123"), std::string::npos) << format;
        EXPECT_NE(with({"--seed", "124", "--format", format}).out, a.out) << format;
    }
    // A run seeded from the clock prints its seed, and that seed repeats it.
    const CliRun clock = with({"--format", "json"});
    std::smatch m;
    ASSERT_TRUE(std::regex_search(clock.out, m, std::regex("\"seed\": (\\d+),")));
    EXPECT_EQ(with({"--format", "json", "--seed", m[1]}).out, clock.out);
}

TEST(CliSimulate, CsvAndTableCarryTheSeedAndOneLinePerStep) {
    CliRun r = quorvale::testing::runTool({"simulate", "--eyd", "4", "--format", "csv", "--seed", "77"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("seed,step,eyd,samples,mean,stddev,halfWidth,min,max\n", 0), 0u);
    EXPECT_EQ(count(r.out, "\n77,"), 4);
    EXPECT_NE(r.out.find("\n77,4,400,31,"), std::string::npos);

    r = quorvale::testing::runTool({"simulate", "--eyd", "4", "--seed", "77", "--target", "2.5"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("seed 77"), std::string::npos);
    EXPECT_NE(r.out.find("target half-width 2.5"), std::string::npos);
    EXPECT_NE(r.out.find("Optimum: EYD 400 ft"), std::string::npos);
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\\n +4 +400 +31 ")));
}

TEST(CliSimulate, CtrlCStopsLikeEndAndPrintsTheFinishedSteps) {
    SimulateSurroundings surroundings;
    surroundings.atYield = [](HeadlessRunView& view) {
        if (view.field(RunField::TextEYD) == "300") {
            std::raise(SIGINT);  // during step 3
        }
    };
    const CliRun r = simulate(
        {"simulate", "--eyd", "10", "--harvest-volume", "20:50", "--target", "0.5", "--seed", "5", "--format", "json"},
        surroundings);
    EXPECT_EQ(r.status, kInterruptedStatus);
    EXPECT_NE(r.out.find("\"stopped\": true"), std::string::npos);
    EXPECT_EQ(count(r.out, "\"step\": "), 2);
    EXPECT_EQ(jsonNumber(r.out, "steps"), 10);
    EXPECT_GT(jsonNumber(r.out, "samplesTotal"), jsonNumber(r.out, "samples", 0) + jsonNumber(r.out, "samples", 1));
    // The handler is gone once the command returns.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(CliSimulate, SigtermStopsLikeCtrlCWithStatus143) {
    SimulateSurroundings surroundings;
    surroundings.atYield = [](HeadlessRunView& view) {
        if (view.field(RunField::TextEYD) == "200") {
            std::raise(SIGTERM);
        }
    };
    const CliRun r = simulate(
        {"simulate", "--eyd", "10", "--harvest-volume", "20:50", "--target", "0.5", "--seed", "5", "--format", "json"},
        surroundings);
    EXPECT_EQ(r.status, quorvale::cli::kTerminatedStatus);
    EXPECT_NE(r.out.find("\"stopped\": true"), std::string::npos);
    EXPECT_EQ(count(r.out, "\"step\": "), 1);
    struct sigaction now {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(CliSimulate, UsageErrorsExitWithTwoAndOneClearLine) {
    const std::vector<std::vector<std::string>> bad{{"simulate", "--target", "0"},
                                                    {"simulate", "--target", "-1"},
                                                    {"simulate", "--target", "abc"},
                                                    {"simulate", "--target", "5x"},
                                                    {"simulate", "--target="},
                                                    {"simulate", "--target", "nan"},
                                                    {"simulate", "--target", "inf"},
                                                    {"simulate", "--target"},
                                                    {"simulate", "--seed", "-1"},
                                                    {"simulate", "--seed", "1.5"},
                                                    {"simulate", "--seed", "18446744073709551616"},
                                                    {"simulate", "--case", "low"},
                                                    {"simulate", "--format", "xml"},
                                                    {"simulate", "--pattern", "radial"}};
    for (const auto& args : bad) {
        const CliRun r = quorvale::testing::runTool(args);
        EXPECT_EQ(r.status, 2) << args[1] << " " << (args.size() > 2 ? args[2] : "");
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
        EXPECT_EQ(r.err.rfind("quorvale-cli simulate: ", 0), 0u) << r.err;
    }
    EXPECT_NE(quorvale::testing::runTool({"simulate", "--target", "abc"}).err.find("positive number"),
              std::string::npos);
    EXPECT_NE(quorvale::testing::runTool({"simulate", "--seed", "x"}).err.find("--seed"), std::string::npos);
    EXPECT_EQ(quorvale::testing::runTool({"simulate", "--seed", "18446744073709551615", "--eyd", "1"}).status, 0);
}

TEST(CliSimulate, OverflowingStepsAreNamedAndNothingNonFiniteIsPrinted) {
    const CliRun r = quorvale::testing::runTool({"simulate", "--eyd", "3", "--road-density-factor", "1e306",
                                                 "--road-cost", "1", "--format", "json", "--seed", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("step 1: 31 samples"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("could not be measured"), std::string::npos);
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
    EXPECT_EQ(r.out.find("inf"), std::string::npos);
    EXPECT_EQ(jsonNumber(r.out, "samples", 0), 0);
    EXPECT_EQ(jsonNumber(r.out, "eyd", 3), 300);  // the optimum, after the three rows
}

TEST(CliSimulate, HelpNamesTheRunOptions) {
    const CliRun r = quorvale::testing::runTool({"simulate", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--target", "--seed", "--pattern", "--format", "--eyd", "--road-cost"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(quorvale::testing::runTool({"--help"}).out.find("simulate"), std::string::npos);
}

TEST(CliSimulate, AStepAtTheSampleCapEndsWithItsStatisticsAndIsMarked) {
    // These inputs never reach the target: before the cap, the run went on without end.
    const std::vector<std::string> wide{"simulate", "--road-cost", "1500:15000000",          "--seed", "3",
                                        "--eyd",    "2",           "--max-samples-per-step", "2000"};
    std::vector<std::string> json = wide;
    json.insert(json.end(), {"--format", "json"});
    CliRun r = quorvale::testing::runTool(json);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(count(r.out, "\"samples\": 2000,"), 2);
    EXPECT_EQ(count(r.out, "\"converged\": false"), 2);
    EXPECT_GT(jsonNumber(r.out, "halfWidth", 1), 5);
    EXPECT_EQ(count(r.err, "did not converge: it reached the cap of 2000 samples"), 2) << r.err;

    r = quorvale::testing::runTool(wide);
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\\n +2 +200 +2000\\* ")));
    EXPECT_NE(r.out.find("* not converged"), std::string::npos);
    // A step that converges carries no mark.
    EXPECT_EQ(
        quorvale::testing::runTool({"simulate", "--eyd", "2", "--seed", "3", "--format", "json"}).out.find("converged"),
        std::string::npos);
    for (const char* bad : {"30", "-1", "1e6", "x", ""}) {
        EXPECT_EQ(quorvale::testing::runTool({"simulate", "--max-samples-per-step", bad}).status, 2) << bad;
    }
}
