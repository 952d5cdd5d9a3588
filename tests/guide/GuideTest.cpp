// The user guide against the program: every figure the command-line tool
// writes, every input and every link within the guide is there, and the
// decision it quotes for the example unit is the one the tool gives.

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>

#include "cli/CliTestSupport.h"
#include "guide/GuideOutline.h"
#include "inputs/InputRules.h"
#include "units/UnitDocument.h"

using namespace quorvale;
using quorvale::testing::runTool;

namespace {

const std::string kSourceDir = QUORVALE_SOURCE_DIR;

const std::string& guide() {
    static const std::string text = [] {
        std::ostringstream bytes;
        bytes << std::ifstream(kSourceDir + "/docs/guide.md", std::ios::binary).rdbuf();
        return bytes.str();
    }();
    return text;
}

bool quotes(const std::string& text) { return guide().find(text) != std::string::npos; }

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, at);) {
        parts.push_back(part);
    }
    return parts;
}

}  // namespace

// The names come from the tool's own CSV headings: a figure the model or an
// analysis gains shows up there, and the guide must explain it.
TEST(Guide, ExplainsEveryFigureAndInputOfTheProgram) {
    ASSERT_FALSE(guide().empty()) << "no docs/guide.md under " << kSourceDir;
    for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
             {"sweep", "--format", "csv", "--eyd", "2"},
             {"simulate", "--format", "csv", "--eyd", "2", "--seed", "1"},
             {"decide", "--format", "csv", "--eyd", "2", "--seed", "1", "--scenarios", "10"}}) {
        const auto run = runTool(command);
        ASSERT_EQ(run.status, 0) << run.err;
        // Every name in the output, the headings and the names of decide's
        // leading block alike; the figures are numbers.
        for (const std::string& line : split(run.out, '\n')) {
            for (const std::string& name : split(line, ',')) {
                if (!name.empty() && std::isalpha(static_cast<unsigned char>(name[0])) && name != "false" &&
                    name != "true") {
                    EXPECT_TRUE(quotes('`' + name + '`'))
                        << "the guide does not explain `" << name << "` of " << command[0];
                }
            }
        }
    }
    for (const VariableRule& rule : variableRules()) {
        EXPECT_TRUE(quotes("`--" + std::string(rule.option) + '`') && quotes(std::string(rule.caption))) << rule.option;
    }
}

// The batch rows' columns, read from the header of a real run: the rows
// below it hold values (`fan`), not names.
TEST(Guide, ItsBatchSectionExplainsEveryColumnOfTheBatchRows) {
    const auto run = runTool(
        {"batch", kSourceDir + "/examples", "--eyd", "2", "--seed", "1", "--scenarios", "10", "--threads", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto start = guide().find("\n### batch\n");
    ASSERT_NE(start, std::string::npos) << "no batch section in the guide";
    const std::string section = guide().substr(start, guide().find("\n#", start + 1) - start);
    const std::vector<std::string> names = split(split(run.out, '\n').front(), ',');
    ASSERT_GT(names.size(), 14u) << run.out;
    for (const std::string& name : names) {
        EXPECT_NE(section.find('`' + name + '`'), std::string::npos)
            << "the guide's batch section does not explain `" << name << '`';
    }
}

TEST(Guide, EveryLinkReachesAHeading) {
    std::set<std::string> anchors;
    for (const GuideHeading& heading : guideHeadings(guide())) {
        anchors.insert(heading.anchor);
    }
    const std::vector<std::string> links = guideLinks(guide());
    ASSERT_FALSE(links.empty());
    for (const std::string& link : links) {
        EXPECT_TRUE(anchors.count(link)) << "no heading for #" << link;
    }
}

TEST(Guide, QuotesTheToolsOwnDecisionForTheExampleUnits) {
    const std::string parallel = kSourceDir + "/examples/example-parallel.qvunit";
    const UnitReadResult a = readUnitFile(parallel);
    const UnitReadResult b = readUnitFile(kSourceDir + "/examples/example-fan.qvunit");
    ASSERT_TRUE(a && b) << a.error << b.error;
    EXPECT_TRUE(a.warnings.empty() && b.warnings.empty());
    EXPECT_EQ(b.document->pattern, CorridorPattern::FanShaped);
    EXPECT_EQ(a.document->entries, b.document->entries) << "the two examples are one unit";

    const auto run = runTool({"decide", "--unit", parallel, "--seed", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    int quoted = 0;
    for (const std::string& line : split(run.out, '\n')) {
        if (line.rfind("Recommended:", 0) == 0 || line.rfind("Within ", 0) == 0 || line.rfind("EVPI:", 0) == 0 ||
            line.rfind("Lay out at", 0) == 0) {
            EXPECT_TRUE(quotes(line)) << "the guide does not quote: " << line;
            ++quoted;
        }
    }
    EXPECT_EQ(quoted, 4);
}
