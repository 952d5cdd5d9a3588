#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliTestSupport.h"
#include "cli/DecideCommand.h"
#include "decision/DecisionAnalysis.h"

using namespace quorvale;
using quorvale::testing::CliRun;
using quorvale::testing::count;
using quorvale::testing::jsonNumber;
using quorvale::testing::runTool;

namespace {

const std::vector<std::string> kSpread{"decide",    "--eyd",       "12",        "--harvest-volume",
                                       "25:45",     "--road-cost", "1000:2000", "--operator-cost",
                                       "2500:3500", "--seed",      "5"};

std::vector<std::string> spreadWith(std::vector<std::string> more) {
    std::vector<std::string> args = kSpread;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> keysAt(const std::string& json, int indent) {
    std::vector<std::string> keys;
    const std::regex key("\\n" + std::string(static_cast<size_t>(indent), ' ') + "\"(\\w+)\": ");
    for (std::sregex_iterator it(json.begin(), json.end(), key), end; it != end; ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

std::string withoutThreads(std::string json) { return std::regex_replace(json, std::regex("\"threads\": \\d+"), ""); }

}  // namespace

// The documented names in order, the scenario count exactly as asked (a
// partial last block), the seed printed, and the same output for any
// number of threads.
TEST(CliDecide, JsonShapeExactCountAndSameOutputForAnyThreads) {
    const CliRun r = runTool(spreadWith({"--scenarios", "3000", "--format", "json", "--threads", "1"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(keysAt(r.out, 2),
              (std::vector<std::string>{"seed", "pattern", "steps", "scenarios", "nonFinite", "threads", "stopped",
                                        "capped", "rows", "recommended", "band", "evpi", "tornado", "voi"}));
    const std::vector<std::string> rowKeys = keysAt(r.out, 6);
    ASSERT_GE(rowKeys.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(rowKeys.begin(), rowKeys.begin() + 10),
              (std::vector<std::string>{"step", "eyd", "mean", "stddev", "halfWidth", "p10", "p50", "p90", "pOptimal",
                                        "regret"}));
    EXPECT_EQ(keysAt(r.out, 4),
              (std::vector<std::string>{"step", "eyd", "meanCost", "tolerance", "fromEyd", "toEyd", "base", "bars"}));
    EXPECT_EQ(jsonNumber(r.out, "seed"), 5);
    EXPECT_EQ(jsonNumber(r.out, "scenarios"), 3000);
    EXPECT_EQ(jsonNumber(r.out, "nonFinite"), 0);
    EXPECT_EQ(jsonNumber(r.out, "steps"), 12);
    EXPECT_EQ(jsonNumber(r.out, "tolerance"), 1);
    EXPECT_EQ(count(r.out, "\"variable\": "), 14);
    // The bars give the values as entered.
    EXPECT_NE(r.out.find("\"variable\": \"harvest-volume\",\n        \"low\": 25,\n        \"high\": 45"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("nan"), std::string::npos);

    const CliRun three = runTool(spreadWith({"--scenarios", "3000", "--format", "json", "--threads", "3"}));
    ASSERT_EQ(three.status, 0) << three.err;
    EXPECT_EQ(jsonNumber(three.out, "threads"), 3);
    EXPECT_EQ(withoutThreads(three.out), withoutThreads(r.out));
}

TEST(CliDecide, TableEndsWithTheSummaryAndCsvHasOneRowPerStep) {
    const CliRun table = runTool(spreadWith({"--scenarios", "2000", "--band", "2"}));
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("seed 5"), std::string::npos);
    const std::string lastLine = table.out.substr(table.out.rfind('\n', table.out.size() - 2) + 1);
    EXPECT_TRUE(std::regex_search(lastLine, std::regex("^Lay out at \\d+ stations \\(mean \\d+\\.\\d\\d \\$/mbf\\)\\. "
                                                       ".*within 2 % of that\\. Knowing the inputs exactly would "
                                                       "save \\d+\\.\\d\\d \\$/mbf\\. .* moves the cost most\\.\n$")))
        << lastLine;

    const CliRun csv = runTool(spreadWith({"--scenarios", "2000", "--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(count(csv.out, "\n"), 13);
    EXPECT_EQ(csv.out.rfind("seed,step,eyd,mean,stddev,halfWidth,p10,p50,p90,pOptimal,regret\n", 0), 0u);
    EXPECT_EQ(count(csv.out, "\n5,"), 12);
}

// Figures there are none of go out as such, never as 0: the steps of a run
// where no scenario gave finite costs, and the end of a tornado variable at
// which no step has a finite cost.
TEST(CliDecide, FiguresThereAreNoneOfAreNullEmptyOrADash) {
    const std::vector<std::string> extreme{"decide", "--eyd", "5",           "--road-cost", "1500:1e306",
                                           "--seed", "1",     "--scenarios", "1500"};
    std::vector<std::string> json = extreme;
    json.insert(json.end(), {"--format", "json"});
    const CliRun r = runTool(json);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonNumber(r.out, "scenarios"), 0);
    EXPECT_NE(r.out.find("\"mean\": null,\n      \"stddev\": null"), std::string::npos) << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\"costAtLow\": \\d+\\.\\d+,\n +\"costAtHigh\": null"))) << r.out;
    EXPECT_NE(r.out.find("\"swing\": null"), std::string::npos);
    EXPECT_EQ(r.out.find("\"mean\": 0"), std::string::npos);
    // One scenario has a mean but no spread.
    const CliRun one = runTool({"decide", "--harvest-volume", "20:50", "--scenarios", "1", "--format", "csv"});
    EXPECT_TRUE(std::regex_search(one.out, std::regex("\n\\d+,1,100,\\d+\\.\\d+,,,\\d"))) << one.out;

    std::vector<std::string> csvArgs = extreme;
    csvArgs.insert(csvArgs.end(), {"--format", "csv"});
    const CliRun csv = runTool(csvArgs);
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find("\n1,1,100,,,,,,,,\n"), std::string::npos) << csv.out;

    const CliRun table = runTool(extreme);
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(std::regex_search(table.out, std::regex("\n +1 +100( +-){8}\n"))) << table.out;
    EXPECT_TRUE(
        std::regex_search(table.out, std::regex("\n +road-cost +1500 +1e\\+306 +\\d+\\.\\d\\d +\\d+( +-){3}\n")))
        << table.out;
    EXPECT_NE(table.out.find("at its High, no EYD has a finite cost; check that entry."), std::string::npos);

    // Two extreme entries leave even the averages without a finite cost:
    // the summary names those two, not every variable failing with them.
    std::vector<std::string> both = extreme;
    both.insert(both.end(), {"--unit-size", "60:6e302"});
    const CliRun two = runTool(both);
    ASSERT_EQ(two.status, 0) << two.err;
    EXPECT_TRUE(std::regex_search(two.out, std::regex("\n +unit-size +60 +6e\\+302 +\\d\\.\\d{3}e\\+30\\d ")));
    const std::string summary = two.out.substr(two.out.rfind("No scenario gave"));
    EXPECT_EQ(summary,
              "No scenario gave finite costs, so there is no recommendation. With every input at its Average, no EYD "
              "has a finite cost. With Unit Size (acres) at its High, no EYD has a finite cost; check that entry. With "
              "Life Cycle Road Cost ($/station) at its High, no EYD has a finite cost; check that entry.\n");
}

// The cap ends an adaptive run with status 0 and says so everywhere.
TEST(CliDecide, CapEndsTheRunAndSaysSo) {
    const CliRun r = runTool(spreadWith({"--target", "0.0001", "--max-scenarios", "2500", "--format", "json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonNumber(r.out, "scenarios"), 2500);
    EXPECT_NE(r.out.find("\"capped\": true"), std::string::npos);
    EXPECT_NE(r.err.find("cap of 2500 scenarios"), std::string::npos) << r.err;
    const CliRun table = runTool(spreadWith({"--target", "0.0001", "--max-scenarios", "2500"}));
    EXPECT_NE(table.out.find("cap of 2500 scenarios"), std::string::npos);
}

// Ctrl+C during the run: the scenarios so far, "stopped": true, status 130.
TEST(CliDecide, InterruptPrintsTheScenariosSoFar) {
    std::vector<std::string> args = spreadWith({"--target", "0.0001", "--format", "json"});
    args.erase(args.begin());
    cli::DecideSurroundings surroundings;
    surroundings.atProgress = [](const DecisionProgress& p, std::atomic<bool>& stop) {
        if (p.scenarios > 0) {
            stop = true;
        }
    };
    std::ostringstream out, err;
    const int status = cli::runDecide(args, out, err, surroundings);
    EXPECT_EQ(status, cli::kInterruptedStatus);
    EXPECT_NE(out.str().find("\"stopped\": true"), std::string::npos);
    EXPECT_GT(jsonNumber(out.str(), "scenarios"), 0);
    EXPECT_EQ(out.str().find("nan"), std::string::npos);
}

TEST(CliDecide, UsageErrorsExit2WithNothingOnStdout) {
    const std::vector<std::vector<std::string>> wrong{
        {"--scenarios", "0"},  {"--scenarios", "12.5"},  {"--scenarios", "-3"}, {"--threads", "0"},
        {"--threads", "65"},   {"--threads", "two"},     {"--band", "-1"},      {"--band", "101"},
        {"--target", "0"},     {"--target", "nan"},      {"--seed", "x"},       {"--format", "xml"},
        {"--pattern", "star"}, {"--max-scenarios", "0"}, {"--frobnicate", "1"}, {"--scenarios", "10", "--target", "1"},
        {"--scenarios"},
    };
    for (const auto& extra : wrong) {
        std::vector<std::string> args{"decide"};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliRun r = runTool(args);
        EXPECT_EQ(r.status, 2) << extra[0];
        EXPECT_TRUE(r.out.empty()) << extra[0];
        EXPECT_EQ(r.err.rfind("quorvale-cli decide: ", 0), 0u) << r.err;
        EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
    }
}
