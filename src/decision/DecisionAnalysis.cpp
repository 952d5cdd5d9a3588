#include "decision/DecisionAnalysis.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

#include "base/Texts.h"
#include "inputs/NumberText.h"
#include "model/RangeSweep.h"
#include "decision/AnswerSentences.h"
#include "decision/QuantileSketch.h"

namespace quorvale {
namespace {

constexpr double kZ95 = 1.96;
// A cost further than this from the step's reference cannot be squared
// within the double range; such a scenario is treated like one whose
// figures overflowed.
constexpr double kLargestDeviation = 1e150;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// One sweep 1..N of fixed inputs; NaN from the first step whose figures are
// not finite on, as the static sweep stops there.
std::vector<double> sweepCosts(const ModelInputs& m, int steps) {
    std::vector<double> costs(static_cast<size_t>(steps), std::numeric_limits<double>::quiet_NaN());
    FanCarry carry;
    for (int step = 1; step <= steps; ++step) {
        const YardingResult r = evaluateUncapped(m, step, carry);
        if (!isFinite(r)) {
            break;
        }
        costs[static_cast<size_t>(step - 1)] = r.totalCost;
    }
    return costs;
}

// The lowest finite cost and its EYD in feet, ties to the longer EYD;
// nullopt when no step is finite.
struct Minimum {
    double cost = 0;
    double eyd = 0;
};
std::optional<Minimum> minimumOf(const std::vector<double>& costs) {
    std::optional<Minimum> best;
    for (size_t i = 0; i < costs.size(); ++i) {
        if (std::isfinite(costs[i]) && (!best || costs[i] <= best->cost)) {
            best = Minimum{costs[i], 100.0 * static_cast<double>(i + 1)};
        }
    }
    return best;
}

// Sums of one step over a block or a prefix of blocks. Costs enter as their
// deviation from the step's reference cost (the all-Average sweep), which
// keeps the sum of squares free of cancellation.
struct StepSums {
    double sum = 0;
    double sumSquares = 0;
    double regret = 0;
    std::uint64_t optimal = 0;
};

struct BlockSums {
    std::uint64_t finite = 0;
    std::uint64_t nonFinite = 0;
    std::vector<StepSums> steps;

    void reset(int n) {
        finite = 0;
        nonFinite = 0;
        steps.assign(static_cast<size_t>(n), StepSums{});
    }
    void add(const BlockSums& b) {
        finite += b.finite;
        nonFinite += b.nonFinite;
        for (size_t s = 0; s < steps.size(); ++s) {
            steps[s].sum += b.steps[s].sum;
            steps[s].sumSquares += b.steps[s].sumSquares;
            steps[s].regret += b.steps[s].regret;
            steps[s].optimal += b.steps[s].optimal;
        }
    }
};

// Whether every figure of a step is a finite number, as isFinite says, but
// without a branch per figure: x * 0 is zero for every finite x and NaN for
// an infinity or a NaN, and one NaN makes the whole sum NaN.
static_assert(sizeof(YardingResult) == 21 * sizeof(double), "a new figure belongs in allFinite too");
inline bool allFinite(const YardingResult& r) {
    const double zero = r.eyd * 0 + r.landingSpacing * 0 + r.lyd * 0 + r.alyd * 0 + r.ayd * 0 + r.aeyd * 0 +
                        r.corridorsPerLanding * 0 + r.landingsPerUnit * 0 + r.corridorsPerUnit * 0 +
                        r.rigTimePerLanding * 0 + r.rigTimeTotal * 0 + r.roadDensity * 0 + r.cycleTime * 0 +
                        r.totalDays * 0 + r.unitVolume * 0 + r.mbfPerDay * 0 + r.tonsPerDay * 0 + r.loadsPerDay * 0 +
                        r.loggingCost * 0 + r.roadCost * 0 + r.totalCost * 0;
    return zero == 0;
}

// Draws and evaluates scenarios: one draw, then steps 1..N with the
// scenario's own fan-shaped carry.
class ScenarioEvaluator {
public:
    ScenarioEvaluator(const RunInputs& inputs, CorridorPattern pattern, int steps)
        : m_inputs(inputs), m_pattern(pattern), m_steps(steps) {}

    // Fills costs (N values); false when a figure of some step is not finite.
    bool evaluate(RandomSource& random, double* costs) const {
        ModelInputs m;
        m_inputs.draw(random, m);
        m.pattern = m_pattern;
        m.maxEyd = m_inputs.highEydFeet();
        FanCarry carry;
        for (int step = 1; step <= m_steps; ++step) {
            const YardingResult r = evaluateUncapped(m, step, carry);
            if (!allFinite(r)) {
                return false;
            }
            costs[step - 1] = r.totalCost;
        }
        return true;
    }

    int steps() const { return m_steps; }

private:
    const RunInputs& m_inputs;
    CorridorPattern m_pattern;
    int m_steps;
};

class DecisionRun {
public:
    DecisionRun(const RunInputs& inputs, const DecisionSettings& settings)
        : m_settings(settings),
          m_steps(stepCount(inputs.highEydFeet())),
          m_evaluator(inputs, settings.pattern, m_steps) {
        ModelInputs base = inputs.midpoints();
        base.pattern = settings.pattern;
        const std::vector<double> baseCosts = sweepCosts(base, m_steps);
        m_reference.resize(static_cast<size_t>(m_steps));
        for (int s = 0; s < m_steps; ++s) {
            const double c = baseCosts[static_cast<size_t>(s)];
            m_reference[static_cast<size_t>(s)] = std::isfinite(c) ? c : 0;
            m_centres.push_back(c);
        }
        m_totals.reset(m_steps);
    }

    int steps() const { return m_steps; }

    // One percentile sketch per step, each centred on the step's reference.
    std::vector<QuantileSketch> newSketches() const {
        return std::vector<QuantileSketch>(m_centres.begin(), m_centres.end());
    }

    // Evaluates block b (count scenarios) into sums and the sketches; costs
    // is scratch room for N values.
    void runBlock(std::uint64_t block, std::uint64_t count, BlockSums& sums, std::vector<QuantileSketch>& sketches,
                  std::vector<double>& scratch) const {
        sums.reset(m_steps);
        RandomSource random(decisionBlockSeed(m_settings.seed, block));
        scratch.resize(static_cast<size_t>(m_steps));
        double* costs = scratch.data();
        const size_t n = static_cast<size_t>(m_steps);
        for (std::uint64_t i = 0; i < count; ++i) {
            if (!m_evaluator.evaluate(random, costs) || !measurable(costs)) {
                ++sums.nonFinite;
                continue;
            }
            size_t best = 0;
            for (size_t s = 1; s < n; ++s) {
                if (costs[s] <= costs[best]) {
                    best = s;
                }
            }
            const double lowest = costs[best];
            for (size_t s = 0; s < n; ++s) {
                const double d = costs[s] - m_reference[s];
                StepSums& t = sums.steps[s];
                t.sum += d;
                t.sumSquares += d * d;
                t.regret += costs[s] - lowest;
                sketches[s].add(costs[s]);
            }
            ++sums.steps[best].optimal;
            ++sums.finite;
        }
    }

    // Takes a block's scenarios back out of the sketches: the block was
    // evaluated beyond the point where the run stopped.
    void unrunBlock(std::uint64_t block, std::uint64_t count, std::vector<QuantileSketch>& sketches,
                    std::vector<double>& scratch) const {
        RandomSource random(decisionBlockSeed(m_settings.seed, block));
        scratch.resize(static_cast<size_t>(m_steps));
        for (std::uint64_t i = 0; i < count; ++i) {
            if (m_evaluator.evaluate(random, scratch.data()) && measurable(scratch.data())) {
                for (size_t s = 0; s < scratch.size(); ++s) {
                    sketches[s].remove(scratch[s]);
                }
            }
        }
    }

    void fold(const BlockSums& sums) { m_totals.add(sums); }

    const BlockSums& totals() const { return m_totals; }

    // Per-step figures of the prefix so far, percentiles from the sketches.
    std::vector<DecisionRow> rows(const std::vector<QuantileSketch>& sketches) const {
        std::vector<DecisionRow> rows(static_cast<size_t>(m_steps));
        const double n = static_cast<double>(m_totals.finite);
        for (int s = 0; s < m_steps; ++s) {
            const StepSums& t = m_totals.steps[static_cast<size_t>(s)];
            DecisionRow& row = rows[static_cast<size_t>(s)];
            row.step = s + 1;
            row.eyd = 100.0 * (s + 1);
            if (m_totals.finite == 0) {
                continue;
            }
            row.mean = m_reference[static_cast<size_t>(s)] + t.sum / n;
            if (m_totals.finite >= 2) {
                const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / n)) / (n - 1));
                row.stddev = std::sqrt(variance);
                row.halfWidth = kZ95 * row.stddev / std::sqrt(n);
            }
            const QuantileSketch& q = sketches[static_cast<size_t>(s)];
            row.p10 = q.quantile(0.10);
            row.p50 = q.quantile(0.50);
            row.p90 = q.quantile(0.90);
            row.pOptimal = static_cast<double>(t.optimal) / n;
            row.regret = t.regret / n;
        }
        return rows;
    }

    // The adaptive rule on the prefix so far.
    bool targetMet() const {
        const std::uint64_t n = m_totals.finite;
        if (n < std::max<std::uint64_t>(m_settings.minScenarios, 2)) {
            return false;
        }
        const double dn = static_cast<double>(n);
        int best = -1;
        double bestMean = 0;
        for (int s = 0; s < m_steps; ++s) {
            const StepSums& t = m_totals.steps[static_cast<size_t>(s)];
            const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / dn)) / (dn - 1));
            const double halfWidth = kZ95 * std::sqrt(variance) / std::sqrt(dn);
            if (!(halfWidth <= m_settings.target)) {
                return false;
            }
            const double mean = m_reference[static_cast<size_t>(s)] + t.sum / dn;
            if (best < 0 || mean <= bestMean) {
                best = s;
                bestMean = mean;
            }
        }
        if (best < 0) {
            return true;
        }
        const double p = static_cast<double>(m_totals.steps[static_cast<size_t>(best)].optimal) / dn;
        return kZ95 * std::sqrt(p * (1 - p) / dn) <= m_settings.pOptimalHalfWidth;
    }

    double worstHalfWidth() const {
        const std::uint64_t n = m_totals.finite;
        if (n < 2) {
            return 0;
        }
        const double dn = static_cast<double>(n);
        double worst = 0;
        for (const StepSums& t : m_totals.steps) {
            const double variance = std::max(0.0, (t.sumSquares - t.sum * (t.sum / dn)) / (dn - 1));
            worst = std::max(worst, kZ95 * std::sqrt(variance) / std::sqrt(dn));
        }
        return worst;
    }

private:
    bool measurable(const double* costs) const {
        for (int s = 0; s < m_steps; ++s) {
            if (!(std::fabs(costs[s] - m_reference[static_cast<size_t>(s)]) <= kLargestDeviation)) {
                return false;
            }
        }
        return true;
    }

    const DecisionSettings& m_settings;
    int m_steps;
    ScenarioEvaluator m_evaluator;
    std::vector<double> m_reference;
    std::vector<double> m_centres;
    BlockSums m_totals;
};

void summarise(DecisionResult& result) {
    const std::vector<DecisionRow>& rows = result.rows;
    if (result.scenarios == 0 || rows.empty()) {
        return;
    }
    size_t best = 0;
    for (size_t s = 1; s < rows.size(); ++s) {
        if (rows[s].mean <= rows[best].mean) {
            best = s;
        }
    }
    const double bestMean = rows[best].mean;
    const double allowed = result.bandTolerance * std::fabs(bestMean);
    size_t from = best;
    while (from > 0 && rows[from - 1].mean - bestMean <= allowed) {
        --from;
    }
    size_t to = best;
    while (to + 1 < rows.size() && rows[to + 1].mean - bestMean <= allowed) {
        ++to;
    }
    result.recommendedStep = rows[best].step;
    result.recommendedEyd = rows[best].eyd;
    result.recommendedMean = bestMean;
    result.bandFromEyd = rows[from].eyd;
    result.bandToEyd = rows[to].eyd;
    // Each scenario's cost at the recommended step is at least its own
    // minimum, so this mean of non-negative terms is never below zero.
    result.evpi = rows[best].regret;
}

// The estimate for a progress bar: the share of the scenarios the rule is
// likely to need, judged from the half-widths so far.
double progressFraction(const DecisionSettings& settings, std::uint64_t drawn, std::uint64_t planned,
                        double worstHalfWidth) {
    if (planned == 0) {
        return 1;
    }
    double fraction = static_cast<double>(drawn) / static_cast<double>(planned);
    if (!settings.scenarios && drawn > 0 && worstHalfWidth > 0 && settings.target > 0) {
        const double ratio = worstHalfWidth / settings.target;
        const double needed =
            std::max(static_cast<double>(settings.minScenarios), static_cast<double>(drawn) * ratio * ratio);
        fraction = std::max(fraction, static_cast<double>(drawn) / needed);
    }
    return std::clamp(fraction, 0.0, 1.0);
}

// Runs the blocks of one analysis on worker threads. Workers claim blocks
// in order and hand in their sums; the calling thread folds them strictly in
// block order and applies the stopping rule to that prefix alone, so where
// the run stops does not depend on the threads. A worker runs at most a few
// blocks ahead of the fold, so the sums waiting to be folded stay few.
class BlockScheduler {
public:
    BlockScheduler(DecisionRun& run, const DecisionSettings& settings, unsigned threads,
                   const std::atomic<bool>* cancel)
        : m_run(run),
          m_settings(settings),
          m_cancel(cancel),
          m_planned(settings.scenarios ? *settings.scenarios : settings.maxScenarios),
          m_window(4 * static_cast<std::uint64_t>(threads) + 4),
          m_workers(threads) {
        m_stopped = cancelled();
        m_endBlock = m_stopped ? 0 : (m_planned + kDecisionBlockScenarios - 1) / kDecisionBlockScenarios;
    }

    ~BlockScheduler() { joinWorkers(); }
    BlockScheduler(const BlockScheduler&) = delete;
    BlockScheduler& operator=(const BlockScheduler&) = delete;

    // Runs to the end, the target, the cap or a stop; returns the sketches
    // of exactly the folded scenarios.
    std::vector<QuantileSketch> execute(const DecisionProgressFn& progress) {
        m_running = static_cast<unsigned>(m_workers.size());
        for (Worker& w : m_workers) {
            w.sketches = m_run.newSketches();
            w.thread = std::thread([this, &w] { work(w); });
        }
        coordinate(progress);
        joinWorkers();
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
        // Blocks in flight when a stop was asked for still count where they
        // continue the prefix.
        foldReady();

        std::vector<QuantileSketch> sketches = m_run.newSketches();
        for (const Worker& w : m_workers) {
            for (size_t s = 0; s < sketches.size(); ++s) {
                sketches[s].merge(w.sketches[s]);
            }
        }
        // Blocks evaluated beyond the fold: evaluated once more and taken
        // back out, count by count.
        std::vector<double> scratch;
        for (const auto& [block, sums] : m_finished) {
            m_run.unrunBlock(block, blockSize(block), sketches, scratch);
        }
        return sketches;
    }

    bool stopped() const { return m_stopped; }
    bool targetMet() const { return m_targetMet; }
    double fraction() const { return progressFraction(m_settings, m_drawn, m_planned, m_run.worstHalfWidth()); }

private:
    struct Worker {
        std::vector<QuantileSketch> sketches;
        std::vector<double> scratch;
        std::thread thread;
    };

    std::uint64_t blockSize(std::uint64_t b) const {
        return std::min(kDecisionBlockScenarios, m_planned - b * kDecisionBlockScenarios);
    }

    bool cancelled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }

    void work(Worker& w) {
        try {
            for (;;) {
                std::uint64_t b = 0;
                {
                    std::unique_lock lock(m_mutex);
                    m_roomFreed.wait(lock,
                                     [&] { return m_nextBlock >= m_endBlock || m_nextBlock < m_folded + m_window; });
                    if (m_nextBlock >= m_endBlock) {
                        break;
                    }
                    b = m_nextBlock++;
                }
                BlockSums sums;
                m_run.runBlock(b, blockSize(b), sums, w.sketches, w.scratch);
                {
                    std::lock_guard lock(m_mutex);
                    m_finished.emplace(b, std::move(sums));
                }
                m_handedIn.notify_one();
            }
        } catch (...) {
            std::lock_guard lock(m_mutex);
            if (!m_failure) {
                m_failure = std::current_exception();
            }
            m_endBlock = m_nextBlock;
        }
        {
            std::lock_guard lock(m_mutex);
            --m_running;
        }
        m_handedIn.notify_one();
        m_roomFreed.notify_all();
    }

    // Folds every block that continues the prefix; true when one did.
    bool foldReady() {
        bool advanced = false;
        for (auto it = m_finished.find(m_folded); it != m_finished.end() && !m_targetMet;
             it = m_finished.find(m_folded)) {
            m_run.fold(it->second);
            m_drawn += blockSize(m_folded);
            m_finished.erase(it);
            ++m_folded;
            advanced = true;
            if (!m_settings.scenarios && m_run.targetMet()) {
                m_targetMet = true;
                m_endBlock = m_folded;
            }
        }
        return advanced;
    }

    void coordinate(const DecisionProgressFn& progress) {
        using Clock = std::chrono::steady_clock;
        auto lastReport = Clock::now();
        std::unique_lock lock(m_mutex);
        while (m_folded < m_endBlock && m_running > 0) {
            m_handedIn.wait_for(lock, std::chrono::milliseconds(50),
                                [&] { return m_finished.count(m_folded) > 0 || m_running == 0; });
            if (foldReady()) {
                m_roomFreed.notify_all();
            }
            if (cancelled() && !m_targetMet && m_folded < m_endBlock) {
                m_stopped = true;
                break;
            }
            if (progress && Clock::now() - lastReport >= std::chrono::milliseconds(50)) {
                lastReport = Clock::now();
                const double worst = m_run.worstHalfWidth();
                const DecisionProgress report{m_run.totals().finite, worst,
                                              progressFraction(m_settings, m_drawn, m_planned, worst)};
                lock.unlock();
                progress(report);
                lock.lock();
            }
        }
    }

    // No block is claimed any more; the workers finish the ones they hold.
    void joinWorkers() {
        {
            std::lock_guard lock(m_mutex);
            m_endBlock = std::min(m_endBlock, m_nextBlock);
        }
        m_roomFreed.notify_all();
        for (Worker& w : m_workers) {
            if (w.thread.joinable()) {
                w.thread.join();
            }
        }
    }

    DecisionRun& m_run;
    const DecisionSettings& m_settings;
    const std::atomic<bool>* m_cancel;
    const std::uint64_t m_planned;
    const std::uint64_t m_window;
    std::vector<Worker> m_workers;

    std::mutex m_mutex;
    std::condition_variable m_handedIn;
    std::condition_variable m_roomFreed;
    // Guarded by m_mutex while workers run.
    std::uint64_t m_nextBlock = 0;
    std::uint64_t m_endBlock = 0;
    std::uint64_t m_folded = 0;
    std::map<std::uint64_t, BlockSums> m_finished;
    unsigned m_running = 0;
    std::exception_ptr m_failure;

    std::uint64_t m_drawn = 0;
    bool m_targetMet = false;
    bool m_stopped = false;
};

std::string fill(std::string text, std::initializer_list<std::string> args) {
    char mark[3] = {'%', '1', '\0'};  // %1 to %9
    for (const std::string& arg : args) {
        const size_t at = text.find(mark);
        ++mark[1];
        if (at != std::string::npos) {
            text.replace(at, 2, arg);
        }
    }
    return text;
}

std::string stations(double eydFeet) { return plainDecimal(eydFeet / 100); }

}  // namespace

std::uint64_t decisionBlockSeed(std::uint64_t seed, std::uint64_t block) {
    return mix(seed ^ mix(block + 0x632be59bd9b4e019ULL));
}

void forEachScenario(const RunInputs& inputs, CorridorPattern pattern, std::uint64_t seed, std::uint64_t first,
                     std::uint64_t count, const std::function<void(const std::vector<double>& costs)>& visit) {
    const ScenarioEvaluator evaluator(inputs, pattern, stepCount(inputs.highEydFeet()));
    std::vector<double> costs(static_cast<size_t>(evaluator.steps()));
    std::uint64_t block = first / kDecisionBlockScenarios;
    std::uint64_t index = block * kDecisionBlockScenarios;
    const std::uint64_t end = first + count;
    while (index < end) {
        RandomSource random(decisionBlockSeed(seed, block));
        for (std::uint64_t i = 0; i < kDecisionBlockScenarios && index < end; ++i, ++index) {
            const bool finite = evaluator.evaluate(random, costs.data());
            if (index >= first && finite) {
                visit(costs);
            }
        }
        ++block;
    }
}

Tornado computeTornado(const RunInputs& inputs, CorridorPattern pattern) {
    int correctionDraw = 0;
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        if (RunInputs::drawnVariable(i) == MultipleCorridorCorrection) {
            correctionDraw = i;
        }
    }
    const int kCorrectionDraw = correctionDraw;
    const int steps = stepCount(inputs.highEydFeet());
    ModelInputs average = inputs.midpoints();
    average.pattern = pattern;
    Tornado tornado;
    if (const auto base = minimumOf(sweepCosts(average, steps))) {
        tornado.baseMinCost = base->cost;
        tornado.baseEyd = base->eyd;
    }
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        const int variable = RunInputs::drawnVariable(i);
        TornadoBar bar;
        bar.drawIndex = i;
        bar.variable = std::string(variableRule(variable).option);
        bar.low = inputs.range(i).low;
        bar.high = inputs.range(i).high;
        auto sweepAt = [&](double value) {
            ModelInputs m = inputs.midpoints();
            RunInputs::setDrawn(m, i, value);
            // The averages had the correction rule applied against each
            // other; moving the fixed corridor time starts from the
            // correction time's own average instead.
            if (variable == FixedCorridorTime) {
                const DrawRange& correction = inputs.range(kCorrectionDraw);
                m.multipleCorridorCorrection = (correction.low + correction.high) / 2;
            }
            if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
                m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
            }
            m.pattern = pattern;
            return minimumOf(sweepCosts(m, steps));
        };
        const auto atLow = sweepAt(bar.low);
        const auto atHigh = sweepAt(bar.high);
        if (atLow) {
            bar.costAtLow = atLow->cost;
            bar.eydAtLow = atLow->eyd;
        }
        if (atHigh) {
            bar.costAtHigh = atHigh->cost;
            bar.eydAtHigh = atHigh->eyd;
        }
        if (bar.complete()) {
            bar.swing = std::fabs(bar.costAtHigh - bar.costAtLow);
        }
        tornado.bars.push_back(bar);
    }
    std::stable_sort(tornado.bars.begin(), tornado.bars.end(), [](const TornadoBar& a, const TornadoBar& b) {
        return a.complete() != b.complete() ? !a.complete() : a.swing > b.swing;
    });
    return tornado;
}

DecisionResult runDecisionAnalysis(const RunInputs& inputs, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel, const DecisionProgressFn& progress) {
    DecisionResult result;
    result.seed = settings.seed;
    result.pattern = settings.pattern;
    result.bandTolerance = settings.bandTolerance;
    result.threads =
        std::min(kMostDecisionThreads,
                 settings.threads > 0 ? settings.threads : std::max(1u, std::thread::hardware_concurrency()));
    result.tornado = computeTornado(inputs, settings.pattern);

    DecisionRun run(inputs, settings);
    result.steps = run.steps();
    if (run.steps() == 0) {
        return result;
    }
    BlockScheduler scheduler(run, settings, result.threads, cancel);
    const std::vector<QuantileSketch> sketches = scheduler.execute(progress);

    result.stopped = scheduler.stopped();
    result.capped = !settings.scenarios && !scheduler.targetMet() && !result.stopped;
    result.scenarios = run.totals().finite;
    result.nonFinite = run.totals().nonFinite;
    result.rows = run.rows(sketches);
    summarise(result);
    result.plan = planTerms(inputs, settings.pattern, result);
    if (progress) {
        const double worst = run.worstHalfWidth();
        progress({result.scenarios, worst, result.stopped ? scheduler.fraction() : 1.0});
    }
    return result;
}

std::string decisionStoppedNote(std::uint64_t scenarios) {
    return fill(texts::decision::kStopped, {std::to_string(scenarios)});
}

std::string decisionCapNote(std::uint64_t maxScenarios) {
    return fill(texts::decision::kCapped, {std::to_string(maxScenarios)});
}

std::string decisionSummary(const DecisionResult& result) {
    namespace t = texts::decision;
    std::vector<std::string> sentences;
    if (result.stopped) {
        sentences.push_back(decisionStoppedNote(result.scenarios + result.nonFinite));
    }
    if (result.steps == 0) {
        sentences.push_back(t::kNoSteps);
    } else if (result.recommendedStep == 0) {
        sentences.push_back(t::kNoScenario);
    } else {
        const std::string tolerance = plainDecimal(roundHalfEven(result.bandTolerance * 100, 6));
        const std::string mean = fixedDecimal(result.recommendedMean, 2);
        sentences.push_back(result.recommendedStep == 1
                                ? fill(t::kRecommendOne, {mean})
                                : fill(t::kRecommend, {std::to_string(result.recommendedStep), mean}));
        sentences.push_back(cheapestSentence(result));
        if (result.bandFromEyd < result.bandToEyd) {
            sentences.push_back(fill(t::kBand, {stations(result.bandFromEyd), stations(result.bandToEyd), tolerance}));
        } else {
            sentences.push_back(fill(t::kBandAlone, {tolerance}));
        }
        if (atLargestEyd(result)) {
            sentences.push_back(texts::plan::kWiden);
        }
        sentences.push_back(evpiSentence(result));
        if (result.plan) {
            sentences.push_back(planSentences(*result.plan));
        }
    }
    if (result.steps > 0) {
        const auto& bars = result.tornado.bars;
        auto caption = [](const TornadoBar& bar) {
            return std::string(variableRule(RunInputs::drawnVariable(bar.drawIndex)).caption);
        };
        const auto driver = std::find_if(bars.begin(), bars.end(), [](const TornadoBar& b) { return b.complete(); });
        const bool allComplete =
            std::all_of(bars.begin(), bars.end(), [](const TornadoBar& b) { return b.complete(); });
        if (driver != bars.end() && driver->swing > 0) {
            sentences.push_back(fill(t::kDriver, {caption(*driver)}));
        } else if (allComplete) {
            sentences.push_back(t::kNoDriver);
        }
        // The cost cannot be figured with a variable at an end of its range:
        // an extreme entry the user should see named. Without a finite base
        // every variable fails at both ends; only those that have a finite
        // cost at one end show where it breaks.
        if (!bars.empty() && !result.tornado.hasBase()) {
            sentences.push_back(t::kTornadoNoBase);
        }
        for (const TornadoBar& bar : bars) {
            if (bar.hasLow() != bar.hasHigh()) {
                sentences.push_back(fill(bar.hasLow() ? t::kNoCostAtHigh : t::kNoCostAtLow, {caption(bar)}));
            } else if (!bar.hasLow() && result.tornado.hasBase()) {
                sentences.push_back(fill(t::kNoCostAtEither, {caption(bar)}));
            }
        }
    }
    std::string text;
    for (const std::string& s : sentences) {
        if (!text.empty()) {
            text += ' ';
        }
        text += s;
    }
    return text;
}

}  // namespace quorvale
