// The decide command line a report prints to repeat a decision analysis:
// run as printed, it gives the same answer.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliTestSupport.h"
#include "cli/RepeatCommand.h"
#include "model/RangeSweep.h"
#include "units/UnitDocument.h"

using namespace quorvale;

namespace {

struct Nowhere final : SweepSink {
    void prepare(int) override {}
    void writeStep(int, const YardingResult&) override {}
};

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> list;
    for (std::string word; in >> word;) {
        list.push_back(word);
    }
    return list;
}

// Runs the command as printed and checks it gives r's figures.
void expectRepeats(const std::string& command, const DecisionResult& r) {
    std::vector<std::string> args = words(command);
    ASSERT_FALSE(args.empty()) << "no command";
    args.erase(args.begin());
    args.insert(args.end(), {"--format", "json"});
    const quorvale::testing::CliRun run = quorvale::testing::runTool(args);
    ASSERT_EQ(run.status, 0) << command << '\n' << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["recommended"]["step"], r.recommendedStep) << command;
    EXPECT_EQ(doc["recommended"]["meanCost"], r.recommendedMean) << command;
    EXPECT_EQ(doc["band"]["fromEyd"], r.bandFromEyd) << command;
    EXPECT_EQ(doc["band"]["toEyd"], r.bandToEyd) << command;
    EXPECT_EQ(doc["evpi"], r.evpi) << command;
    EXPECT_EQ(doc["voi"][0]["evppi"], r.voi.at(0).evppi) << command;
    EXPECT_EQ(doc["summary"], decisionSummary(r)) << command;
}

}  // namespace

TEST(CliRepeatCommand, RepeatsTheAnalysisFigureForFigure) {
    // As the window holds a unit: texts as typed, a repaired entry, and the
    // corridor correction its Low analysis wrote back.
    InMemoryInputs inputs;
    inputs.setPattern(CorridorPattern::FanShaped);
    for (const auto& [entry, text] :
         std::vector<std::pair<int, const char*>>{{lowEntry(HarvestVolume), "20.0"},
                                                  {highEntry(HarvestVolume), "30.5"},
                                                  {highEntry(ExternalYardingDistance), "16"},
                                                  {lowEntry(OperatorCost), "2500"},
                                                  {highEntry(OperatorCost), "3500"},
                                                  {lowEntry(LifeCycleRoadCost), "-4"}}) {
        inputs.setEntryText(entry, text);
    }
    GraphMarks low;
    low.low = true;
    Nowhere nowhere;
    graph_itmain(inputs, low, nowhere);
    DecisionSettings settings;
    settings.pattern = CorridorPattern::FanShaped;
    settings.seed = 9;
    settings.scenarios = 1500;
    settings.bandTolerance = 0.02;
    // As the window runs it: with what is worth measuring.
    settings.voiBins = DecisionSettings::kDefaultVoiBins;
    const DecisionResult r = runDecisionAnalysis(RunInputs(inputs), settings);
    ASSERT_GT(r.recommendedStep, 0);

    const std::string command = cli::decideCommandFor(inputs, r);
    EXPECT_EQ(command.rfind("quorvale-cli decide --pattern fan --harvest-volume 20:30.5 ", 0), 0u) << command;
    EXPECT_NE(command.find(" --band 2 --seed 9 --scenarios 1500"), std::string::npos) << command;
    EXPECT_EQ(command.find("--turn-volume"), std::string::npos) << command;
    expectRepeats(command, r);
}

TEST(CliRepeatCommand, RepeatsMostLikelyValuesShapesAndLinkedInputs) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(HarvestVolume), "20");
    inputs.setEntryText(highEntry(HarvestVolume), "30");
    inputs.setEntryText(lowEntry(OperatorCost), "2500");
    inputs.setEntryText(highEntry(OperatorCost), "3500");
    // Taken in as a static analysis takes them, as in the window.
    GraphMarks low;
    low.low = true;
    Nowhere nowhere;
    graph_itmain(inputs, low, nowhere);
    Beliefs beliefs;
    beliefs.variables[HarvestVolume] = {24.1, BeliefShape::Pert};
    beliefs.variables[OperatorCost] = {2750, BeliefShape::Pert};
    beliefs.correlate(HarvestVolume, OperatorCost, 0.55);
    DecisionSettings settings;
    settings.seed = 21;
    settings.scenarios = 1200;
    settings.voiBins = DecisionSettings::kDefaultVoiBins;
    const auto run = [&] {
        return runDecisionAnalysis(DecisionAlternative{RunInputs(inputs), beliefs, settings.pattern, ""}, settings);
    };
    const DecisionResult pert = run();
    ASSERT_GT(pert.recommendedStep, 0);
    cli::RepeatedRun repeated{beliefs, false, "", ""};
    const std::string command = cli::decideCommandFor(inputs, pert, repeated);
    EXPECT_NE(command.find(" --harvest-volume 20:24.1:30 "), std::string::npos) << command;
    EXPECT_NE(command.find(" --operator-cost 2500:2750:3500 "), std::string::npos) << command;
    EXPECT_NE(command.find(" --shape pert "), std::string::npos) << command;
    EXPECT_NE(command.find(" --correlate harvest-volume:operator-cost=0.55 "), std::string::npos) << command;
    expectRepeats(command, pert);

    // Triangular everywhere is the command line's default shape.
    beliefs.variables[HarvestVolume].shape = BeliefShape::Triangular;
    beliefs.variables[OperatorCost].shape = BeliefShape::Triangular;
    const DecisionResult triangular = run();
    repeated.beliefs = beliefs;
    const std::string plain = cli::decideCommandFor(inputs, triangular, repeated);
    EXPECT_EQ(plain.find("--shape"), std::string::npos) << plain;
    expectRepeats(plain, triangular);

    // Both shapes: only a unit file says that. Without one there is no
    // command; with one the command names it, quoted for the shell.
    beliefs.variables[OperatorCost].shape = BeliefShape::Pert;
    const DecisionResult mixed = run();
    repeated.beliefs = beliefs;
    EXPECT_EQ(cli::decideCommandFor(inputs, mixed, repeated), "");
    const std::string dir = ::testing::TempDir() + "repeat unit";
    std::filesystem::create_directories(dir);
    repeated.unitFile = dir + "/north's.qvunit";
    UnitDocument unit = unitFromInputs(inputs, "0.25");
    unit.beliefs = beliefs;
    std::ofstream(repeated.unitFile) << writeUnitDocument(unit);
    const std::string named = cli::decideCommandFor(inputs, mixed, repeated);
    EXPECT_EQ(named.rfind("quorvale-cli decide --unit '", 0), 0u) << named;
    // The shell's reading of the quoted name is the file's.
    std::vector<std::string> args = {"decide", "--unit", repeated.unitFile, "--seed", "21", "--scenarios", "1200"};
    EXPECT_EQ(named, "quorvale-cli decide --unit " + cli::shellWord(repeated.unitFile) + " --seed 21 --scenarios 1200");
    EXPECT_EQ(cli::shellWord("a'b c"), "'a'\\''b c'");
    args.insert(args.end(), {"--format", "json"});
    const quorvale::testing::CliRun fromFile = quorvale::testing::runTool(args);
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    const auto doc = nlohmann::json::parse(fromFile.out);
    EXPECT_EQ(doc["recommended"]["meanCost"], mixed.recommendedMean);
    EXPECT_EQ(doc["summary"], decisionSummary(mixed));
}
