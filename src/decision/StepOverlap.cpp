#include "decision/StepOverlap.h"

#include <algorithm>
#include <cmath>

namespace quorvale {

std::optional<StepOverlap> overlappingSteps(const RunSummary& run) {
    if (!run.optimum) {
        return std::nullopt;
    }
    const auto measured = [](const StepSummary& row) {
        return row.samples > 0 && std::isfinite(row.mean) && std::isfinite(row.halfWidth);
    };
    const auto best = std::find_if(run.rows.begin(), run.rows.end(), [&](const StepSummary& row) {
        return row.eyd == run.optimum->eyd && measured(row);
    });
    StepOverlap overlap{run.optimum->eyd, run.optimum->eyd, run.optimum->eyd};
    if (best == run.rows.end()) {
        return overlap;
    }
    for (const StepSummary& row : run.rows) {
        if (measured(row) && std::fabs(row.mean - best->mean) <= row.halfWidth + best->halfWidth) {
            overlap.fromEyd = std::min(overlap.fromEyd, row.eyd);
            overlap.toEyd = std::max(overlap.toEyd, row.eyd);
        }
    }
    return overlap;
}

}  // namespace quorvale
