#include "cli/Cli.h"

#include <algorithm>
#include <functional>

#include <fmt/format.h>

#include "base/Texts.h"

#include "cli/DecideCommand.h"
#include "cli/OutputSink.h"
#include "cli/SimulateCommand.h"
#include "cli/SweepCommand.h"
#include "cli/UnitCommand.h"

namespace quorvale::cli {
namespace {

struct Command {
    const char* name;
    const char* summary;
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)> run;
    std::function<std::string()> help;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> list{
        {"sweep", texts::cli::kSweepSummary, runSweepCommand, sweepHelp},
        {"simulate", texts::cli::kSimulateSummary, runSimulateCommand, simulateHelp},
        {"decide", texts::cli::kDecideSummary, runDecideCommand, decideHelp},
        {"unit", texts::cli::kUnitSummary, runUnitCommand, unitHelp},
    };
    return list;
}

std::string usage() {
    std::string text = texts::cli::kUsage;
    for (const Command& c : commands()) {
        std::string name = std::string("  ") + c.name;
        name.resize(12, ' ');
        text += name + c.summary + "\n";
    }
    return text + texts::cli::kExitStatus;
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << texts::cli::kNoCommand << '\n';
        return 2;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        out << usage();
        return 0;
    }
    if (first == "--version") {
        out << fmt::format(texts::cli::kVersion, QUORVALE_VERSION) << '\n';
        return 0;
    }
    for (const Command& c : commands()) {
        if (first != c.name) {
            continue;
        }
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
            out << c.help();
            return 0;
        }
        return c.run(rest, out, err);
    }
    err << fmt::format(texts::cli::kUnknownCommand, first) << '\n';
    return 2;
}

}  // namespace

int runCli(const std::vector<std::string>& args, OutputSink& out, std::ostream& err) {
    int status = runCommand(args, out.stream(), err);
    if (const auto failure = out.finish()) {
        err << fmt::format(texts::cli::kWriteError, *failure) << '\n';
        status = 1;
    }
    return status;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    StreamSink sink(out);
    return runCli(args, sink, err);
}

}  // namespace quorvale::cli
