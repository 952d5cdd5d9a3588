#pragma once
// The input set as numbers: what an analysis takes from the thirty entry
// texts, read once by the value rule at the moment it starts. The windows,
// the command-line tool and unit files hold texts; the model, the sweep, the
// simulation and the decision analysis work from these numbers.

#include <array>

#include "inputs/InputRules.h"

namespace quorvale {

class InputVariables;

struct InputValues {
    // Entries 0 to 29 in the units of the Variables window.
    std::array<double, kEntryCount> entries{};

    double entry(int entry) const { return entries.at(static_cast<size_t>(entry)); }
    double low(int variable) const { return entry(lowEntry(variable)); }
    double high(int variable) const { return entry(highEntry(variable)); }

    // Every entry by the value rule; one that is not a positive number reads
    // as the whole-number text of its spin value, which is what the repair
    // would write into it. The texts themselves are left as they are.
    static InputValues read(InputVariables& inputs);
};

}  // namespace quorvale
