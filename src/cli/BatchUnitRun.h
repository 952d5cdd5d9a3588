#pragma once
// One unit of a batch, run as decide runs it: a unit file as with
// `--unit FILE`, a batch CSV row as its cells given as variable options,
// then the options that apply to every unit, on one thread, with the seed
// derived from the batch seed and the unit's name. quorvale-cli batch and
// the Units Overview window run their units through this.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "batch/BatchRunner.h"
#include "cli/JsonOutput.h"
#include "inputs/InputVariables.h"
#include "units/UnitDocument.h"

namespace quorvale::cli {

struct BatchSettings {
    // decide's options for every unit, as given ("--scenarios", "2000", ...).
    std::vector<std::string> decideArgs;
    std::uint64_t seed = 0;
};

// Called on the worker with every row that is handed back, and the inputs
// of a unit that ran (none for a failed one), to build what the row shows
// while they are at hand.
using BatchRowFinish = std::function<void(BatchRow&, InputVariables*)>;

// Never throws for a bad unit: the row says what was wrong.
BatchRow runBatchUnit(const BatchUnit& unit, const BatchSettings& settings, const std::atomic<bool>* stop,
                      const BatchRowFinish& finish = {});

// The row as a JSON object: name, pattern, seed, scenarios, status, and the
// figures as decide's document has them (recommended, band, evpi, the
// recommended step's pOptimal, the input of the tornado's largest swing as
// topDriver, decide's voi entry of the largest EVPPI as worthMeasuring, and
// plan); worthMeasuring is null when every EVPPI is 0, plan when decide has
// none. A failed unit's figures are null. `inputs` are the run's; none for a
// failed unit.
Json batchRowJson(const BatchRow& row, InputVariables* inputs);

// A batch CSV row as the unit file `quorvale-cli unit` writes of its name,
// pattern and cells; refused, with the reason, when they cannot be read.
UnitReadResult batchRowUnit(const BatchUnit& unit);

// The CSV header, and a row's cells taken from its JSON object.
void writeBatchCsvHeader(std::ostream& out);
void writeBatchCsvRow(std::ostream& out, const Json& row);

}  // namespace quorvale::cli
