#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/OutputSink.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto out = quorvale::cli::standardOutputSink();
    return quorvale::cli::runCli(args, *out, std::cerr);
}
