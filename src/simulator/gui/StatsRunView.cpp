#include "simulator/gui/StatsRunView.h"

#include <QCoreApplication>
#include <time.h>

#include "simulator/gui/SimulatorHost.h"
#include "simulator/gui/SimulatorPanel.h"

namespace quorvale {
namespace {

std::int64_t threadCpuNanos() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

StatsRunView::StatsRunView(SimulatorPanel& panel, SimulatorHost& host)
    : m_panel(panel), m_host(host), m_chart([this]() -> DataGrid& { return openChart(); }) {
    readWindowState();
    m_sinceYield.start();
    m_cpuAtYield = threadCpuNanos();
    m_repaintTimer.setSingleShot(true);
    QObject::connect(&m_repaintTimer, &QTimer::timeout, [this] { releaseRepaints(); });
}

StatsRunView::~StatsRunView() { m_panel.holdRepaints(false); }

void StatsRunView::setField(RunField field, const std::string& text) {
    const auto index = static_cast<size_t>(field);
    if (index < m_pendingFields.size()) {
        m_pendingFields[index] = text;
    }
}

// A refused value must not displace an accepted one still pending.
void StatsRunView::setBar(RunBar bar, float value, const std::string& percent) {
    const auto index = static_cast<size_t>(bar);
    if (index < m_pendingBars.size() && value >= 0.0F && value <= 1.0F) {
        m_pendingBars[index] = PendingBar{value, percent};
    }
}

void StatsRunView::flush() {
    for (size_t i = 0; i < m_pendingFields.size(); ++i) {
        if (m_pendingFields[i]) {
            m_panel.showField(static_cast<RunField>(i), *m_pendingFields[i]);
            m_pendingFields[i].reset();
        }
    }
    for (size_t i = 0; i < m_pendingBars.size(); ++i) {
        if (m_pendingBars[i]) {
            m_panel.showBar(static_cast<RunBar>(i), m_pendingBars[i]->value, m_pendingBars[i]->percent);
            m_pendingBars[i].reset();
        }
    }
}

// A window on its way out keeps asking the run to stop.
void StatsRunView::clearStop() {
    m_panel.clearStop();
    m_stop = m_panel.stopRequested();
}

bool StatsRunView::yieldDue() {
    if (++m_yieldQuestions % kClockEvery != 0) {
        return false;
    }
    return budgetSpent();
}

// The thread's processor time cannot run ahead of the wall clock, which is
// far cheaper to read, so it is read only once the budget may be spent.
bool StatsRunView::budgetSpent() const {
    const qint64 waited = m_sinceYield.elapsed();
    if (waited < kYieldBudgetMs) {
        return false;
    }
    return waited >= kYieldWaitMs || threadCpuNanos() - m_cpuAtYield >= kYieldBudgetMs * 1'000'000;
}

// Held before the fields are written, so that their own repaints wait too.
void StatsRunView::paceRepaints() {
    if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= kRepaintGapMs) {
        releaseRepaints();
        return;
    }
    m_panel.holdRepaints(true);
    if (!m_repaintTimer.isActive()) {
        m_repaintTimer.start(static_cast<int>(kRepaintGapMs - m_sinceRepaint.elapsed()));
    }
}

void StatsRunView::releaseRepaints() {
    m_repaintTimer.stop();
    m_sinceRepaint.restart();
    m_panel.holdRepaints(false);
}

void StatsRunView::yieldToEvents() {
    paceRepaints();
    flush();
    QCoreApplication::processEvents();
    readWindowState();
    m_sinceYield.restart();
    m_cpuAtYield = threadCpuNanos();
}

void StatsRunView::readWindowState() {
    m_target = m_panel.target();
    m_stop = m_panel.stopRequested();
    m_graphChecked = m_host.simulationGraphChecked();
    m_chartVisible = m_host.statsChartVisible();
}

void StatsRunView::setChartVisible(bool visible) {
    m_host.setStatsChartVisible(visible);
    m_chartVisible = m_host.statsChartVisible();
}

// Touching the chart opens a closed chart window, visible.
DataGrid& StatsRunView::openChart() {
    DataGrid& grid = m_host.statsChart();
    m_chartVisible = m_host.statsChartVisible();
    return grid;
}

// The stop path resets the window at once; what was pending is void.
void StatsRunView::initiateVariables() {
    releaseRepaints();
    m_pendingFields.fill(std::nullopt);
    m_pendingBars.fill(std::nullopt);
    m_panel.Initiate_Variables();
}

void StatsRunView::runEnded(bool stopped) {
    releaseRepaints();
    flush();
    m_host.setVariablesEnabled(true);
    if (!stopped) {
        m_panel.unlockTarget();
    }
}

void StatsRunView::setStepOverSampleCount(bool over) { m_panel.setStepOverSampleCount(over); }

}  // namespace quorvale
