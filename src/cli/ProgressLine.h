#pragma once
// The live progress line of a Monte Carlo run on a terminal: step, a bar of
// the steps done, samples and samples per second, redrawn in place.

#include <chrono>
#include <ostream>
#include <string>

namespace quorvale {
class HeadlessRunView;
}

namespace quorvale::cli {

class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : m_err(err) {}

    // Redraws the line, at most ten times a second.
    void update(const HeadlessRunView& view);
    // Erases the line once the run is over.
    void clear();

    // The text of the line for a view.
    static std::string text(const HeadlessRunView& view);

private:
    std::ostream& m_err;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_last;
};

}  // namespace quorvale::cli
