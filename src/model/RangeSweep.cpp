#include "model/RangeSweep.h"

#include <cmath>

namespace quorvale {

RangeCase rangeCaseOf(const GraphMarks& marks) {
    if (marks.low) {
        return RangeCase::Low;
    }
    if (marks.high) {
        return RangeCase::High;
    }
    return RangeCase::Average;
}

const char* rangeCaseName(RangeCase rangeCase) {
    switch (rangeCase) {
        case RangeCase::Low:
            return "low";
        case RangeCase::Average:
            return "average";
        case RangeCase::High:
            return "high";
    }
    return "low";
}

namespace {

// Each model field, the variable behind it and how an entered value becomes
// model units: divided by `divisor` (turn volume to mbf, production delay to
// a fraction) or multiplied by `factor` (EYD stations to feet).
struct ModelField {
    double ModelInputs::*field;
    int variable;
    double divisor;
    double factor;
};

constexpr ModelField kModelFields[] = {
    {&ModelInputs::harvestVolume, HarvestVolume, 1, 1},
    {&ModelInputs::turnVolume, TurnVolume, 1000, 1},
    {&ModelInputs::unitSize, UnitSize, 1, 1},
    {&ModelInputs::roadDensityFactor, RoadDensityFactor, 1, 1},
    {&ModelInputs::maxEyd, ExternalYardingDistance, 1, 100},
    {&ModelInputs::operatorCost, OperatorCost, 1, 1},
    {&ModelInputs::externalSpeed, ExternalSpeed, 1, 1},
    {&ModelInputs::fixedTime, TotalFixedTime, 1, 1},
    {&ModelInputs::lateralSpeed, LateralSpeed, 1, 1},
    {&ModelInputs::productionDelay, ProductionDelay, 100, 1},
    {&ModelInputs::fixedLandingTime, FixedLandingTime, 1, 1},
    {&ModelInputs::variableTime, VariableTime, 1, 1},
    {&ModelInputs::fixedCorridorTime, FixedCorridorTime, 1, 1},
    {&ModelInputs::multipleCorridorCorrection, MultipleCorridorCorrection, 1, 1},
    {&ModelInputs::roadCostPerStation, LifeCycleRoadCost, 1, 1},
};

}  // namespace

ModelInputs modelInputs(const InputValues& values, RangeCase rangeCase) {
    ModelInputs m;
    for (const ModelField& f : kModelFields) {
        if (rangeCase == RangeCase::Average) {
            // Grouped as (Low + High) / 2000 and (Low + High) * 100 / 2: one
            // rounding fewer than halving first.
            const double sum = values.low(f.variable) + values.high(f.variable);
            m.*f.field = f.factor != 1 ? (sum * f.factor) / 2 : sum / (2 * f.divisor);
        } else {
            const double v = rangeCase == RangeCase::Low ? values.low(f.variable) : values.high(f.variable);
            m.*f.field = f.factor != 1 ? v * f.factor : v / f.divisor;
        }
    }
    return m;
}

ModelInputs readModelInputs(InputVariables& inputs, RangeCase rangeCase) {
    return modelInputs(InputValues::read(inputs), rangeCase);
}

int stepCount(double maxEydFeet) {
    const double stations = std::floor(maxEydFeet / 100);
    if (!(stations >= 1)) {
        return 0;
    }
    return stations >= kMaxSteps ? kMaxSteps : static_cast<int>(stations);
}

void sweepSteps(const ModelInputs& inputs, const std::function<CorridorPattern()>& pattern, SweepSink& sink,
                SweepOutcome& outcome) {
    ModelInputs m = inputs;
    outcome.steps = stepCount(m.maxEyd);
    sink.prepare(outcome.steps);

    FanCarry carry;
    for (int i = 1; i <= outcome.steps; ++i) {
        m.pattern = pattern();
        YardingResult result = evaluateUncapped(m, i, carry);
        if (!isFinite(result)) {
            outcome.failedStep = i;
            break;
        }
        applyCaps(result);
        sink.writeStep(i, result);
        outcome.stepsWritten = i;
    }
}

SweepOutcome graph_itmain(InputVariables& inputs, const GraphMarks& marks, SweepSink& sink) {
    SweepOutcome outcome;
    Repair_Variables(inputs);
    outcome.rangeCase = rangeCaseOf(marks);
    ModelInputs& m = outcome.inputs;
    m = readModelInputs(inputs, outcome.rangeCase);
    m.pattern = inputs.pattern();

    if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
        m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
        const std::string half = inputs.valueRule().plain(m.multipleCorridorCorrection);
        if (outcome.rangeCase == RangeCase::Low) {
            inputs.setEntryText(lowEntry(MultipleCorridorCorrection), half);
        } else if (outcome.rangeCase == RangeCase::High) {
            inputs.setEntryText(highEntry(MultipleCorridorCorrection), half);
        }
    }

    sweepSteps(
        m, [&inputs] { return inputs.pattern(); }, sink, outcome);
    return outcome;
}

}  // namespace quorvale
