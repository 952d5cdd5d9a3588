#include "cli/ProgressLine.h"

#include <cstdio>
#include <cstdlib>

#include "simulator/HeadlessRunView.h"

namespace quorvale::cli {
namespace {

constexpr int kBarWidth = 24;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

std::string ProgressLine::text(const HeadlessRunView& view) {
    const int steps = view.grid().rowCount();
    // TextEYD holds the step's EYD in whole feet.
    const int step = std::atoi(view.field(RunField::TextEYD).c_str()) / 100;
    const float done = view.barValue(RunBar::Run);
    const int filled = static_cast<int>(done * kBarWidth);
    const double seconds = view.elapsedSeconds();
    const double rate = seconds > 0 ? static_cast<double>(view.samplesSeen()) / seconds : 0;
    char line[160];
    std::snprintf(line, sizeof line, "step %d/%d [%s%s] %lld samples, %.2f M samples/s", step, steps,
                  std::string(static_cast<size_t>(filled), '#').c_str(),
                  std::string(static_cast<size_t>(kBarWidth - filled), '.').c_str(), view.samplesSeen(),
                  rate / 1e6);
    return line;
}

void ProgressLine::update(const HeadlessRunView& view) {
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && now - m_last < kRedrawInterval) {
        return;
    }
    m_last = now;
    m_drawn = true;
    m_err << "\r\033[K" << text(view) << std::flush;
}

void ProgressLine::clear() {
    if (m_drawn) {
        m_err << "\r\033[K" << std::flush;
        m_drawn = false;
    }
}

}  // namespace quorvale::cli
