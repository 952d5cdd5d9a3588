#include "cli/ProgressLine.h"

#include <fmt/format.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "base/Texts.h"

namespace quorvale::cli {
namespace {

constexpr int kBarWidth = 24;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

bool ProgressLine::drawsOn(const std::ostream& err) { return &err == &std::cerr && isatty(STDERR_FILENO) == 1; }

std::string ProgressLine::text(const RunProgress& progress) {
    // The bar shows the steps finished, those before the one sampling now.
    const double done = progress.steps > 0 ? static_cast<double>(progress.step - 1) / progress.steps : 0;
    const int filled = std::clamp(static_cast<int>(done * kBarWidth), 0, kBarWidth);
    const double rate = progress.seconds > 0 ? static_cast<double>(progress.samples) / progress.seconds : 0;
    return fmt::format(texts::cli::kSimulateProgress, progress.step, progress.steps, "", filled, "", kBarWidth - filled,
                       progress.samples, rate / 1e6);
}

bool ProgressLine::due() {
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && now - m_last < kRedrawInterval) {
        return false;
    }
    m_last = now;
    m_drawn = true;
    return true;
}

void ProgressLine::draw(const std::string& text) { m_err << "\r\033[K" << text << std::flush; }

double ProgressLine::seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
}

void ProgressLine::clear() {
    if (m_drawn) {
        m_err << "\r\033[K" << std::flush;
        m_drawn = false;
    }
}

}  // namespace quorvale::cli
