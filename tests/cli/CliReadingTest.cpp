// How the tool reads its variables and unit files: what it does not read as
// written is named on stderr, --strict refuses it, and the inputs are those
// the Variables window holds once it has taken them in.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cli/CliTestSupport.h"
#include "cli/CommandLine.h"

using namespace quorvale;
using quorvale::testing::CliRun;
using quorvale::testing::count;
using quorvale::testing::runTool;

namespace {

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Each command, small enough to run quickly.
const std::vector<std::vector<std::string>> kCommands = {
    {"sweep", "--format", "csv"},
    {"sweep", "--case", "average", "--format", "csv"},
    {"simulate", "--eyd", "3", "--seed", "4", "--format", "csv"},
    {"decide", "--eyd", "3", "--seed", "4", "--scenarios", "200", "--format", "csv"},
    {"unit"},
};

std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + "quorvale-reading-" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace

TEST(CliReading, EntriesNotReadAsTypedAreNamedAndStrictRefusesThem) {
    const std::vector<std::string> mistyped = {"--unit-size",      "8O",  "--road-cost", "1200:2OOO",
                                               "--harvest-volume", "80,5"};
    const std::vector<std::string> asRead = {"--unit-size", "8", "--road-cost", "1200:2", "--harvest-volume", "805"};
    const std::string lines =
        "quorvale-cli: --unit-size \"8O\" read as 8\n"
        "quorvale-cli: --road-cost \"2OOO\" read as 2\n"
        "quorvale-cli: --harvest-volume \"80,5\" read as 805\n";
    for (const auto& command : kCommands) {
        const CliRun r = runTool(with(command, mistyped));
        ASSERT_EQ(r.status, 0) << command[0] << r.err;
        EXPECT_EQ(r.err.substr(0, lines.size()), lines) << command[0];
        // Used as the numbers named: the same output as those typed.
        const CliRun typed = runTool(with(command, asRead));
        EXPECT_EQ(r.out, typed.out) << command[0];
        EXPECT_EQ(count(typed.err, "read as"), 0) << typed.err;

        const CliRun strict = runTool(with(with(command, mistyped), {"--strict"}));
        EXPECT_EQ(strict.status, 2) << command[0];
        EXPECT_TRUE(strict.out.empty()) << command[0];
        EXPECT_EQ(strict.err,
                  lines + "quorvale-cli " + command[0] +
                      ": --strict: not every entry is read as it is written (see above); nothing was run\n");
        EXPECT_EQ(runTool(with(with(command, asRead), {"--strict"})).status, 0) << command[0];
    }
    // A number as the locale writes it is read as typed; a repair and a
    // terminal's escape sequence are named as such.
    EXPECT_EQ(runTool({"sweep", "--unit-size", "1,500", "--eyd", "2", "--strict"}).status, 0);
    const CliRun odd = runTool({"sweep", "--eyd", "2", "--unit-size", "-80", "--harvest-volume", "5\x1b[31m"});
    EXPECT_NE(odd.err.find("quorvale-cli: --unit-size \"-80\" read as 60 (not a usable number: the default)\n"),
              std::string::npos)
        << odd.err;
    EXPECT_NE(odd.err.find("quorvale-cli: --harvest-volume \"5\\x1b[31m\" read as 5\n"), std::string::npos) << odd.err;
}

// The first Low sweep reads the entries as typed, as the window's analysis
// on leaving a field does; every other analysis reads the one-decimal form
// the window then shows, and says so.
TEST(CliReading, AnalysesAfterTheFirstReadTheOneDecimalFormAndSaySo) {
    const CliRun low = runTool({"sweep", "--turn-volume", "412.75", "--eyd", "5", "--format", "csv"});
    EXPECT_TRUE(low.err.empty()) << low.err;
    EXPECT_NE(low.out, runTool({"sweep", "--turn-volume", "412.8", "--eyd", "5", "--format", "csv"}).out);
    for (const auto& command : kCommands) {
        if (command.size() > 1 && command[1] == "--format") {
            continue;  // the low sweep above
        }
        const CliRun r = runTool(with(command, {"--turn-volume", "412.75"}));
        EXPECT_EQ(
            r.err,
            "quorvale-cli: --turn-volume \"412.75\" read as 412.8 (one decimal, as the Variables window keeps it)\n")
            << command[0];
        EXPECT_EQ(r.out, runTool(with(command, {"--turn-volume", "412.8"})).out) << command[0];
    }
}

// With no variables the tool answers for the inputs the window shows at
// start-up, where the Low analysis has written the corrected Low corridor
// correction time back: the window's 0.5 to 1, not 1 to 1 corrected at
// every draw.
TEST(CliReading, WithoutVariablesTheToolAnswersForTheWindowsStartUpInputs) {
    for (const auto& command : kCommands) {
        const CliRun plain = runTool(command);
        ASSERT_EQ(plain.status, 0) << plain.err;
        EXPECT_TRUE(plain.err.empty()) << plain.err;
        EXPECT_EQ(plain.out, runTool(with(command, {"--corridor-correction-time", "0.5:1"})).out) << command[0];
    }
    // A Low correction time at or above the fixed corridor time is taken
    // in as half of it, without a note: that is the rule, not a reading.
    const std::vector<std::string> decide = kCommands[3];
    const CliRun high = runTool(with(decide, {"--fixed-corridor-time", "1.2", "--corridor-correction-time", "3:0.9"}));
    EXPECT_TRUE(high.err.empty()) << high.err;
    EXPECT_EQ(high.out,
              runTool(with(decide, {"--fixed-corridor-time", "1.2", "--corridor-correction-time", "0.6:0.9"})).out);
}

// A unit file in another form than the fixed one means the same numbers,
// read with a line for each entry and the value taken.
TEST(CliReading, UnitFileNumbersNotInTheFixedFormAreNamed) {
    const CliRun fixed = runTool({"unit", "--harvest-volume", "20.5:30", "--eyd", "4", "--unit-size", "8O"});
    ASSERT_EQ(fixed.status, 0);
    EXPECT_NE(fixed.out.find("\"unit-size\": [\n      \"8\",\n      \"8\"\n    ]"), std::string::npos) << fixed.out;
    const std::string path = writeFile("fixed.qvunit", fixed.out);

    // A user whose locale writes a decimal comma gets texts in that form.
    cli::CommonOptions german;
    german.locale = NumberLocale::german();
    ASSERT_NO_THROW(cli::readUnitOption(path, german));
    EXPECT_EQ(german.entries[lowEntry(HarvestVolume)], std::optional<std::string>("20,5"));

    // The same unit as an earlier version wrote it under a comma locale.
    std::string comma = fixed.out;
    comma.replace(comma.find("\"20.5\""), 6, "\"20,5\"");
    comma.replace(comma.find("\"30\""), 4, "\"30,0\"");
    comma.replace(comma.find("\"8\""), 3, "\"8O\"");
    const std::string legacy = writeFile("comma.qvunit", comma);
    const CliRun r = runTool({"sweep", "--unit", legacy, "--format", "csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, runTool({"sweep", "--unit", path, "--format", "csv"}).out);
    const std::string otherForm = " (unit files write numbers with \".\" as the decimal point and no grouping)\n";
    EXPECT_EQ(r.err, "quorvale-cli: " + legacy + ": harvest-volume Low \"20,5\" read as 20.5" + otherForm +
                         "quorvale-cli: " + legacy + ": harvest-volume High \"30,0\" read as 30" + otherForm +
                         "quorvale-cli: " + legacy + ": unit-size Low \"8O\" read as 8\n");
    const CliRun strict = runTool({"decide", "--unit", legacy, "--strict"});
    EXPECT_EQ(strict.status, 2);
    EXPECT_TRUE(strict.out.empty());
    std::remove(path.c_str());
    std::remove(legacy.c_str());
}
