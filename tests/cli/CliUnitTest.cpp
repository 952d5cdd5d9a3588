#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cli/CliTestSupport.h"

using quorvale::testing::CliRun;
using quorvale::testing::count;
using quorvale::testing::jsonNumber;
using quorvale::testing::runTool;

namespace {

std::string tempPath(const std::string& name) { return ::testing::TempDir() + "quorvale-cli-" + name; }

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = tempPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace

TEST(CliUnit, AUnitWrittenByTheToolRunsAsItsOptionsAndLaterOptionsOverrideIt) {
    const CliRun written = runTool({"unit", "--name", "North slope", "--eyd", "25:40", "--pattern", "fan",
                                    "--harvest-volume", "1,500", "--target", "2.5"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.out.find("\"name\": \"North slope\""), std::string::npos);
    EXPECT_NE(written.out.find("\"harvest-volume\": [\n      \"1500\","), std::string::npos) << "the fixed form";
    const std::string unit = writeFile("north.qvunit", written.out);

    const CliRun fromUnit = runTool({"sweep", "--unit", unit, "--format", "json", "--case", "high"});
    ASSERT_EQ(fromUnit.status, 0) << fromUnit.err;
    EXPECT_EQ(fromUnit.out, runTool({"sweep", "--eyd", "25:40", "--pattern", "fan", "--harvest-volume", "1,500",
                                     "--format", "json", "--case", "high"})
                                .out);
    // Order decides: an option after the unit wins, one before it is replaced.
    EXPECT_EQ(jsonNumber(runTool({"sweep", "--unit", unit, "--eyd", "10", "--format", "json"}).out, "steps"), 10);
    EXPECT_EQ(jsonNumber(runTool({"sweep", "--eyd", "10", "--unit", unit, "--format", "json"}).out, "steps"), 25);
    // The unit's target is the Simulator's; --target after it overrides.
    const std::vector<std::string> simulate{"simulate", "--unit", unit,       "--eyd", "2",
                                            "--seed",   "1",      "--format", "json"};
    EXPECT_EQ(jsonNumber(runTool(simulate).out, "target"), 2.5);
    std::vector<std::string> overridden = simulate;
    overridden.insert(overridden.end(), {"--target", "3"});
    EXPECT_EQ(jsonNumber(runTool(overridden).out, "target"), 3);
    // A unit from a unit keeps what is not changed.
    const CliRun changed = runTool({"unit", "--unit", unit, "--eyd", "7"});
    EXPECT_NE(changed.out.find("\"name\": \"North slope\""), std::string::npos);
    EXPECT_NE(changed.out.find("\"eyd\": [\n      \"7\",\n      \"7\"\n    ]"), std::string::npos);
    std::remove(unit.c_str());
}

TEST(CliUnit, AFifoOrALinkToOneIsRefusedUnopenedAndNamesArePrintedEscaped) {
    // A terminal would clear the screen and start a new line at this name.
    const std::string fifo = tempPath("odd\x1b[2J\nname.qvunit");
    const std::string link = tempPath("link-to-fifo.qvunit");
    std::remove(fifo.c_str());
    std::remove(link.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink(fifo.c_str(), link.c_str()), 0);
    const std::string shown = tempPath("odd\\x1b[2J\\nname.qvunit");
    for (const std::string& file : {fifo, link}) {
        const CliRun r = runTool({"sweep", "--unit", file});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
        EXPECT_NE(r.err.find("is a FIFO (named pipe), not a unit file"), std::string::npos) << r.err;
    }
    EXPECT_EQ(runTool({"sweep", "--unit", fifo}).err.rfind("quorvale-cli sweep: " + shown + ": ", 0), 0u);
    std::remove(link.c_str());
    std::remove(fifo.c_str());
    // The same for a file that is not there.
    const CliRun missing = runTool({"decide", "--unit", fifo});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("quorvale-cli decide: " + shown + ": cannot be read: ", 0), 0u) << missing.err;
}

TEST(CliUnit, ARefusedUnitFileIsOneLineNamingTheFileAndNothingOnStdout) {
    const std::string missing = tempPath("missing.qvunit");
    const std::string broken = writeFile("broken.qvunit", "{\"format\": \"quorvale-unit\", \"version\": ");
    for (const std::string command : {"sweep", "simulate", "decide", "unit"}) {
        for (const std::string& file : {missing, broken}) {
            const CliRun r = runTool({command, "--unit", file});
            EXPECT_EQ(r.status, 1) << command << " " << file;
            EXPECT_TRUE(r.out.empty());
            EXPECT_EQ(count(r.err, "\n"), 1) << r.err;
            EXPECT_EQ(r.err.rfind("quorvale-cli " + command + ": " + file + ":", 0), 0u) << r.err;
        }
        EXPECT_EQ(runTool({command, "--unit"}).status, 2);
    }
    // Unknown keys are a warning; the unit is used.
    const CliRun written = runTool({"unit", "--eyd", "4"});
    const std::string extra =
        writeFile("extra.qvunit", "{\"colour\": \"red\"," + written.out.substr(written.out.find('{') + 1));
    const CliRun r = runTool({"sweep", "--unit", extra, "--format", "csv"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.out, "\n"), 5);
    EXPECT_NE(r.err.find("quorvale-cli sweep: warning: "), std::string::npos);
    EXPECT_NE(r.err.find("colour"), std::string::npos) << r.err;
    std::remove(broken.c_str());
    std::remove(extra.c_str());
}
