#pragma once
// The static analysis: one deterministic sweep over EYD for the Low, Average
// or High values of the inputs.

#include <functional>
#include <optional>

#include "inputs/InputValues.h"
#include "inputs/InputVariables.h"
#include "model/GraphMarks.h"
#include "model/YardingModel.h"

namespace quorvale {

enum class RangeCase { Low, Average, High };

// Low if "Low Range" is checked, else High if "High Range" is, else Average.
RangeCase rangeCaseOf(const GraphMarks& marks);

const char* rangeCaseName(RangeCase rangeCase);

// Where a sweep's figures go: the chart windows, a table, a test.
class SweepSink {
public:
    virtual ~SweepSink() = default;
    // Once, before the first step, with the number of steps.
    virtual void prepare(int steps) = 0;
    // Once per step, in ascending order.
    virtual void writeStep(int step, const YardingResult& result) = 0;
};

// One case's values in model units: turn volume to mbf, production delay to
// a fraction, EYD to feet. The pattern is left to the caller.
ModelInputs modelInputs(const InputValues& values, RangeCase rangeCase);
// The same of a set of entries, read once as the analyses read them.
ModelInputs readModelInputs(InputVariables& inputs, RangeCase rangeCase);

// The longest sweep: 1000 stations (19 miles), far beyond any skyline
// corridor. A typed EYD of 1e300 stations would otherwise ask for more steps
// than any machine finishes.
constexpr int kMaxSteps = 1000;

// The whole stations of an EYD in feet, at most kMaxSteps; 0 for anything
// below one station.
int stepCount(double maxEydFeet);

struct SweepOutcome {
    RangeCase rangeCase = RangeCase::Low;
    ModelInputs inputs;  // after conversion and correction
    int steps = 0;       // N
    int stepsWritten = 0;
    // The first step whose figures were not finite numbers; the sweep stopped
    // there and wrote nothing for it.
    std::optional<int> failedStep;
};

// Evaluates and writes steps 1 to N of one set of model inputs, N from its
// maxEyd, each step capped; a step whose figures are not finite ends the
// sweep. `pattern` gives the corridor pattern anew at every step. Fills in
// the outcome's steps, stepsWritten and failedStep.
void sweepSteps(const ModelInputs& m, const std::function<CorridorPattern()>& pattern, SweepSink& sink,
                SweepOutcome& outcome);

// graph_itmain: repair the entries, choose the case, read the values once,
// correct the multiple corridor correction time (writing it back for Low and
// High), then sweep with the pattern read anew at every step.
SweepOutcome graph_itmain(InputVariables& inputs, const GraphMarks& marks, SweepSink& sink);

}  // namespace quorvale
