#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliTestSupport.h"

using quorvale::testing::CliRun;
using quorvale::testing::count;
using quorvale::testing::jsonNumber;

namespace {

CliRun cli(const std::vector<std::string>& args) { return quorvale::testing::runTool(args); }

}  // namespace

TEST(CliSweep, JsonOfTheDefaultsReproducesTheReferenceFigures) {
    const CliRun r = cli({"sweep", "--format", "json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const std::string& j = r.out;
    EXPECT_NE(j.find("\"case\": \"low\""), std::string::npos);
    EXPECT_NE(j.find("\"pattern\": \"parallel\""), std::string::npos);
    EXPECT_EQ(jsonNumber(j, "steps"), 30);
    EXPECT_EQ(count(j, "\"step\": "), 30);
    EXPECT_EQ(jsonNumber(j, "multipleCorridorCorrection"), 0.5);
    EXPECT_NE(j.find("\"0.5\",\n    \"1.0\""), std::string::npos) << "entries 26 and 27";
    // Station 1 (row 0) and station 10 (row 9). The first "eyd" of the text
    // belongs to row 0 ("maxEyd" is another key).
    EXPECT_NEAR(jsonNumber(j, "landingSpacing", 0), 497, 0.5);
    EXPECT_EQ(jsonNumber(j, "roadDensity", 0), 20);
    EXPECT_NEAR(jsonNumber(j, "totalCost", 0), 340, 0.5);
    EXPECT_NEAR(jsonNumber(j, "landingSpacing", 9), 164, 0.5);
    EXPECT_NEAR(jsonNumber(j, "totalDays", 9), 81.9, 0.05);
    EXPECT_NEAR(jsonNumber(j, "roadDensity", 9), 5.28, 1e-12);
    EXPECT_NEAR(jsonNumber(j, "totalCost", 9), 136, 0.5);
    for (const char* field : {"eyd",
                              "landingSpacing",
                              "lyd",
                              "alyd",
                              "ayd",
                              "aeyd",
                              "corridorsPerLanding",
                              "landingsPerUnit",
                              "corridorsPerUnit",
                              "rigTimePerLanding",
                              "rigTimeTotal",
                              "roadDensity",
                              "cycleTime",
                              "totalDays",
                              "unitVolume",
                              "mbfPerDay",
                              "tonsPerDay",
                              "loadsPerDay",
                              "loggingCost",
                              "roadCost",
                              "totalCost"}) {
        EXPECT_EQ(count(j, std::string("\"") + field + "\": "), 30) << field;
    }
}

TEST(CliSweep, FanShapedJsonMatchesTheFanReferenceFigures) {
    const CliRun r = cli({"sweep", "--pattern=fan", "--format=json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NEAR(jsonNumber(r.out, "landingSpacing", 0), 764, 0.5);
    EXPECT_NEAR(jsonNumber(r.out, "totalCost", 0), 316, 0.5);
    EXPECT_NEAR(jsonNumber(r.out, "landingSpacing", 1), 641, 0.5);
    EXPECT_NEAR(jsonNumber(r.out, "totalCost", 1), 208, 0.5);
    EXPECT_EQ(jsonNumber(r.out, "corridorsPerLanding", 4), 5);
}

TEST(CliSweep, VariableOptionsTakeLowHighTextsThroughTheWindowRules) {
    // Average of 30 and 31 stations: 30 steps.
    CliRun r = cli({"sweep", "--case", "average", "--eyd", "30:31", "--format", "json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonNumber(r.out, "maxEyd"), 3050);
    EXPECT_EQ(jsonNumber(r.out, "steps"), 30);

    // A negative or empty text is repaired to the default like an emptied field.
    r = cli({"sweep", "--eyd=-3:40", "--unit-size=:60", "--harvest-volume", "abc", "--format=json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(jsonNumber(r.out, "maxEyd"), 3000);
    EXPECT_EQ(jsonNumber(r.out, "unitSize"), 60);
    EXPECT_EQ(jsonNumber(r.out, "harvestVolume"), 35);

    r = cli({"sweep", "--case", "high", "--eyd", "30:12", "--format", "csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.out, "\n"), 13);  // header and 12 rows
    EXPECT_EQ(r.out.rfind("step,eyd,landingSpacing,", 0), 0u);
}

TEST(CliSweep, UsageErrorsExitWithTwoAndPrintNothing) {
    const std::vector<std::vector<std::string>> bad{{"sweep", "--bogus"},
                                                    {"sweep", "--pattern", "radial"},
                                                    {"sweep", "--case", "median"},
                                                    {"sweep", "--format=xml"},
                                                    {"sweep", "--eyd"},
                                                    {"sweep", "--eyd", "--case", "low"},
                                                    {"sweep", "stray"},
                                                    {"frobnicate"},
                                                    {}};
    for (const auto& args : bad) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
    }
    EXPECT_NE(cli({"sweep", "--pattern", "radial"}).err.find("--pattern"), std::string::npos);
    EXPECT_NE(cli({"sweep", "--eyd"}).err.find("--eyd"), std::string::npos);
}

TEST(CliSweep, NonFiniteStepExitsWithOneNamingTheStep) {
    const CliRun r = cli({"sweep", "--operator-cost", "1e308", "--road-cost", "1e308", "--format", "json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("step 1 "), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
    EXPECT_EQ(r.out.find("inf"), std::string::npos);
    EXPECT_NE(r.out.find("\"failedStep\": 1"), std::string::npos);
}

TEST(CliSweep, HelpAndVersion) {
    CliRun r = cli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("quorvale-cli ", 0), 0u);
    r = cli({"sweep", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--harvest-volume", "--turn-volume", "--unit-size", "--road-density-factor", "--eyd",
                               "--operator-cost", "--external-speed", "--fixed-time", "--lateral-speed",
                               "--production-delay", "--fixed-landing-time", "--variable-time", "--fixed-corridor-time",
                               "--corridor-correction-time", "--road-cost", "--case", "--pattern", "--format"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(r.out.find("stations, default 30"), std::string::npos);

    // The first argument is a command, the help or the version, whole; a
    // flag with a value, given twice or clustered with another is none.
    const std::string usage = cli({"--help"}).out;
    ASSERT_EQ(usage.rfind("Usage: quorvale-cli COMMAND", 0), 0u) << usage;
    for (const char* help : {"-h", "help"}) {
        EXPECT_EQ(cli({help, "sweep"}).out, usage) << help;
    }
    EXPECT_EQ(cli({"--version", "sweep"}).out, cli({"--version"}).out);
    for (const char* odd : {"-hx", "-hh", "--help=1", "--version=", "-help", "Sweep", "--sweep", ""}) {
        r = cli({odd});
        EXPECT_EQ(r.status, 2) << odd;
        EXPECT_TRUE(r.out.empty()) << odd;
        EXPECT_EQ(r.err, std::string("quorvale-cli: unknown command '") + odd + "' (try quorvale-cli --help)\n");
    }
}

TEST(CliSweep, TableIsReadable) {
    const CliRun r = cli({"sweep"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Parallel Corridors"), std::string::npos);
    EXPECT_NE(r.out.find("$/mbf"), std::string::npos);
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\\n +10 +1000 +164\\.4")));
}

TEST(CliSweep, TableColumnsAreChosenAndTheLowestTotalCostIsNamed) {
    // The default set: narrow, with the figures a reader compares.
    CliRun r = cli({"sweep"});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(
        std::regex_search(r.out, std::regex("\\nStep +EYD +Spacing +Cycle +Days +Prod +Logging +Road +Total\\n")));
    EXPECT_NE(r.out.find("\nLowest total cost: 134.71 $/mbf at EYD 1200 ft (step 12)\n"), std::string::npos);

    r = cli({"sweep", "--columns", "totalCost,eyd", "--eyd", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\\nStep +Total +EYD\\n")));
    EXPECT_TRUE(std::regex_search(r.out, std::regex("\\n +3 +185\\.16 +300\\n")));
    EXPECT_NE(r.out.find("Lowest total cost: 185.16 $/mbf at EYD 300 ft (step 3)"), std::string::npos);
    EXPECT_EQ(cli({"sweep"}).out.find("Rig total"), std::string::npos);
    EXPECT_NE(cli({"sweep", "--columns=all"}).out.find("Rig total"), std::string::npos);

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"sweep", "--columns", "eyd,,totalCost"},
                                                {"sweep", "--columns", "cost"},
                                                {"sweep", "--columns", "eyd", "--format", "csv"}}) {
        r = cli(bad);
        EXPECT_EQ(r.status, 2) << bad[2];
        EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
        EXPECT_NE(r.err.find("--columns"), std::string::npos);
    }
}

TEST(CliSweep, LowAboveHighIsAWarningNotAnError) {
    const CliRun r = cli({"sweep", "--eyd", "30:12", "--road-cost=2000:1000", "--format", "csv"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "quorvale-cli sweep: warning: --eyd: the low value 30 is above the high value 12\n"
              "quorvale-cli sweep: warning: --road-cost: the low value 2000 is above the high value 1000\n");
    EXPECT_EQ(count(r.out, "\n"), 31);
}
