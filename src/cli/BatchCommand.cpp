#include "cli/BatchCommand.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <thread>

#include <fmt/format.h>

#include "base/Texts.h"
#include "batch/BatchInput.h"
#include "batch/BatchRunner.h"
#include "cli/BatchUnitRun.h"
#include "cli/CommandLine.h"
#include "cli/DecideCommand.h"
#include "cli/ProgressLine.h"
#include "cli/StopSignals.h"
#include "cli/WholeNumberOptions.h"
#include "decision/DecisionResult.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale::cli {
namespace {

namespace t = texts::batch;

enum class RowFormat { Csv, JsonLines };

struct BatchRequest {
    std::vector<std::string> paths;
    BatchSettings settings;
    std::optional<std::uint64_t> seed;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    BatchShard shard;
    RowFormat format = RowFormat::Csv;
};

// K/N: the K-th of N shards; none for any other text.
std::optional<BatchShard> readShard(const std::string& text) {
    const auto slash = text.find('/');
    const auto k = readWhole(text.substr(0, slash));
    const auto n = slash == std::string::npos ? std::nullopt : readWhole(text.substr(slash + 1));
    if (!k || !n || *k < 1 || *k > *n) {
        return std::nullopt;
    }
    return BatchShard{*k, *n};
}

// The batch's own options; decide's go on to every unit.
std::unique_ptr<CommandLine> batchCommandLine(BatchRequest& request) {
    auto line = std::make_unique<CommandLine>("batch", t::kSynopsis);
    line->addWholeOption("--seed", "S", t::kSeedOption, 0, kLargestSeed,
                         [&request](std::uint64_t seed) { request.seed = seed; });
    line->addWholeOption("--threads", "K", t::kThreadsOption, 1, kMostDecisionThreads,
                         [&request](std::uint64_t threads) { request.threads = static_cast<unsigned>(threads); });
    line->addOption(
        "--shard", "K/N", t::kShardOption, [&request](const std::string& text) { request.shard = *readShard(text); },
        [](const std::string& text) { return readShard(text) ? std::string() : fmt::format(t::kNotShard, text); });
    line->addChoiceOption("--format", "csv|jsonl", t::kFormatOption,
                          {{"csv", RowFormat::Csv}, {"jsonl", RowFormat::JsonLines}}, t::kBatchFormat, request.format);
    return line;
}

// PATH... first, then the options: the batch's own are taken out, the
// others are handed to every unit's decide as given.
BatchRequest parse(const std::vector<std::string>& args) {
    BatchRequest request;
    const auto options =
        std::find_if(args.begin(), args.end(), [](const std::string& arg) { return arg.rfind("--", 0) == 0; });
    request.paths.assign(args.begin(), options);
    request.settings.decideArgs = batchCommandLine(request)->parseOwnOptions({options, args.end()});
    if (request.paths.empty()) {
        throw UsageError(t::kNoPaths);
    }
    return request;
}

std::string timeText(double seconds) {
    const auto whole = static_cast<long long>(std::llround(seconds));
    if (whole >= 3600) {
        return fmt::format("{}h {:02}m", whole / 3600, whole % 3600 / 60);
    }
    if (whole >= 60) {
        return fmt::format("{}m {:02}s", whole / 60, whole % 60);
    }
    return fmt::format("{}s", whole);
}

std::string progressText(const BatchProgress& p) {
    const double percent = p.total > 0 ? 100.0 * static_cast<double>(p.done) / static_cast<double>(p.total) : 100;
    const auto left = p.secondsLeft();
    return fmt::format(t::kProgress, p.done, p.total, percent, p.rate(),
                       left ? timeText(*left) : std::string(t::kUnknownTimeLeft));
}

}  // namespace

int batchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const BatchSurroundings& surroundings) {
    BatchRequest request;
    std::size_t total = 0;
    try {
        request = parse(args);
        // The options every unit shares are read once here, so a mistake in
        // them stops the batch before any unit runs.
        if (readDecideRun(request.settings.decideArgs, "batch", err).comparePatterns) {
            throw UsageError(t::kNoComparePatterns);
        }
        total = request.shard.share(BatchInput::count(request.paths));
    } catch (const InputsRefused& e) {
        return e.status();  // the reasons are said
    } catch (const UsageError& e) {
        return sayUsageError("batch", e, err);
    } catch (const BatchInputError& e) {
        err << fmt::format(texts::cli::kCommandError, "batch", e.what()) << '\n';
        return 1;
    }
    request.settings.seed = request.seed ? *request.seed : seedFromClock();

    std::atomic<bool> stop{false};
    ProgressLine line(err);
    const bool jsonLines = request.format == RowFormat::JsonLines;
    BatchJob job;
    job.threads = request.threads;
    job.shard = request.shard;
    job.total = total;
    job.evaluate = [&](const BatchUnit& unit) {
        return runBatchUnit(unit, request.settings, &stop, [jsonLines](BatchRow& row, InputVariables* inputs) {
            const Json json = batchRowJson(row, inputs);
            std::ostringstream text;
            if (jsonLines) {
                writeJsonLine(text, json);
            } else {
                writeBatchCsvRow(text, json);
            }
            row.text = text.str();
        });
    };
    std::size_t written = 0;
    job.deliver = [&](BatchRow& row) {
        line.clear();
        for (const std::string& note : row.notes) {
            err << note << '\n';
        }
        out << row.text << std::flush;
        if (surroundings.atRow) {
            surroundings.atRow(++written, stop);
        }
    };
    if (surroundings.showProgress) {
        job.progress = [&](const BatchProgress& p) { line.redraw([&] { return progressText(p); }); };
    }

    if (!jsonLines) {
        writeBatchCsvHeader(out);
    }
    BatchInput input(request.paths);
    BatchSummary summary;
    int stoppedStatus = kInterruptedStatus;
    try {
        StopSignals signals([](void* flag) { static_cast<std::atomic<bool>*>(flag)->store(true); }, &stop);
        summary = runBatch(input, job, &stop);
        stoppedStatus = signals.stoppedStatus();
    } catch (const BatchInputError& e) {
        line.clear();
        err << fmt::format(texts::cli::kCommandError, "batch", e.what()) << '\n';
        return 1;
    }
    line.clear();
    if (summary.stopped) {
        err << fmt::format(texts::cli::kCommandNote, "batch", fmt::format(t::kStoppedNote, summary.written, total))
            << '\n';
        return stoppedStatus;
    }
    if (summary.failed > 0) {
        err << fmt::format(texts::cli::kCommandNote, "batch",
                           fmt::format(t::kFailedNote, summary.failed, summary.written))
            << '\n';
        return 1;
    }
    return 0;
}

int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    BatchSurroundings surroundings;
    surroundings.showProgress = ProgressLine::drawsOn(err);
    return batchCommand(args, out, err, surroundings);
}

std::string batchHelp() {
    BatchRequest unused;
    return batchCommandLine(unused)->help();
}

}  // namespace quorvale::cli
