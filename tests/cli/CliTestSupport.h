#pragma once
// Running quorvale-cli in-process and reading its output, for the CLI tests.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace quorvale::testing {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

inline CliRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CliRun r;
    r.status = cli::runCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The number after "name": in its n-th occurrence (0-based) in the text.
inline double jsonNumber(const std::string& json, const std::string& name, int occurrence = 0) {
    size_t pos = 0;
    for (int i = 0; i <= occurrence; ++i) {
        pos = json.find("\"" + name + "\": ", pos);
        if (pos == std::string::npos) {
            ADD_FAILURE() << name << " #" << occurrence << " not found";
            return std::nan("");
        }
        pos += name.size() + 4;
    }
    return std::stod(json.substr(pos));
}

inline int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) {
        ++n;
    }
    return n;
}

}  // namespace quorvale::testing
