#include "simulator/MonteCarloRun.h"

#include <chrono>
#include <cstring>
#include <limits>
#include <string>

#include "model/RangeSweep.h"
#include "simulator/RandomSource.h"
#include "simulator/RunDisplay.h"
#include "simulator/RunInputs.h"
#include "simulator/StepStatistics.h"

namespace quorvale {
namespace {

double finiteOrZero(double x) { return std::isfinite(x) ? x : 0; }

// Mean, mean minus and plus one standard deviation, minimum, maximum.
RunChartRow chartRow(const StepSummary& row) {
    return {finiteOrZero(row.mean), finiteOrZero(row.mean - row.stddev), finiteOrZero(row.mean + row.stddev),
            finiteOrZero(row.minimum), finiteOrZero(row.maximum)};
}

// isFinite() for the run, which asks it after every sample: a double is
// infinite or not a number exactly when its exponent bits are all ones, and
// the 21 figures are tested together rather than one branch at a time.
bool allFinite(const YardingResult& result) {
    constexpr size_t kFigures = sizeof(YardingResult) / sizeof(double);
    static_assert(sizeof(YardingResult) == kFigures * sizeof(double) && kFigures == 21,
                  "a YardingResult is its 21 figures and nothing else");
    std::uint64_t bits[kFigures];
    std::memcpy(bits, &result, sizeof bits);
    constexpr std::uint64_t kExponent = 0x7ff0000000000000;
    bool finite = true;
    for (std::uint64_t b : bits) {
        finite &= (b & kExponent) != kExponent;
    }
    return finite;
}

bool usableCarry(const FanCarry& carry) {
    return std::isfinite(carry.corridorsPerUnit) && std::isfinite(carry.landingsPerUnit) &&
           carry.corridorsPerUnit > 0 && carry.landingsPerUnit > 0;
}

// A step whose samples overflow more often than not cannot be measured; it
// ends once 31 such samples outnumber the finite ones, so that a run over
// absurd inputs still finishes.
bool overflowDominates(long long nonFinite, std::int64_t finite) {
    return nonFinite >= kMinSamplesPerStep && nonFinite > finite;
}

// A count of 0 (or below) bounds nothing.
std::int64_t countOrNever(std::int64_t count) { return count > 0 ? count : std::numeric_limits<std::int64_t>::max(); }

class SimulationRun {
public:
    SimulationRun(InputVariables& inputs, RunView& view, std::uint64_t seed, const RunSettings& settings)
        : m_inputs(inputs),
          m_view(view),
          m_random(seed),
          m_display(inputs.valueRule().locale()),
          m_cap(countOrNever(settings.maxSamplesPerStep)),
          m_noticeCount(countOrNever(settings.noticeSamplesPerStep)) {
        m_summary.seed = seed;
    }

    RunSummary execute(const RunInputs& ranges) {
        m_summary.steps = stepCount(ranges.highEydFeet());
        m_summary.rows.reserve(static_cast<size_t>(m_summary.steps));
        m_view.chart().startRun(m_summary.steps);
        m_view.clearStop();
        for (int step = 1; step <= m_summary.steps; ++step) {
            if (m_view.stopRequested() || !sampleStep(ranges, step)) {
                return stopped();
            }
        }
        return finished();
    }

private:
    // Samples one step until it reaches the target; false when the stop
    // flag was found set before a sample.
    bool sampleStep(const RunInputs& ranges, int step) {
        const double eyd = 100.0 * step;
        m_display.showEyd(eyd);
        m_view.stepStarted(step, m_summary.steps);
        tellOverSampleCount(false);
        StepStatistics statistics;
        long long nonFinite = 0;
        std::int64_t drawn = 0;
        bool converged = false;
        YardingResult last;
        ModelInputs sample;
        bool keepSampling = true;
        while (keepSampling) {
            if (m_view.stopRequested()) {
                return false;
            }
            ranges.draw(m_random, sample);
            sample.pattern = m_inputs.pattern();
            const FanCarry before = m_carry;
            const YardingResult result = evaluateUncapped(sample, step, m_carry);
            ++m_summary.samplesTotal;
            const double target = m_view.target();
            if (allFinite(result)) {
                statistics.add(result.totalCost);
                last = result;
                m_display.showSample(result.totalCost, statistics);
                m_display.showStepProgress(target, statistics.halfWidth());
            } else {
                // An overflowing sample stays out of the statistics. The
                // next fan-shaped sample starts from its corridors and
                // landings only if they are numbers a layout can grow from.
                if (!usableCarry(m_carry)) {
                    m_carry = before;
                }
                ++nonFinite;
                if (statistics.count() == 0) {
                    m_display.showNoSample();
                }
            }
            ++drawn;
            converged = statistics.targetReached(target);
            keepSampling = !converged && !overflowDominates(nonFinite, statistics.count());
            if (keepSampling && drawn >= m_noticeCount) {
                tellOverSampleCount(true);
            }
            if (drawn >= m_cap) {
                keepSampling = false;
            }
            if (statistics.count() >= kMinSamplesPerStep) {
                syncChartWindow();
            }
            if (m_view.yieldDue()) {
                yield();
            }
        }
        finishStep(step, eyd, statistics, nonFinite, converged, last);
        return true;
    }

    void finishStep(int step, double eyd, const StepStatistics& statistics, long long nonFinite, bool converged,
                    const YardingResult& last) {
        StepSummary row;
        row.step = step;
        row.eyd = eyd;
        row.samples = statistics.count();
        row.mean = statistics.mean();
        row.stddev = statistics.stddev();
        row.halfWidth = statistics.halfWidth();
        row.minimum = statistics.minimum();
        row.maximum = statistics.maximum();
        row.nonFinite = nonFinite;
        row.converged = converged;
        row.overSampleCount = m_toldOverSampleCount;

        // The cheapest step of the whole run, the first included; among
        // equal means the longer EYD.
        const bool measured = statistics.count() > 0 && !overflowDominates(nonFinite, statistics.count());
        if (measured && (!m_summary.optimum || row.mean <= m_summary.optimum->minCost)) {
            m_summary.optimum = SimulationOptimum{row.mean, eyd, last};
            m_display.showOptimum(*m_summary.optimum);
        }
        m_display.showBar(RunBar::Run,
                          static_cast<float>(static_cast<double>(step) / static_cast<double>(m_summary.steps)));
        m_display.showEyd(eyd);
        m_view.chart().writeRow(step, chartRow(row));
        m_summary.rows.push_back(row);
        yield();
    }

    // The chart window follows the "Simulation Graph" mark; it is only told
    // when its visibility has to change.
    void syncChartWindow() {
        const bool checked = m_view.simulationGraphChecked();
        const bool visible = m_view.chartVisible();
        if (checked != visible) {
            m_view.setChartVisible(checked);
        }
    }

    // The view hears of a step past the notice count once, and of its end.
    void tellOverSampleCount(bool over) {
        if (over != m_toldOverSampleCount) {
            m_toldOverSampleCount = over;
            m_view.setStepOverSampleCount(over);
        }
    }

    void yield() {
        m_display.flush(m_view);
        m_view.yieldToEvents();
    }

    RunSummary finished() {
        m_display.showNoSample();
        m_display.showBar(RunBar::Step, 1.0f);
        m_display.showBar(RunBar::Run, 1.0f);
        m_display.flush(m_view);
        tellOverSampleCount(false);
        m_view.runEnded(false);
        return std::move(m_summary);
    }

    // "End": the window's fields go back to "0", the chart keeps the rows of
    // the finished steps.
    RunSummary stopped() {
        m_display.discard();
        m_view.initiateVariables();
        tellOverSampleCount(false);
        m_view.runEnded(true);
        m_summary.stopped = true;
        return std::move(m_summary);
    }

    InputVariables& m_inputs;
    RunView& m_view;
    RandomSource m_random;
    RunDisplay m_display;
    // One carry for the whole run: each fan-shaped sample starts from the
    // corridors and landings of the sample before it, across step ends too.
    FanCarry m_carry;
    RunSummary m_summary;
    const std::int64_t m_cap;
    const std::int64_t m_noticeCount;
    bool m_toldOverSampleCount = false;
};

}  // namespace

std::uint64_t seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

RunSummary stat_itmain(InputVariables& inputs, RunView& view, std::uint64_t seed, const RunSettings& settings) {
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    SimulationRun run(inputs, view, seed, settings);
    return run.execute(ranges);
}

}  // namespace quorvale
