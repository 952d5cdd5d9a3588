#pragma once
// Wide input ranges for the screenshots and the benchmarks: every Low a
// quarter below its default and every High a quarter above, so that every
// sample of a simulation run draws different inputs.

#include "inputs/InputVariables.h"

namespace quorvale::tools {

inline void spreadInputs(InputVariables& inputs, bool spreadEyd) {
    for (int variable = 0; variable < kVariableCount; ++variable) {
        if (!spreadEyd && variable == ExternalYardingDistance) {
            continue;
        }
        // The spin value still holds the default where the text may not:
        // the static analysis halves a multiple corridor correction time
        // that is not below the fixed corridor time.
        const double middle = inputs.spinValue(lowEntry(variable));
        inputs.setEntryText(lowEntry(variable), inputs.valueRule().plain(middle * 0.75));
        inputs.setEntryText(highEntry(variable), inputs.valueRule().plain(middle * 1.25));
    }
}

}  // namespace quorvale::tools
