// The user guide against the program: every figure the command-line tool
// writes, every input and every link within the guide is there, the example
// units are sound, and the decision the guide quotes for the example is the
// one the tool gives.

#include <gtest/gtest.h>

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
        std::ifstream file(kSourceDir + "/docs/guide.md", std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }();
    return text;
}

std::vector<std::string> split(const std::string& line, char at) {
    std::vector<std::string> parts;
    std::istringstream in(line);
    for (std::string part; std::getline(in, part, at);) {
        parts.push_back(part);
    }
    return parts;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out = split(text, '\n');
    std::erase(out, std::string());
    return out;
}

}  // namespace

// The names come from the tool's own CSV headings: a figure the model or an
// analysis gains shows up there, and the guide must explain it.
TEST(Guide, ExplainsEveryFigureTheToolWrites) {
    ASSERT_FALSE(guide().empty()) << "docs/guide.md not found under " << kSourceDir;
    const std::vector<std::vector<std::string>> commands{
        {"sweep", "--format", "csv", "--eyd", "2"},
        {"simulate", "--format", "csv", "--eyd", "2", "--seed", "1"},
        {"decide", "--format", "csv", "--eyd", "2", "--seed", "1", "--scenarios", "10", "--threads", "1"},
    };
    for (const auto& command : commands) {
        const auto run = runTool(command);
        ASSERT_EQ(run.status, 0) << command[0] << ": " << run.err;
        const std::vector<std::string> names = split(lines(run.out).front(), ',');
        ASSERT_GT(names.size(), 5u) << command[0];
        for (const std::string& name : names) {
            EXPECT_NE(guide().find('`' + name + '`'), std::string::npos)
                << "the guide does not name `" << name << "` of " << command[0];
        }
    }
}

TEST(Guide, ExplainsEveryInputAndPattern) {
    for (const VariableRule& rule : variableRules()) {
        EXPECT_NE(guide().find("`--" + std::string(rule.option) + '`'), std::string::npos) << rule.option;
        EXPECT_NE(guide().find(std::string(rule.caption)), std::string::npos) << rule.caption;
    }
    for (CorridorPattern pattern : {CorridorPattern::Parallel, CorridorPattern::FanShaped}) {
        EXPECT_NE(guide().find(std::string(patternCaption(pattern))), std::string::npos);
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

TEST(Guide, ExampleUnitsAreSoundAndTheQuotedDecisionIsTheToolsOwn) {
    const std::string parallel = kSourceDir + "/examples/example-parallel.qvunit";
    const std::string fan = kSourceDir + "/examples/example-fan.qvunit";
    const UnitReadResult a = readUnitFile(parallel);
    const UnitReadResult b = readUnitFile(fan);
    ASSERT_TRUE(a) << a.error;
    ASSERT_TRUE(b) << b.error;
    EXPECT_TRUE(a.warnings.empty());
    EXPECT_TRUE(b.warnings.empty());
    EXPECT_EQ(a.document->pattern, CorridorPattern::Parallel);
    EXPECT_EQ(b.document->pattern, CorridorPattern::FanShaped);
    EXPECT_EQ(a.document->entries, b.document->entries) << "the two examples are one unit";

    // The run the guide quotes, with its seed; its result lines and the
    // summary must stand in the guide as the tool prints them.
    const auto run = runTool({"decide", "--unit", parallel, "--seed", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    int quoted = 0;
    for (const std::string& line : out) {
        if (line.rfind("Recommended:", 0) == 0 || line.rfind("Within ", 0) == 0 || line.rfind("EVPI:", 0) == 0) {
            EXPECT_NE(guide().find(line), std::string::npos) << "the guide does not quote: " << line;
            ++quoted;
        }
    }
    EXPECT_EQ(quoted, 3);
    EXPECT_NE(guide().find(out.back()), std::string::npos) << "the guide does not quote the summary: " << out.back();
}
