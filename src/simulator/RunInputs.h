#pragma once
// The run's inputs: the Low and High value of every variable in model units,
// read once at the start of a run, and the draw of one sample from them.

#include <array>
#include <cmath>

#include "inputs/InputValues.h"
#include "model/YardingModel.h"
#include "simulator/RandomSource.h"

namespace quorvale {

class InputVariables;

// One variable's interval. A Low above its High is kept as it is and
// simply reverses the interval.
struct DrawRange {
    double low = 0;
    double high = 0;
};

class RunInputs {
public:
    // The fourteen drawn variables, in the order a sample draws them.
    static constexpr int kDrawnCount = 14;

    // The ranges of a set of input values in model units: turn volume to
    // mbf, production delay to a fraction, EYD to feet.
    explicit RunInputs(const InputValues& values);
    // The same of a set of entries, read once as the analyses read them.
    explicit RunInputs(InputVariables& inputs);

    // The High EYD in feet; the Low EYD plays no part in a run.
    double highEydFeet() const { return m_highEydFeet; }
    double lowEydFeet() const { return m_lowEydFeet; }
    const DrawRange& range(int drawIndex) const { return m_ranges[static_cast<size_t>(drawIndex)]; }

    // The variable (Variables window row) drawn at each place of the order.
    static int drawnVariable(int drawIndex);
    // An entered value of the variable drawn at that place in model units.
    static double toModelUnits(int drawIndex, double entered);
    // Sets the model field drawn at that place (no correction rule).
    static void setDrawn(ModelInputs& m, int drawIndex, double value);
    // Every drawn field at the middle of its interval, then the correction
    // rule: the Average values of a run's ranges.
    ModelInputs midpoints() const;

    // |Low + (High - Low) * r| for a uniform r in [0, 1), or Low when that
    // is not above 0.
    static double drawValue(const DrawRange& range, float r) {
        const double value = std::fabs(range.low + (range.high - range.low) * static_cast<double>(r));
        return value > 0 ? value : range.low;
    }

    // Draws one sample's fourteen fields from one generator, in the fixed
    // order, then applies the correction rule to this sample's values: a
    // multiple corridor correction time not below the fixed corridor time
    // becomes half of it. The pattern and maxEyd are left to the caller.
    void draw(RandomSource& random, ModelInputs& m) const {
        auto next = [&](int i) { return drawValue(m_ranges[static_cast<size_t>(i)], random.nextUnit()); };
        m.harvestVolume = next(0);
        m.turnVolume = next(1);
        m.unitSize = next(2);
        m.roadDensityFactor = next(3);
        m.operatorCost = next(4);
        m.externalSpeed = next(5);
        m.fixedTime = next(6);
        m.lateralSpeed = next(7);
        m.productionDelay = next(8);
        m.variableTime = next(9);
        m.fixedCorridorTime = next(10);
        m.multipleCorridorCorrection = next(11);
        m.fixedLandingTime = next(12);
        m.roadCostPerStation = next(13);
        if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
            m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
        }
    }

private:
    std::array<DrawRange, kDrawnCount> m_ranges{};
    double m_highEydFeet = 0;
    double m_lowEydFeet = 0;
};

}  // namespace quorvale
