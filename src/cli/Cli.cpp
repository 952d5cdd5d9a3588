#include "cli/Cli.h"

#include <algorithm>
#include <functional>

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
        {"sweep", "static analysis over EYD for the low, average or high values", runSweepCommand,
         sweepHelp},
        {"simulate", "Monte Carlo run over EYD until each step's mean cost is known to a target",
         runSimulateCommand, simulateHelp},
        {"decide", "which EYD to lay out, how sure that is, and which input moves the cost most",
         runDecideCommand, decideHelp},
        {"unit", "writes a unit file (.qvunit) of the given inputs to standard output", runUnitCommand,
         unitHelp},
    };
    return list;
}

std::string usage() {
    std::string text =
        "Usage: quorvale-cli COMMAND [OPTIONS]\n"
        "       quorvale-cli COMMAND --help\n"
        "       quorvale-cli --version\n\n"
        "Cable logging cost analysis: layout, time, production and road, logging and\n"
        "total cost ($/mbf) against the external yarding distance (EYD).\n\nCommands:\n";
    for (const Command& c : commands()) {
        std::string name = std::string("  ") + c.name;
        name.resize(12, ' ');
        text += name + c.summary + "\n";
    }
    return text;
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "quorvale-cli: no command given (try quorvale-cli --help)\n";
        return 2;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        out << usage();
        return 0;
    }
    if (first == "--version") {
        out << "quorvale-cli " << QUORVALE_VERSION << '\n';
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
    err << "quorvale-cli: unknown command '" << first << "' (try quorvale-cli --help)\n";
    return 2;
}

}  // namespace

int runCli(const std::vector<std::string>& args, OutputSink& out, std::ostream& err) {
    int status = runCommand(args, out.stream(), err);
    if (const auto failure = out.finish()) {
        err << "quorvale-cli: write error: " << *failure << '\n';
        status = 1;
    }
    return status;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    StreamSink sink(out);
    return runCli(args, sink, err);
}

}  // namespace quorvale::cli
