// How every command reads its options: each value is checked as it comes,
// in the order given, a word that is no option is named before any value,
// and whole numbers are read in decimal.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliTestSupport.h"

using quorvale::testing::CliRun;
using quorvale::testing::runTool;

namespace {

// The one error line names `what`, and nothing is printed.
void expectRefused(const std::vector<std::string>& args, const std::string& what) {
    const CliRun r = runTool(args);
    EXPECT_EQ(r.status, 2) << args[0] << ' ' << what;
    EXPECT_TRUE(r.out.empty()) << what;
    EXPECT_EQ(r.err.find(what), r.err.find(args[0] + ": ") + args[0].size() + 2) << r.err;
}

}  // namespace

TEST(CliOptions, ValuesAreCheckedInTheOrderGivenAfterWordsThatAreNoOption) {
    // The first bad value given is the one named, whichever option it is.
    expectRefused({"sweep", "--case", "bad", "--pattern", "bad"}, "option --case:");
    expectRefused({"sweep", "--pattern", "bad", "--case", "bad"}, "option --pattern:");
    expectRefused({"decide", "--threads", "0", "--seed", "x"}, "option --threads:");
    expectRefused({"decide", "--voi-bins", "1", "--shape", "bad"}, "option --voi-bins:");
    expectRefused({"decide", "--shape", "bad", "--voi-bins", "1"}, "option --shape:");
    expectRefused({"unit", "--target", "0", "--name", std::string(300, 'n')}, "option --target:");
    // A bad value is refused even when a later one would replace it.
    expectRefused({"simulate", "--seed", "x", "--seed", "1"}, "option --seed:");
    // An unknown option or a stray word wherever it stands comes first.
    expectRefused({"sweep", "--case", "bad", "--no-such-option"}, "unknown option --no-such-option");
    expectRefused({"decide", "--band", "200", "stray"}, "unexpected argument 'stray'");
    // Help asked for with a value is no request for help.
    expectRefused({"sweep", "--help=x"}, "option --help takes no value");
    // A unit file that cannot be read exits 1, unless a bad value comes
    // before it.
    EXPECT_EQ(runTool({"sweep", "--unit", "no-such.qvunit", "--format", "xml"}).status, 1);
    expectRefused({"sweep", "--format", "xml", "--unit", "no-such.qvunit"}, "option --format:");
    expectRefused({"compare", "--scenarios", "0", "--format", "xml"}, "option --scenarios:");
    // The later of two good values holds.
    EXPECT_EQ(runTool({"sweep", "--eyd", "3", "--format", "json", "--format", "csv"}).out,
              runTool({"sweep", "--eyd", "3", "--format", "csv"}).out);
}

// A flag given a value, even an empty one, is refused in its turn among the
// values; every use of a flag is told apart from the others.
TEST(CliOptions, FlagsTakeNoValue) {
    expectRefused({"sweep", "--eyd", "3", "--strict=0"}, "option --strict takes no value");
    expectRefused({"unit", "--strict="}, "option --strict takes no value");
    expectRefused({"decide", "--scenarios", "10", "--compare-patterns=1"}, "option --compare-patterns takes no value");
    expectRefused({"sweep", "--strict", "--eyd", "3", "--strict=1"}, "option --strict takes no value");
    expectRefused({"sweep", "--case", "bad", "--strict=0"}, "option --case:");
    expectRefused({"sweep", "--strict=x", "--case", "bad"}, "option --strict takes no value");
    expectRefused({"simulate", "--strict=0", "--no-such-option"}, "unknown option --no-such-option");
    EXPECT_EQ(runTool({"sweep", "--eyd", "3", "--strict", "--strict"}).status, 0);
}

// batch reads its own options wherever they stand after the paths, each in
// its turn and before any option it hands on to decide, which gets the rest
// as given, "--" included.
TEST(CliOptions, BatchReadsItsOwnOptionsFirstAndHandsOnTheRestAsGiven) {
    expectRefused({"batch", "a.qvunit", "--seed", "x", "--threads"}, "option --seed:");
    expectRefused({"batch", "a.qvunit", "--threads", "--seed", "x"}, "option --threads needs a value");
    expectRefused({"batch", "a.qvunit", "--no-such-option", "--shard", "0/1"}, "--shard \"0/1\"");
    expectRefused({"batch", "a.qvunit", "--", "--format=xml"}, "--format \"xml\"");
    expectRefused({"batch", "a.qvunit", "--seed", "1", "--", "--scenarios", "10"}, "unexpected argument '--'");
    expectRefused({"batch", "a.qvunit", "--scenarios", "--", "--seed=1"}, "option --scenarios needs a value");
    expectRefused({"batch", "--eyd", "3", "--seed=2"}, "no unit files");
}

TEST(CliOptions, WholeNumbersAreDecimalWithNoPrefixOrSign) {
    const std::vector<std::vector<std::string>> runs{
        {"simulate", "--eyd", "3", "--target", "40", "--format", "csv", "--seed"},
        {"decide", "--eyd", "3", "--scenarios", "100", "--format", "csv", "--seed"},
    };
    for (std::vector<std::string> args : runs) {
        args.push_back("10");
        const CliRun ten = runTool(args);
        ASSERT_EQ(ten.status, 0) << ten.err;
        args.back() = "010";  // ten, not eight
        EXPECT_EQ(runTool(args).out, ten.out) << args[0];
        args.back() = "8";
        EXPECT_NE(runTool(args).out, ten.out) << args[0];
        for (const char* refused : {"0x10", "+10", " 10", "1e1", "-0"}) {
            args.back() = refused;
            expectRefused(args, "option --seed: '" + std::string(refused) + "'");
        }
    }
    expectRefused({"decide", "--threads", "01x"}, "option --threads:");
    expectRefused({"report", "--output", "r.pdf", "--scenarios", "0"}, "option --scenarios:");
}
