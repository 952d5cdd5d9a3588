#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "cli/CliTestSupport.h"

using namespace quorvale;
using quorvale::testing::CliRun;
using quorvale::testing::jsonNumber;
using quorvale::testing::runTool;

namespace {

const std::vector<std::string> kUnit{
    "--eyd",           "15",        "--harvest-volume", "20:30",   "--unit-size", "80",
    "--operator-cost", "2500:3500", "--external-speed", "700:900", "--road-cost", "1200:2000"};

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& more) {
    head.insert(head.end(), kUnit.begin(), kUnit.end());
    head.insert(head.end(), more.begin(), more.end());
    return head;
}

// The text of "name": "..." in a JSON document.
std::string jsonText(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\": \"";
    const size_t at = json.find(key);
    if (at == std::string::npos) {
        return {};
    }
    const size_t start = at + key.size();
    return json.substr(start, json.find('"', start) - start);
}

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(path) << text;
    return path;
}

}  // namespace

// Every new option refuses what it cannot take: exit status 2, nothing on
// stdout, and a message naming the option.
TEST(CliBeliefs, EveryNewUsageErrorExitsTwoWithNothingOnStdout) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"decide", "--harvest-volume", "20:35:30"}, "--harvest-volume"},
        {{"decide", "--harvest-volume", "20:2x:30"}, "--harvest-volume"},
        {{"decide", "--external-yarding-distance", "10:12:15"}, "--external-yarding-distance"},
        {{"sweep", "--harvest-volume", "20:25:30"}, "--harvest-volume"},
        {{"simulate", "--harvest-volume", "20:25:30"}, "--harvest-volume"},
        {{"decide", "--shape", "round"}, "--shape"},
        {{"decide", "--correlate", "harvest-volume:turn-volume=1"}, "--correlate"},
        {{"decide", "--correlate", "harvest-volume:turn-volume"}, "--correlate"},
        {{"decide", "--correlate", "harvest-volume:harvest-volume=0.5"}, "--correlate"},
        {{"decide", "--correlate", "harvest-volume:external-yarding-distance=0.5"}, "--correlate"},
        {{"decide", "--correlate", "volume:turn-volume=0.5"}, "--correlate"},
        {{"decide", "--voi-bins", "1"}, "--voi-bins"},
        {{"compare", "--unit", "a.qvunit"}, "--against"},
        {{"unit", "--unit-size", "50:40:60"}, "--unit-size"},
    };
    for (const auto& [args, option] : cases) {
        const CliRun r = runTool(args);
        EXPECT_EQ(r.status, 2) << args[1] << " " << args[2] << ": " << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_NE(r.err.find(option), std::string::npos) << r.err;
    }
    // Pairs that cannot hold together are all named, the one that can is not.
    const CliRun r =
        runTool({"decide", "--correlate", "harvest-volume:turn-volume=0.9", "--correlate", "turn-volume:unit-size=0.9",
                 "--correlate", "harvest-volume:unit-size=-0.9", "--correlate", "operator-cost:road-cost=0.5"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    for (const char* pair :
         {"harvest-volume:turn-volume=0.9", "turn-volume:unit-size=0.9", "harvest-volume:unit-size=-0.9"}) {
        EXPECT_NE(r.err.find(pair), std::string::npos) << r.err;
    }
    EXPECT_EQ(r.err.find("operator-cost"), std::string::npos) << r.err;
}

// A most likely value moves the cost the way the engineer expects: a
// cruise that most likely sits near the top of its range makes the unit
// cheaper per mbf than one near the bottom, at the same seed.
TEST(CliBeliefs, AModeNearTheHighOfTheVolumeLowersTheExpectedCost) {
    double cost[2];
    int i = 0;
    for (const char* volume : {"20:21:30", "20:29:30"}) {
        const CliRun r = runTool(with({"decide"}, {"--harvest-volume", volume, "--shape", "pert", "--scenarios", "4000",
                                                   "--seed", "9", "--format", "json"}));
        ASSERT_EQ(r.status, 0) << r.err;
        cost[i++] = jsonNumber(r.out, "meanCost");
    }
    EXPECT_LT(cost[1], cost[0]);
}

// Both patterns on the same scenarios: each side recommends what a run of
// that pattern alone recommends with the same seed, the difference is b's
// mean at its choice less a's, and the choice goes to the cheaper.
TEST(CliBeliefs, ComparePatternsMatchesEachPatternsOwnRun) {
    const std::vector<std::string> run{"--scenarios", "3000", "--seed", "4", "--format", "json"};
    const CliRun both = runTool(with({"decide", "--compare-patterns"}, run));
    ASSERT_EQ(both.status, 0) << both.err;
    double alone[2];
    int i = 0;
    for (const char* pattern : {"parallel", "fan"}) {
        std::vector<std::string> more = run;
        more.insert(more.end(), {"--pattern", pattern});
        const CliRun r = runTool(with({"decide"}, more));
        ASSERT_EQ(r.status, 0) << r.err;
        alone[i++] = jsonNumber(r.out, "meanCost");
    }
    const double a = jsonNumber(both.out, "meanCost", 0);
    const double b = jsonNumber(both.out, "meanCost", 1);
    EXPECT_EQ(a, alone[0]);
    EXPECT_EQ(b, alone[1]);
    EXPECT_NEAR(jsonNumber(both.out, "meanDifference"), b - a, 1e-9);
    const double share = jsonNumber(both.out, "pACheaper");
    EXPECT_TRUE(share >= 0 && share <= 1) << share;
    EXPECT_EQ(jsonText(both.out, "choose"), b < a ? "b" : "a");
    EXPECT_NE(both.out.find("\"voi\""), std::string::npos);
}

// A unit file keeps the beliefs (as version 2), decide reads them back as
// if given on the command line, and a unit compared with itself differs in
// no scenario.
TEST(CliBeliefs, UnitFilesCarryBeliefsAndAUnitAgainstItselfDiffersInNoScenario) {
    const std::vector<std::string> beliefs{
        "--harvest-volume", "20:24:30", "--shape", "pert", "--correlate", "harvest-volume:turn-volume=0.5"};
    const CliRun plain = runTool(with({"unit"}, {}));
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(jsonNumber(plain.out, "version"), 1);
    const CliRun believed = runTool(with({"unit"}, beliefs));
    ASSERT_EQ(believed.status, 0) << believed.err;
    EXPECT_EQ(jsonNumber(believed.out, "version"), 2);
    EXPECT_EQ(jsonNumber(believed.out, "mode"), 24);
    EXPECT_EQ(jsonNumber(believed.out, "rho"), 0.5);
    const std::string path = writeFile("cli-beliefs-unit.qvunit", believed.out);

    const std::vector<std::string> run{"--scenarios", "2000", "--seed", "3", "--format", "json"};
    std::vector<std::string> fromFile{"decide", "--unit", path};
    fromFile.insert(fromFile.end(), run.begin(), run.end());
    const CliRun viaFile = runTool(fromFile);
    const CliRun viaOptions = runTool(with({"decide"}, [&] {
        std::vector<std::string> more = beliefs;
        more.insert(more.end(), run.begin(), run.end());
        return more;
    }()));
    ASSERT_EQ(viaFile.status, 0) << viaFile.err;
    EXPECT_EQ(viaFile.out, viaOptions.out);

    std::vector<std::string> compare{"compare", "--unit", path, "--against", path};
    compare.insert(compare.end(), run.begin(), run.end());
    const CliRun self = runTool(compare);
    ASSERT_EQ(self.status, 0) << self.err;
    const std::string difference = self.out.substr(self.out.find("\"meanDifference\""));
    for (const char* figure : {"meanDifference", "p10", "p90", "pACheaper"}) {
        EXPECT_EQ(jsonNumber(difference, figure), 0) << figure;
    }
    std::remove(path.c_str());
}

// Two units of different extents: the table leaves the shorter one's cells
// blank past its last step, and each side lists its own steps alone.
TEST(CliBeliefs, ComparisonOfUnequalExtentsBlanksTheShorterSidesMissingSteps) {
    const std::string longer = writeFile("cli-compare-longer.qvunit", runTool(with({"unit"}, {})).out);
    const std::string shorter = writeFile("cli-compare-shorter.qvunit", runTool(with({"unit"}, {"--eyd", "12"})).out);
    const std::vector<std::string> run{"compare",     "--unit", longer,   "--against", shorter,
                                       "--scenarios", "200",    "--seed", "6"};
    const CliRun table = runTool(run);
    ASSERT_EQ(table.status, 0) << table.err;
    const std::string figure = " +\\d+\\.\\d\\d";
    EXPECT_TRUE(std::regex_search(table.out, std::regex("\n +12 +1200(" + figure + "){6}\n"))) << table.out;
    EXPECT_TRUE(std::regex_search(table.out, std::regex("\n +15 +1500(" + figure + "){3}( +-){3}\n"))) << table.out;

    std::vector<std::string> json = run;
    json.insert(json.end(), {"--format", "json"});
    const CliRun document = runTool(json);
    ASSERT_EQ(document.status, 0) << document.err;
    const size_t sideB = document.out.find("\"b\": {");
    EXPECT_EQ(quorvale::testing::count(document.out.substr(0, sideB), "\"regret\""), 15);
    EXPECT_EQ(quorvale::testing::count(document.out.substr(sideB), "\"regret\""), 12);
    EXPECT_EQ(document.out.find("\"stddev\""), std::string::npos);
    std::remove(longer.c_str());
    std::remove(shorter.c_str());
}
