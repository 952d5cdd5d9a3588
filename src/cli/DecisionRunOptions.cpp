#include "cli/DecisionRunOptions.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>

#include "base/Texts.h"
#include "cli/ProgressLine.h"
#include "cli/StopSignals.h"

namespace quorvale::cli {
namespace {

namespace t = texts::cli;

constexpr std::uint64_t kLargestCount = 1'000'000'000'000;  // a run of this size takes days

std::optional<double> readNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint64_t> readWhole(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::uint64_t parseCount(const std::string& option, const std::string& text) {
    const auto value = readWhole(text);
    if (!value || *value < 1 || *value > kLargestCount) {
        throw UsageError(fmt::format(t::kNotWholeNumber, option, text, 1, kLargestCount));
    }
    return *value;
}

}  // namespace

void addDecisionRunOptions(CommandLine& line) {
    line.addOption("--scenarios", "N", t::kScenariosOption);
    line.addOption("--target", "HALF_WIDTH", t::kDecideTargetOption);
    line.addOption("--max-scenarios", "N", t::kMaxScenariosOption);
    line.addOption("--band", "PCT", t::kBandOption);
    line.addOption("--seed", "N", t::kSeedOption);
    line.addOption("--threads", "K", t::kThreadsOption);
    line.addOption("--voi-bins", "N", t::kVoiBinsOption);
}

bool readDecisionRunOption(const std::string& option, const std::string& value, DecideRequest& request) {
    if (option == "--scenarios") {
        request.settings.scenarios = parseCount(option, value);
    } else if (option == "--max-scenarios") {
        request.settings.maxScenarios = parseCount(option, value);
        request.capGiven = true;
    } else if (option == "--target") {
        request.settings.target = readPositiveNumber(option, value);
        request.targetGiven = true;
    } else if (option == "--band") {
        const auto band = readNumber(value);
        if (!band || *band < 0 || *band > 100) {
            throw UsageError(fmt::format(t::kNotBand, value));
        }
        request.settings.bandTolerance = *band / 100;
    } else if (option == "--seed") {
        request.seed = readWhole(value);
        if (!request.seed) {
            throw UsageError(
                fmt::format(t::kNotWholeNumber, option, value, 0, std::numeric_limits<std::uint64_t>::max()));
        }
    } else if (option == "--threads") {
        const auto threads = readWhole(value);
        if (!threads || *threads < 1 || *threads > kMostDecisionThreads) {
            throw UsageError(fmt::format(t::kNotWholeNumber, option, value, 1, kMostDecisionThreads));
        }
        request.settings.threads = static_cast<unsigned>(*threads);
    } else if (option == "--voi-bins") {
        const auto bins = readWhole(value);
        if (!bins || *bins > static_cast<std::uint64_t>(DecisionSettings::kMostVoiBins) || *bins == 1) {
            throw UsageError(fmt::format(t::kNotVoiBins, value, DecisionSettings::kMostVoiBins));
        }
        request.settings.voiBins = static_cast<int>(*bins);
    } else {
        return false;
    }
    return true;
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
