#include "simulator/MonteCarloRun.h"

#include <chrono>
#include <limits>
#include <string>

#include "model/RangeSweep.h"
#include "model/StepCost.h"
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

// Whether every sample of a run is sure to have finite figures: every draw,
// and half a drawn fixed corridor time, within the model's safe inputs (with
// room for a draw's rounding), and every step's EYD within its safe range.
bool samplesAlwaysFinite(const RunInputs& ranges, int steps) {
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        for (double end : {ranges.range(i).low, ranges.range(i).high}) {
            if (!(end >= 4 * kSafeInputLowest && end <= kSafeInputHighest / 2)) {
                return false;
            }
        }
    }
    return 100.0 * steps <= kSafeEydHighest;
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
        m_alwaysFinite = samplesAlwaysFinite(ranges, m_summary.steps);
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
    // flag was found set before a sample. The loop comes in two versions:
    // one for inputs that keep every figure finite, with no test of them
    // and no path for a sample that overflows, and one that completes each
    // sample to find out.
    bool sampleStep(const RunInputs& ranges, int step) {
        return m_alwaysFinite ? sampleStepOf<true>(ranges, step) : sampleStepOf<false>(ranges, step);
    }

    template <bool kAlwaysFinite>
    bool sampleStepOf(const RunInputs& ranges, int step) {
        const double eyd = 100.0 * step;
        m_display.showEyd(eyd);
        m_view.stepStarted(step, m_summary.steps);
        tellOverSampleCount(false);
        StepStatistics statistics;
        long long nonFinite = 0;
        std::int64_t drawn = 0;
        bool converged = false;
        bool keepSampling = true;
        bool yielded = false;
        while (keepSampling) {
            if (m_view.stopRequested()) {
                return false;
            }
            ModelInputs& sample = m_samples[m_drawing];
            ranges.draw(m_random, sample);
            // The pattern can change only while the event loop runs, so it is
            // read anew with the first sample after each yield.
            if (m_readPattern) {
                m_pattern = m_inputs.pattern();
                m_readPattern = false;
            }
            sample.pattern = m_pattern;
            const FanCarry before = m_carry;
            const StepCost cost = evaluateCost(sample, step, m_carry);
            ++m_summary.samplesTotal;
            const double target = m_view.target();
            if (kAlwaysFinite || isFinite(completeStep(sample, cost))) [[likely]] {
                statistics.add(cost.totalCost);
                // The step's latest finite sample: its inputs stay in their
                // buffer, and the carry it started from is kept beside them.
                m_kept = m_drawing;
                m_keptCarry = before;
                m_drawing ^= 1;
                m_display.showSample(cost.totalCost, statistics);
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
            yielded = m_view.yieldDue();
            if (yielded) {
                syncChartWindow(statistics);
                yield();
            }
        }
        // The step ends with a yield of its own.
        if (!yielded) {
            syncChartWindow(statistics);
        }
        finishStep(step, eyd, statistics, nonFinite, converged);
        return true;
    }

    void finishStep(int step, double eyd, const StepStatistics& statistics, long long nonFinite, bool converged) {
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
            // Only the optimum's last sample is worked out in full, from
            // the inputs and the carry it was drawn with.
            const ModelInputs& kept = m_samples[m_kept];
            FanCarry carry = m_keptCarry;
            m_summary.optimum = SimulationOptimum{row.mean, eyd, completeStep(kept, evaluateCost(kept, step, carry))};
            m_display.showOptimum(*m_summary.optimum);
        }
        m_display.showBar(RunBar::Run,
                          static_cast<float>(static_cast<double>(step) / static_cast<double>(m_summary.steps)));
        m_display.showEyd(eyd);
        m_view.chart().writeRow(step, chartRow(row));
        m_summary.rows.push_back(row);
        yield();
    }

    // The chart window follows the "Simulation Graph" mark from a step's
    // 31st sample on; it is only told when its visibility has to change.
    // Mark and window change only while the event loop runs, so the run
    // looks right before it yields rather than after every sample.
    void syncChartWindow(const StepStatistics& statistics) {
        if (statistics.count() < kMinSamplesPerStep) {
            return;
        }
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
        m_readPattern = true;
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
    // The inputs of the sample being drawn and of the latest finite one,
    // with the carry that one started from.
    ModelInputs m_samples[2];
    int m_drawing = 0;
    int m_kept = 1;
    FanCarry m_keptCarry;
    CorridorPattern m_pattern = CorridorPattern::Parallel;
    bool m_readPattern = true;
    // Whether the inputs keep every sample's figures finite, so that none
    // needs to be completed to find out.
    bool m_alwaysFinite = false;
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
