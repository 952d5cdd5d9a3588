#pragma once
// Input sets the run tests share.

#include <string>
#include <vector>

#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"
#include "model/YardingModel.h"

namespace quorvale::test {

// The defaults (every Low equal to its High) with a chosen High EYD.
inline InMemoryInputs defaultInputs(const std::string& highEydStations,
                                    CorridorPattern pattern = CorridorPattern::Parallel) {
    InMemoryInputs inputs;
    inputs.setEntryText(highEntry(ExternalYardingDistance), highEydStations);
    inputs.setPattern(pattern);
    return inputs;
}

// Every Low `fraction` below and every High `fraction` above its default;
// the EYD keeps its default range unless given.
inline InMemoryInputs spreadInputs(double fraction, const std::string& highEydStations,
                                   CorridorPattern pattern = CorridorPattern::Parallel) {
    InMemoryInputs inputs;
    for (int k = 0; k < kVariableCount; ++k) {
        if (k == ExternalYardingDistance) {
            continue;
        }
        const double d = inputs.value(lowEntry(k));
        inputs.setEntryText(lowEntry(k), inputs.valueRule().plain(d * (1 - fraction)));
        inputs.setEntryText(highEntry(k), inputs.valueRule().plain(d * (1 + fraction)));
    }
    inputs.setEntryText(highEntry(ExternalYardingDistance), highEydStations);
    inputs.setPattern(pattern);
    return inputs;
}

// The static model's uncapped total cost at each step for the Low values,
// with the correction rule applied.
inline std::vector<double> staticCosts(InputVariables& inputs, int steps, CorridorPattern pattern) {
    ModelInputs m = readModelInputs(inputs, RangeCase::Low);
    if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
        m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
    }
    m.pattern = pattern;
    FanCarry carry;
    std::vector<double> costs;
    for (int step = 1; step <= steps; ++step) {
        costs.push_back(evaluateUncapped(m, step, carry).totalCost);
    }
    return costs;
}

}  // namespace quorvale::test
