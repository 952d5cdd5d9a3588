// Fuzzes the command-line tool through its library entry point: each input
// line is one argument. Runs are bounded: every simulation gets a per-step
// sample cap, every decision a small fixed number of scenarios on one
// thread, and the options that would lift those bounds or read files are
// dropped (unit files have their own harness). A tool without the sample
// cap yet has its simulations left out.
//
// Properties: the status is 0, 1 or 2; a failure always says why on the
// error stream; success always prints something; JSON output is valid JSON
// text.

#include <nlohmann/json.hpp>
#include <sstream>

#include "FuzzCheck.h"
#include "cli/Cli.h"

namespace {

constexpr size_t kMaxArguments = 24;

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool liftsABound(const std::string& arg) {
    for (const char* option : {"--unit", "--max-samples-per-step", "--scenarios", "--max-scenarios", "--threads"}) {
        if (startsWith(arg, option)) {
            return true;
        }
    }
    return false;
}

bool simulateHasSampleCap() {
    static const bool has = [] {
        std::ostringstream out, err;
        quorvale::cli::runCli({"simulate", "--help"}, out, err);
        return out.str().find("--max-samples-per-step") != std::string::npos;
    }();
    return has;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args;
    for (std::string& arg : quorvale::fuzz::lines(data, size, kMaxArguments)) {
        if (!liftsABound(arg)) {
            args.push_back(std::move(arg));
        }
    }
    const std::string command = args.empty() ? std::string() : args.front();
    // report hands a command line it accepts over to the desktop program,
    // which would take this process's place.
    if (command == "report") {
        return 0;
    }
    if (command == "simulate") {
        if (!simulateHasSampleCap()) {
            return 0;
        }
        args.insert(args.begin() + 1, "--max-samples-per-step=100");
    } else if (command == "decide") {
        // --target cannot go with a fixed number of scenarios.
        std::erase_if(args, [](const std::string& arg) { return startsWith(arg, "--target"); });
        args.insert(args.begin() + 1, {"--scenarios=64", "--threads=1"});
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = quorvale::cli::runCli(args, out, err);

    FUZZ_CHECK(status == 0 || status == 1 || status == 2);
    FUZZ_CHECK(status == 0 || !err.str().empty());
    FUZZ_CHECK(status != 0 || !out.str().empty());
    const std::string text = out.str();
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (status == 0 && first != std::string::npos && text[first] == '{') {
        FUZZ_CHECK(nlohmann::json::accept(text));
    }
    return 0;
}
