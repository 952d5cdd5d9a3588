#include "cli/ReportCommand.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include <fmt/format.h>

#include "base/Texts.h"
#include "cli/WholeNumberOptions.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

std::unique_ptr<CommandLine> reportCommandLine(ReportRequest& request) {
    auto line = std::make_unique<CommandLine>("report", t::kReportSynopsis);
    line->addOption("--output", "FILE", t::kReportOutputOption,
                    [&request](const std::string& path) { request.output = path; });
    line->addWholeOption("--seed", "N", t::kSeedOption, 0, kLargestSeed,
                         [&request](std::uint64_t seed) { request.seed = seed; });
    line->addWholeOption("--scenarios", "N", t::kReportScenariosOption, 1, kLargestCount,
                         [&request](std::uint64_t scenarios) { request.scenarios = scenarios; });
    line->addPatternOption(request.common);
    line->addVariableOptions(request.common);
    return line;
}

// The desktop program beside the running quorvale-cli.
std::filesystem::path desktopProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path() / "quorvale";
}

}  // namespace

ReportRequest parseReportRequest(const std::vector<std::string>& args) {
    ReportRequest request;
    reportCommandLine(request)->parse(args);
    if (request.output.empty()) {
        throw UsageError(t::kReportNoOutput);
    }
    return request;
}

int runReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        parseReportRequest(args);
    } catch (const UsageError& e) {
        return sayUsageError("report", e, err);
    }
    const std::filesystem::path desktop = desktopProgram();
    if (desktop.empty() || access(desktop.c_str(), X_OK) != 0) {
        err << fmt::format(t::kCommandError, "report", fmt::format(t::kReportNoDesktop, desktop.string())) << '\n';
        return 1;
    }
    std::vector<std::string> words{"quorvale", kWriteReportOption};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    out.flush();
    err.flush();
    std::cout.flush();
    std::cerr.flush();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execv(desktop.c_str(), argv.data());
    // Only when the program could not be started.
    const int failure = errno;
    err << fmt::format(t::kCommandError, "report",
                       fmt::format(t::kReportNotStarted, desktop.string(), std::strerror(failure)))
        << '\n';
    return 1;
}

std::string reportHelp() {
    ReportRequest unused;
    return reportCommandLine(unused)->help();
}

}  // namespace quorvale::cli
