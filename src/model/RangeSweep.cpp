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

ModelInputs modelInputs(const InputValues& values, RangeCase rangeCase) {
    ModelInputs m;
    if (rangeCase == RangeCase::Average) {
        auto sum = [&](int variable) { return values.low(variable) + values.high(variable); };
        auto mid = [&](int variable) { return sum(variable) / 2; };
        m.harvestVolume = mid(HarvestVolume);
        m.turnVolume = sum(TurnVolume) / 2000;
        m.unitSize = mid(UnitSize);
        m.roadDensityFactor = mid(RoadDensityFactor);
        m.maxEyd = (sum(ExternalYardingDistance) * 100) / 2;
        m.operatorCost = mid(OperatorCost);
        m.externalSpeed = mid(ExternalSpeed);
        m.fixedTime = mid(TotalFixedTime);
        m.lateralSpeed = mid(LateralSpeed);
        m.productionDelay = sum(ProductionDelay) / 200;
        m.fixedLandingTime = mid(FixedLandingTime);
        m.variableTime = mid(VariableTime);
        m.fixedCorridorTime = mid(FixedCorridorTime);
        m.multipleCorridorCorrection = mid(MultipleCorridorCorrection);
        m.roadCostPerStation = mid(LifeCycleRoadCost);
        return m;
    }
    const bool low = rangeCase == RangeCase::Low;
    auto v = [&](int variable) { return low ? values.low(variable) : values.high(variable); };
    m.harvestVolume = v(HarvestVolume);
    m.turnVolume = v(TurnVolume) / 1000;
    m.unitSize = v(UnitSize);
    m.roadDensityFactor = v(RoadDensityFactor);
    m.maxEyd = v(ExternalYardingDistance) * 100;
    m.operatorCost = v(OperatorCost);
    m.externalSpeed = v(ExternalSpeed);
    m.fixedTime = v(TotalFixedTime);
    m.lateralSpeed = v(LateralSpeed);
    m.productionDelay = v(ProductionDelay) / 100;
    m.fixedLandingTime = v(FixedLandingTime);
    m.variableTime = v(VariableTime);
    m.fixedCorridorTime = v(FixedCorridorTime);
    m.multipleCorridorCorrection = v(MultipleCorridorCorrection);
    m.roadCostPerStation = v(LifeCycleRoadCost);
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
