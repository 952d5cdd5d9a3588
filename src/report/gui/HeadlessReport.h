#pragma once
// The unit report without a window: what `quorvale-cli report` has the
// desktop program do (`quorvale --write-report ARGS...`, on the offscreen
// platform). The arguments are quorvale-cli report's; the inputs are read
// as quorvale-cli decide reads them, the static analysis is the Low case,
// and the decision analysis runs with the seed and scenario count given.

#include <ostream>
#include <string>
#include <vector>

namespace quorvale {

class HeadlessReport {
public:
    // Writes the report; returns the exit status: 0 written, 1 when it
    // could not be written or no scenario gave finite costs (the report is
    // written all the same), 2 on a usage error. Messages go to `err`,
    // prefixed as quorvale-cli's, and the file written to `out`. Needs a
    // QApplication.
    static int write(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    // The desktop program's main for --write-report: the offscreen platform,
    // an application, then write().
    static int main(int argc, char** argv);
};

}  // namespace quorvale
