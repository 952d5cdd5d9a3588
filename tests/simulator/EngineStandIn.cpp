// Until the Monte Carlo engine is part of the core, the window's default run
// resolves to this stand-in; every test sets its own run.
#include "simulator/MonteCarloRun.h"

namespace quorvale {

std::uint64_t seedFromClock() { return 0; }

RunSummary stat_itmain(InputVariables&, RunView& view, std::uint64_t seed) {
    view.runEnded(false);
    RunSummary summary;
    summary.seed = seed;
    return summary;
}

}  // namespace quorvale
