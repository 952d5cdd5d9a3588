#include "cli/Cli.h"

#include <algorithm>
#include <functional>

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include "base/Texts.h"

#include "cli/CompareCommand.h"
#include "cli/BatchCommand.h"
#include "cli/DecideCommand.h"
#include "cli/OutputSink.h"
#include "cli/ReportCommand.h"
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
        {"compare", texts::cli::kCompareSummary, runCompareCommand, compareHelp},
        {"batch", texts::batch::kSummary, runBatchCommand, batchHelp},
        {"unit", texts::cli::kUnitSummary, runUnitCommand, unitHelp},
        {"report", texts::cli::kReportSummary, runReportCommand, reportHelp},
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

// CLI11 chooses from the first argument: a command, the tool's help ("help",
// "--help", "-h") or its version. The rest goes to the command's own line,
// unless it asks for that command's help.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << texts::cli::kNoCommand << '\n';
        return 2;
    }
    // A flag takes no value and stands alone: "--help=1", "-hh" or "-hx" is
    // no command of the tool's.
    const auto alone = [](CLI::Option* flag) { return flag->multi_option_policy(CLI::MultiOptionPolicy::Throw); };
    if (args.front().find('=') != std::string::npos) {
        err << fmt::format(texts::cli::kUnknownCommand, args.front()) << '\n';
        return 2;
    }
    CLI::App app;
    alone(app.set_help_flag("--help"));
    const CLI::Option* shortHelp = alone(app.add_flag("-h"));
    alone(app.set_version_flag("--version", fmt::format(texts::cli::kVersion, QUORVALE_VERSION)));
    const CLI::App* help = app.add_subcommand("help");
    for (const Command& c : commands()) {
        app.add_subcommand(c.name, c.summary);
    }
    try {
        app.parse(std::vector<std::string>{args.front()});
    } catch (const CLI::CallForHelp&) {
        out << usage();
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::ParseError&) {
        err << fmt::format(texts::cli::kUnknownCommand, args.front()) << '\n';
        return 2;
    }
    if (shortHelp->count() > 0 || help->parsed()) {
        out << usage();
        return 0;
    }
    for (const Command& c : commands()) {
        if (!app.got_subcommand(c.name)) {
            continue;
        }
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
            out << c.help();
            return 0;
        }
        return c.run(rest, out, err);
    }
    err << fmt::format(texts::cli::kUnknownCommand, args.front()) << '\n';
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
