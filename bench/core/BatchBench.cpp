// Units per second of a batch on one thread and on two, side by side:
//   quorvale_core_bench --benchmark_filter=batchUnits
// Each unit is run as quorvale-cli batch runs it (its options read as
// decide reads them, the analysis on one thread, the row as its CSV line),
// sixteen units of a batch CSV with a fixed scenario count, so every
// iteration does the same work. Items per second are units per second of
// wall time: the speed-up of two threads is the ratio of the two rates.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "batch/BatchInput.h"
#include "batch/BatchRunner.h"
#include "cli/BatchUnitRun.h"

using namespace quorvale;

namespace {

constexpr int kUnits = 16;

std::string batchCsv() {
    const auto path = std::filesystem::temp_directory_path() / "quorvale-batch-bench.csv";
    std::ofstream csv(path);
    csv << "name,harvest-volume,unit-size,operator-cost\n";
    for (int i = 0; i < kUnits; ++i) {
        csv << "unit " << i << ',' << 14 + i << ':' << 24 + i << ',' << 60 + 5 * i << ":120,2500:3500\n";
    }
    return path.string();
}

void batchUnits(benchmark::State& state) {
    const std::string csv = batchCsv();
    cli::BatchSettings settings;
    settings.decideArgs = {"--scenarios", "20000"};
    BatchJob job;
    job.threads = static_cast<unsigned>(state.range(0));
    job.evaluate = [&](const BatchUnit& unit) {
        return cli::runBatchUnit(unit, settings, nullptr, [](BatchRow& row, InputVariables* inputs) {
            std::ostringstream line;
            cli::writeBatchCsvRow(line, cli::batchRowJson(row, inputs));
            row.text = line.str();
        });
    };
    std::size_t bytes = 0;
    job.deliver = [&](BatchRow& row) { bytes += row.text.size(); };
    std::int64_t units = 0;
    for (auto _ : state) {
        BatchInput input({csv});
        units += static_cast<std::int64_t>(runBatch(input, job).written);
        ++settings.seed;
    }
    benchmark::DoNotOptimize(bytes);
    state.SetItemsProcessed(units);
}

}  // namespace

BENCHMARK(batchUnits)->ArgName("threads")->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
