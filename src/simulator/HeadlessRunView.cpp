#include "simulator/HeadlessRunView.h"

namespace quorvale {
namespace {

// The clock is read once in this many samples: often enough for a smooth
// progress display, rarely enough to cost nothing.
constexpr long long kClockMask = 1023;

}  // namespace

HeadlessRunView::HeadlessRunView(double target) : m_target(target), m_start(std::chrono::steady_clock::now()) {
    m_fields.fill("0");
    m_nextProgress = m_start;
}

void HeadlessRunView::setField(RunField field, const std::string& text) { m_fields[static_cast<size_t>(field)] = text; }

void HeadlessRunView::setBar(RunBar bar, float value, const std::string& percent) {
    m_bars[barIndex(bar)] = Bar{value, percent};
}

bool HeadlessRunView::yieldDue() {
    ++m_samplesSeen;
    if (!m_progress || (m_samplesSeen & kClockMask) != 0) {
        return false;
    }
    return std::chrono::steady_clock::now() >= m_nextProgress;
}

void HeadlessRunView::yieldToEvents() {
    ++m_yields;
    if (m_progress) {
        m_progress(*this);
        m_nextProgress = std::chrono::steady_clock::now() + m_interval;
    }
}

void HeadlessRunView::setProgress(Progress progress, std::chrono::milliseconds interval) {
    m_progress = std::move(progress);
    m_interval = interval;
    m_nextProgress = std::chrono::steady_clock::now() + m_interval;
}

void HeadlessRunView::initiateVariables() {
    m_fields.fill("0");
    m_bars.fill(Bar{});
}

void HeadlessRunView::runEnded(bool stopped) {
    m_ended = true;
    m_endedStopped = stopped;
}

double HeadlessRunView::elapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
}

}  // namespace quorvale
