#pragma once
// quorvale-cli report: the unit report (PDF) of the static analysis and the
// decision analysis, written without a display.
//
// The PDF is drawn by the desktop program's own report code, so that the
// report from the command line is the one the window writes. quorvale-cli
// itself stays free of Qt: this command reads and checks its arguments,
// then hands them over by running `quorvale --write-report ARGS...` in its
// place, with Qt's offscreen platform. That program is installed beside
// quorvale-cli, and built beside it in a build tree, so it is looked for in
// the folder of the running quorvale-cli.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace quorvale::cli {

// The first argument of the desktop program that asks it for a report.
inline constexpr char kWriteReportOption[] = "--write-report";

struct ReportRequest {
    CommonOptions common;
    std::string output;  // the PDF to write
    std::optional<std::uint64_t> seed;
    std::optional<std::uint64_t> scenarios;
};

// Reads the command's arguments (without the command name); throws
// UsageError.
ReportRequest parseReportRequest(const std::vector<std::string>& args);

// Checks the arguments, then runs the desktop program in this process's
// place; returns only on a usage error (2) or when the desktop program
// cannot be started (1).
int runReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string reportHelp();

}  // namespace quorvale::cli
