#include "cli/DecisionRunOptions.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>

#include "base/Texts.h"
#include "cli/ProgressLine.h"
#include "cli/StopSignals.h"
#include "cli/WholeNumberOptions.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

// A band in percent: a number from 0 to 100.
std::optional<double> readBand(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value) || value < 0 || value > 100) {
        return std::nullopt;
    }
    return value;
}

// The bins of the value of measuring an input: 0 for none, else 2 to the
// most the analysis takes.
std::optional<int> readVoiBins(const std::string& text) {
    const auto bins = readWhole(text);
    if (!bins || *bins > static_cast<std::uint64_t>(DecisionSettings::kMostVoiBins) || *bins == 1) {
        return std::nullopt;
    }
    return static_cast<int>(*bins);
}

}  // namespace

void addDecisionRunOptions(CommandLine& line, DecideRequest& request) {
    DecisionSettings& settings = request.settings;
    line.addWholeOption("--scenarios", "N", t::kScenariosOption, 1, kLargestCount,
                        [&settings](std::uint64_t scenarios) { settings.scenarios = scenarios; });
    line.addPositiveOption("--target", "HALF_WIDTH", t::kDecideTargetOption, [&request](double target) {
        request.settings.target = target;
        request.targetGiven = true;
    });
    line.addWholeOption("--max-scenarios", "N", t::kMaxScenariosOption, 1, kLargestCount,
                        [&request](std::uint64_t cap) {
                            request.settings.maxScenarios = cap;
                            request.capGiven = true;
                        });
    line.addOption(
        "--band", "PCT", t::kBandOption,
        [&settings](const std::string& text) { settings.bandTolerance = *readBand(text) / 100; },
        [](const std::string& text) { return readBand(text) ? std::string() : fmt::format(t::kNotBand, text); });
    line.addWholeOption("--seed", "N", t::kSeedOption, 0, kLargestSeed,
                        [&request](std::uint64_t seed) { request.seed = seed; });
    line.addWholeOption("--threads", "K", t::kThreadsOption, 1, kMostDecisionThreads,
                        [&settings](std::uint64_t threads) { settings.threads = static_cast<unsigned>(threads); });
    line.addOption(
        "--voi-bins", "N", t::kVoiBinsOption,
        [&settings](const std::string& text) { settings.voiBins = *readVoiBins(text); },
        [](const std::string& text) {
            return readVoiBins(text) ? std::string()
                                     : fmt::format(t::kNotVoiBins, text, DecisionSettings::kMostVoiBins);
        });
}

void checkDecisionRunOptions(const DecideRequest& request) {
    if (request.settings.scenarios && (request.targetGiven || request.capGiven)) {
        throw UsageError(fmt::format(t::kScenariosCombined, request.targetGiven ? "--target" : "--max-scenarios"));
    }
}

int runStoppable(std::ostream& err, const DecideSurroundings& surroundings,
                 const std::function<void(const std::atomic<bool>*, const DecisionProgressFn&)>& analysis) {
    std::atomic<bool> stop{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
    ProgressLine line(err);
    DecisionProgressFn progress;
    if (surroundings.showProgress || surroundings.atProgress) {
        progress = [&](const DecisionProgress& p) {
            if (surroundings.showProgress) {
                line.redraw([&] {
                    const double seconds = line.seconds();
                    const double rate = seconds > 0 ? static_cast<double>(p.scenarios) / seconds : 0;
                    return fmt::format(t::kDecideProgress, p.fraction * 100, p.scenarios, p.worstHalfWidth, rate);
                });
            }
            if (surroundings.atProgress) {
                surroundings.atProgress(p, stop);
            }
        };
    }
    int stoppedStatus = kInterruptedStatus;
    {
        StopSignals signals([](void* flag) { static_cast<std::atomic<bool>*>(flag)->store(true); }, &stop);
        analysis(&stop, progress);
        stoppedStatus = signals.stoppedStatus();
    }
    line.clear();
    return stoppedStatus;
}

}  // namespace quorvale::cli
