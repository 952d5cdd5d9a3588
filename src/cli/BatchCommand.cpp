#include "cli/BatchCommand.h"

#include <unistd.h>

#include <cmath>
#include <iostream>
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

// The batch's own options; decide's go on to every unit.
void readOwnOption(const std::string& option, const std::string& value, BatchRequest& request) {
    if (option == "--seed") {
        if (const std::string refusal = wholeNumberRefusal(option, value, 0, kLargestSeed); !refusal.empty()) {
            throw UsageError(refusal);
        }
        request.seed = readWhole(value);
    } else if (option == "--threads") {
        if (const std::string refusal = wholeNumberRefusal(option, value, 1, kMostDecisionThreads); !refusal.empty()) {
            throw UsageError(refusal);
        }
        request.threads = static_cast<unsigned>(*readWhole(value));
    } else if (option == "--shard") {
        const auto slash = value.find('/');
        const auto k = readWhole(value.substr(0, slash));
        const auto n = slash == std::string::npos ? std::nullopt : readWhole(value.substr(slash + 1));
        if (!k || !n || *k < 1 || *k > *n) {
            throw UsageError(fmt::format(t::kNotShard, value));
        }
        request.shard = {*k, *n};
    } else if (value == "csv" || value == "jsonl") {
        request.format = value == "csv" ? RowFormat::Csv : RowFormat::JsonLines;
    } else {
        throw UsageError(fmt::format(t::kBatchFormat, value));
    }
}

// PATH... first, then the options: the batch's own are taken out, the
// others are handed to every unit's decide as given.
BatchRequest parse(const std::vector<std::string>& args) {
    BatchRequest request;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) != 0; ++i) {
        request.paths.push_back(args[i]);
    }
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto eq = arg.find('=');
        const std::string option = arg.substr(0, eq);
        if (option != "--seed" && option != "--threads" && option != "--shard" && option != "--format") {
            request.settings.decideArgs.push_back(arg);
            continue;
        }
        if (eq != std::string::npos) {
            readOwnOption(option, arg.substr(eq + 1), request);
        } else if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
            readOwnOption(option, args[++i], request);
        } else {
            throw UsageError(fmt::format(texts::cli::kNeedsValue, arg));
        }
    }
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
    surroundings.showProgress = &err == &std::cerr && isatty(STDERR_FILENO) == 1;
    return batchCommand(args, out, err, surroundings);
}

std::string batchHelp() {
    // The batch reads its own options as it hands the others on to decide
    // (parse); the help lists them.
    CommandLine line("batch", t::kSynopsis);
    const auto listed = [](const std::string&) {};
    line.addOption("--seed", "S", t::kSeedOption, listed);
    line.addOption("--threads", "K", t::kThreadsOption, listed);
    line.addOption("--shard", "K/N", t::kShardOption, listed);
    line.addOption("--format", "csv|jsonl", t::kFormatOption, listed);
    return line.help();
}

}  // namespace quorvale::cli
