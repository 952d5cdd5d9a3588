#pragma once
// The quorvale-cli decide command line that repeats a decision analysis run
// elsewhere (the window, a report): the variables whose values differ from
// the defaults, LOW:MODE:HIGH where a variable has a most-likely value, the
// shape and the linked pairs, the pattern, the band, the seed and the
// scenarios drawn. A fixed count of scenarios repeats an adaptive run too,
// since scenarios are drawn in the same blocks from the same seed either
// way.

#include <string>

#include "decision/DecisionAnalysis.h"
#include "inputs/Beliefs.h"
#include "inputs/InputVariables.h"

namespace quorvale::cli {

// What the run drew from and compared besides the inputs.
struct RepeatedRun {
    Beliefs beliefs;
    // The run compared both corridor patterns.
    bool comparedPatterns = false;
    // A unit file that holds these very inputs and beliefs, if one is known:
    // the command line names it where it cannot give the beliefs itself.
    std::string unitFile;
    // The unit file the run compared with: then the command is compare's,
    // and needs unitFile.
    std::string againstFile;
};

// `inputs` as the analysis read them; their entries are repaired on a copy,
// as the analysis did. Empty when no one line can say it: modes of both
// shapes, or a comparison with a unit file, and no unit file that holds
// these inputs.
std::string decideCommandFor(InputVariables& inputs, const DecisionResult& result, const RepeatedRun& run = {});

// The file name as a POSIX shell reads it back: quoted unless it is plain.
std::string shellWord(const std::string& word);

}  // namespace quorvale::cli
