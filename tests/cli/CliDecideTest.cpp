#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

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
    EXPECT_EQ(keysAt(r.out, 2), (std::vector<std::string>{"seed", "pattern", "steps", "scenarios", "nonFinite",
                                                          "threads", "stopped", "capped", "rows", "recommended", "band",
                                                          "evpi", "plan", "tornado", "voi", "summary"}));
    const std::vector<std::string> rowKeys = keysAt(r.out, 6);
    ASSERT_GE(rowKeys.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(rowKeys.begin(), rowKeys.begin() + 10),
              (std::vector<std::string>{"step", "eyd", "mean", "stddev", "halfWidth", "p10", "p50", "p90", "pOptimal",
                                        "regret"}));
    EXPECT_EQ(keysAt(r.out, 4),
              (std::vector<std::string>{"step", "eyd", "meanCost", "tolerance", "fromEyd", "toEyd", "recommended",
                                        "bandFrom", "bandTo", "evpiDollars", "base", "bars"}));
    EXPECT_EQ(jsonNumber(r.out, "seed"), 5);
    EXPECT_EQ(jsonNumber(r.out, "scenarios"), 3000);
    EXPECT_EQ(jsonNumber(r.out, "nonFinite"), 0);
    EXPECT_EQ(jsonNumber(r.out, "steps"), 12);
    EXPECT_EQ(jsonNumber(r.out, "tolerance"), 1);
    // Fourteen tornado bars (the EYD is not drawn), and as many inputs in
    // what is worth measuring.
    const auto doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["tornado"]["bars"].size(), 14u);
    EXPECT_EQ(doc["voi"].size(), 14u);
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

// The table, JSON and CSV of one run say the same thing: the same
// recommendation, band, EVPI and plan terms, the same summary, EYDs in
// stations in the table and the summary.
TEST(CliDecide, EveryFormatSaysTheSameThing) {
    const CliRun json = runTool(spreadWith({"--scenarios", "2000", "--band", "2", "--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto doc = nlohmann::json::parse(json.out);
    const int step = doc["recommended"]["step"];
    const double from = doc["band"]["fromEyd"];
    const double to = doc["band"]["toEyd"];
    const auto& plan = doc["plan"];
    EXPECT_EQ(plan["recommended"]["eyd"], doc["recommended"]["eyd"]);
    EXPECT_EQ(plan["bandFrom"]["eyd"], from);
    EXPECT_EQ(plan["bandTo"]["eyd"], to);
    EXPECT_EQ(plan["recommended"]["meanCost"], doc["recommended"]["meanCost"]);
    // With unit size 60 and harvest volume 25 to 45 (the rest at defaults):
    // 60 x 35 mbf, roads EYD apart (road density factor 100), the unit's
    // 60 acres of road over that spacing.
    for (const char* end : {"bandFrom", "recommended", "bandTo"}) {
        const auto& p = plan[end];
        EXPECT_DOUBLE_EQ(p["volume"], 60.0 * 35);
        EXPECT_NEAR(double(p["roadSpacing"]), double(p["eyd"]), 1e-9);
        EXPECT_NEAR(double(p["roadLength"]), 60 * 43560 / double(p["eyd"]), 1e-6);
        EXPECT_DOUBLE_EQ(p["totalDollars"], double(p["meanCost"]) * 60 * 35);
        EXPECT_GT(p["landings"], 0);
    }
    EXPECT_DOUBLE_EQ(plan["evpiDollars"], double(doc["evpi"]) * 60 * 35);

    const CliRun table = runTool(spreadWith({"--scenarios", "2000", "--band", "2"}));
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("seed 5"), std::string::npos);
    const std::string summary = doc["summary"];
    EXPECT_EQ(table.out.substr(table.out.size() - summary.size() - 1), summary + "\n");
    EXPECT_TRUE(std::regex_search(
        summary, std::regex("^Lay out at " + std::to_string(step) +
                            " stations \\(mean \\d+\\.\\d\\d \\$/mbf\\)\\. "
                            "It is the cheapest EYD in \\d+\\.\\d % of the scenarios.* within 2 % of that\\. "
                            "(The lowest cost lies at the largest EYD swept: widen the High EYD\\. )?Knowing the "
                            "inputs exactly would save \\d+\\.\\d\\d \\$/mbf, \\$[\\d,]+ for the unit\\. "
                            "At " +
                            std::to_string(step) +
                            " stations the roads lie \\d+ ft apart.* moves the cost most\\. "
                            "(Measure .+ first: knowing it before deciding would save \\d+\\.\\d\\d \\$/mbf, "
                            "\\$[\\d,]+ for the unit\\.( .+ moves the cost most but hardly changes the choice: "
                            "knowing it would save \\d+\\.\\d\\d \\$/mbf\\.)?|No single input is worth measuring "
                            "first: .*)$")))
        << summary;
    EXPECT_NE(table.out.find(fmt::format("Recommended: {} stations ({} ft)", step, step * 100)), std::string::npos);
    EXPECT_NE(table.out.find(fmt::format("Within 2 %: {} to {} stations", from / 100, to / 100)), std::string::npos);
    EXPECT_TRUE(std::regex_search(
        table.out, std::regex("\n *recommended +" + std::to_string(step) + " +" + std::to_string(step * 100) + " ")))
        << table.out;

    const CliRun csv = runTool(spreadWith({"--scenarios", "2000", "--band", "2", "--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    const size_t blank = csv.out.find("\n\n");
    ASSERT_NE(blank, std::string::npos);
    const std::string block = csv.out.substr(0, blank + 1);
    const std::string steps = csv.out.substr(blank + 2);
    EXPECT_EQ(count(steps, "\n"), 13);
    EXPECT_EQ(steps.rfind("seed,step,eyd,mean,stddev,halfWidth,p10,p50,p90,pOptimal,regret\n", 0), 0u);
    EXPECT_EQ(count(steps, "\n5,"), 12);
    auto field = [&](const std::string& name) {
        const size_t at = block.find("\n" + name + ",");
        return at == std::string::npos ? std::nan("") : std::stod(block.substr(at + name.size() + 2));
    };
    EXPECT_EQ(field("recommendedStep"), step);
    EXPECT_EQ(field("bandTolerance"), 2);
    EXPECT_EQ(field("bandFromEyd"), from);
    EXPECT_EQ(field("bandToEyd"), to);
    EXPECT_EQ(field("evpi"), double(doc["evpi"]));
    EXPECT_EQ(field("evpiDollars"), double(plan["evpiDollars"]));
    EXPECT_NE(block.find(
                  fmt::format("\nrecommended,{},{},{},", step, step * 100, double(plan["recommended"]["roadSpacing"]))),
              std::string::npos)
        << block;
}

// The tornado's table gathers the variables that do not move the lowest
// cost into one line; JSON keeps every bar.
TEST(CliDecide, TornadoGathersTheVariablesWithoutSwing) {
    const CliRun json = runTool(spreadWith({"--scenarios", "100", "--format", "json"}));
    const CliRun table = runTool(spreadWith({"--scenarios", "100"}));
    ASSERT_EQ(table.status, 0) << table.err;
    std::string still;
    const auto doc = nlohmann::json::parse(json.out);
    for (const auto& bar : doc["tornado"]["bars"]) {
        const std::string variable = bar["variable"];
        if (bar["swing"].get<double>() == 0) {
            still += (still.empty() ? "" : ", ") + variable;
        } else {
            EXPECT_TRUE(std::regex_search(table.out, std::regex("\n *" + variable + " "))) << variable;
        }
    }
    EXPECT_EQ(count(still, ","), 10);  // three of the fourteen have a spread
    EXPECT_NE(table.out.find("\nNo swing: " + still + "\n"), std::string::npos) << table.out;
    EXPECT_EQ(table.out.find(" 0.00\n"), std::string::npos) << table.out;
}

// Figures there are none of go out as such, never as 0: the steps of a run
// where no scenario gave finite costs, and the end of a tornado variable at
// which no step has a finite cost.
TEST(CliDecide, FiguresThereAreNoneOfAreNullEmptyOrADash) {
    const std::vector<std::string> extreme{"decide", "--eyd", "5",           "--road-cost", "1500:1e306",
                                           "--seed", "1",     "--scenarios", "1500"};
    std::vector<std::string> json = extreme;
    json.insert(json.end(), {"--format", "json"});
    // No scenario is finite: the figures are printed, and the status says
    // that there is no answer, as sweep's does.
    const CliRun r = runTool(json);
    ASSERT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("no scenario gave finite costs"), std::string::npos) << r.err;
    EXPECT_EQ(jsonNumber(r.out, "scenarios"), 0);
    EXPECT_NE(r.out.find("\"mean\": null,\n      \"stddev\": null"), std::string::npos) << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\"costAtLow\": \\d+\\.\\d+,\n +\"costAtHigh\": null"))) << r.out;
    EXPECT_NE(r.out.find("\"swing\": null"), std::string::npos);
    EXPECT_EQ(r.out.find("\"mean\": 0"), std::string::npos);
    // One scenario has a mean but no spread.
    // (A seed, so that the mean is not now and then a whole number.)
    const CliRun one =
        runTool({"decide", "--harvest-volume", "20:50", "--scenarios", "1", "--seed", "2", "--format", "csv"});
    EXPECT_TRUE(std::regex_search(one.out, std::regex("\n2,1,100,\\d+(\\.\\d+)?,,,\\d"))) << one.out;

    std::vector<std::string> csvArgs = extreme;
    csvArgs.insert(csvArgs.end(), {"--format", "csv"});
    const CliRun csv = runTool(csvArgs);
    ASSERT_EQ(csv.status, 1) << csv.err;
    EXPECT_NE(csv.out.find("\n1,1,100,,,,,,,,\n"), std::string::npos) << csv.out;

    const CliRun table = runTool(extreme);
    ASSERT_EQ(table.status, 1) << table.err;
    EXPECT_TRUE(std::regex_search(table.out, std::regex("\n +1( +-){8}\n"))) << table.out;
    EXPECT_TRUE(
        std::regex_search(table.out, std::regex("\n *road-cost +1500 +1e\\+306 +\\d+\\.\\d\\d +\\d+( +-){3}\n")))
        << table.out;
    EXPECT_NE(table.out.find("at its High, no EYD has a finite cost; check that entry."), std::string::npos);

    // Two extreme entries leave even the averages without a finite cost:
    // the summary names those two, not every variable failing with them.
    std::vector<std::string> both = extreme;
    both.insert(both.end(), {"--unit-size", "60:6e302"});
    const CliRun two = runTool(both);
    ASSERT_EQ(two.status, 1) << two.err;
    // The run from the issue: too costly a road for any finite scenario.
    const CliRun none = runTool({"decide", "--road-cost", "1e308", "--scenarios", "10", "--eyd", "3"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no scenario gave finite costs"), std::string::npos) << none.err;
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
    // The summary says first that these are not the final figures.
    const auto doc = nlohmann::json::parse(out.str());
    const std::string summary = doc["summary"];
    const std::uint64_t drawn = doc["scenarios"].get<std::uint64_t>() + doc["nonFinite"].get<std::uint64_t>();
    EXPECT_EQ(summary.rfind(fmt::format("Stopped after {} scenarios; not final", drawn), 0), 0u) << summary;
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
