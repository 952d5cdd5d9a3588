#pragma once
// The live progress line of a long command on a terminal, redrawn in place;
// for a Monte Carlo run: step, a bar of the steps done, samples and samples
// per second.

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

// One line on a terminal that a long command redraws in place while it
// runs: a run's step and samples, or any text of the caller's.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& err) : m_err(err), m_start(std::chrono::steady_clock::now()) {}

    // Whether a command draws the line on `err`: only on the tool's own
    // stderr, and only when that is a terminal.
    static bool drawsOn(const std::ostream& err);

    // Redraws the line with a run's progress, at most ten times a second.
    void update(const RunProgress& progress) {
        redraw([&] { return text(progress); });
    }
    // Redraws the line with the text `make` gives, at most ten times a
    // second; `make` is called only when the line is drawn.
    template <class MakeText>
    void redraw(const MakeText& make) {
        if (due()) {
            draw(make());
        }
    }
    // Erases the line once the run is over.
    void clear();

    // Seconds since the line was made.
    double seconds() const;

    // The text of the line for a run.
    static std::string text(const RunProgress& progress);

private:
    bool due();
    void draw(const std::string& text);

    std::ostream& m_err;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_last;
};

}  // namespace quorvale::cli
