#pragma once
// The live progress line of a Monte Carlo run on a terminal: step, a bar of
// the steps done, samples and samples per second, redrawn in place.

#include <chrono>
#include <ostream>
#include <string>

namespace quorvale::cli {

// Where a run stands, as numbers.
struct RunProgress {
    int step = 0;  // the step sampling now, from 1
    int steps = 0;
    long long samples = 0;  // drawn so far in the whole run
    double seconds = 0;     // since the run began
};

class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : m_err(err) {}

    // Redraws the line, at most ten times a second.
    void update(const RunProgress& progress);
    // Erases the line once the run is over.
    void clear();

    // The text of the line.
    static std::string text(const RunProgress& progress);

private:
    std::ostream& m_err;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_last;
};

}  // namespace quorvale::cli
