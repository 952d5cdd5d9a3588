// The decide command line a report prints to repeat a decision analysis:
// run as printed, it gives the same answer.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliTestSupport.h"
#include "cli/RepeatCommand.h"
#include "model/RangeSweep.h"

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
    std::vector<std::string> args = words(command);
    args.erase(args.begin());
    args.insert(args.end(), {"--format", "json"});
    const quorvale::testing::CliRun run = quorvale::testing::runTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["recommended"]["step"], r.recommendedStep);
    EXPECT_EQ(doc["recommended"]["meanCost"], r.recommendedMean);
    EXPECT_EQ(doc["band"]["fromEyd"], r.bandFromEyd);
    EXPECT_EQ(doc["band"]["toEyd"], r.bandToEyd);
    EXPECT_EQ(doc["evpi"], r.evpi);
    EXPECT_EQ(doc["summary"], decisionSummary(r));
}
