#include "simulator/RunInputs.h"

#include "inputs/InputVariables.h"

namespace quorvale {
namespace {

// The variable behind each draw, in draw order, with the divisor that brings
// its entered value into model units (1: as entered, which is exact).
struct DrawnVariable {
    int variable;
    double divisor;
};

constexpr std::array<DrawnVariable, RunInputs::kDrawnCount> kDrawOrder{{
    {HarvestVolume, 1},
    {TurnVolume, 1000},  // board feet to mbf
    {UnitSize, 1},
    {RoadDensityFactor, 1},
    {OperatorCost, 1},
    {ExternalSpeed, 1},
    {TotalFixedTime, 1},
    {LateralSpeed, 1},
    {ProductionDelay, 100},  // percent to fraction
    {VariableTime, 1},
    {FixedCorridorTime, 1},
    {MultipleCorridorCorrection, 1},
    {FixedLandingTime, 1},
    {LifeCycleRoadCost, 1},
}};

}  // namespace

int RunInputs::drawnVariable(int drawIndex) { return kDrawOrder.at(static_cast<size_t>(drawIndex)).variable; }

double RunInputs::toModelUnits(int drawIndex, double entered) {
    return entered / kDrawOrder.at(static_cast<size_t>(drawIndex)).divisor;
}

void RunInputs::setDrawn(ModelInputs& m, int drawIndex, double value) {
    double* const fields[kDrawnCount] = {
        &m.harvestVolume,    &m.turnVolume,         &m.unitSize,          &m.roadDensityFactor,
        &m.operatorCost,     &m.externalSpeed,      &m.fixedTime,         &m.lateralSpeed,
        &m.productionDelay,  &m.variableTime,       &m.fixedCorridorTime, &m.multipleCorridorCorrection,
        &m.fixedLandingTime, &m.roadCostPerStation,
    };
    *fields[static_cast<size_t>(drawIndex)] = value;
}

ModelInputs RunInputs::midpoints() const {
    ModelInputs m;
    for (int i = 0; i < kDrawnCount; ++i) {
        const DrawRange& r = range(i);
        setDrawn(m, i, (r.low + r.high) / 2);
    }
    if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
        m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
    }
    m.maxEyd = m_highEydFeet;
    return m;
}

RunInputs::RunInputs(const InputValues& values) {
    for (size_t i = 0; i < kDrawOrder.size(); ++i) {
        const DrawnVariable& v = kDrawOrder[i];
        m_ranges[i].low = values.low(v.variable) / v.divisor;
        m_ranges[i].high = values.high(v.variable) / v.divisor;
    }
    m_lowEydFeet = values.low(ExternalYardingDistance) * 100;
    m_highEydFeet = values.high(ExternalYardingDistance) * 100;
}

RunInputs::RunInputs(InputVariables& inputs) : RunInputs(InputValues::read(inputs)) {}

}  // namespace quorvale
