#pragma once
// The yarding cost model of one EYD step: layout, rigging, roads, time,
// production and cost for parallel or fan-shaped corridors.

#include "inputs/InputRules.h"

namespace quorvale {

// The inputs of one evaluation, in model units.
struct ModelInputs {
    double harvestVolume = 0;               // HV, mbf per acre
    double turnVolume = 0;                  // TV, mbf per turn
    double unitSize = 0;                    // US, acres
    double roadDensityFactor = 0;           // RDF, percent of normal
    double maxEyd = 0;                      // feet; bounds the sweep only
    double operatorCost = 0;                // OC, $ per day
    double externalSpeed = 0;               // XS, feet per minute
    double fixedTime = 0;                   // FT, minutes per turn
    double lateralSpeed = 0;                // LS, feet per minute
    double productionDelay = 0;             // PD, fraction of total time
    double fixedLandingTime = 0;            // FLT, hours
    double variableTime = 0;                // VT, feet per hour
    double fixedCorridorTime = 0;           // FCT, hours
    double multipleCorridorCorrection = 0;  // MCC, hours, below FCT
    double roadCostPerStation = 0;          // RC, $ per 100 feet
    CorridorPattern pattern = CorridorPattern::Parallel;
};

// The figures of one step. Counts are real numbers.
struct YardingResult {
    double eyd = 0;             // feet
    double landingSpacing = 0;  // S, feet
    double lyd = 0;             // feet
    double alyd = 0;            // feet
    double ayd = 0;             // feet
    double aeyd = 0;            // feet
    double corridorsPerLanding = 0;
    double landingsPerUnit = 0;
    double corridorsPerUnit = 0;
    double rigTimePerLanding = 0;  // hours
    double rigTimeTotal = 0;       // hours
    double roadDensity = 0;        // miles per section
    double cycleTime = 0;          // minutes per turn
    double totalDays = 0;          // days of 8.5 hours
    double unitVolume = 0;         // mbf
    double mbfPerDay = 0;
    double tonsPerDay = 0;
    double loadsPerDay = 0;
    double loggingCost = 0;  // $/mbf, two decimals
    double roadCost = 0;     // $/mbf
    double totalCost = 0;    // $/mbf, two decimals
};

// Corridors and landings of the previous fan-shaped evaluation.
struct FanCarry {
    double corridorsPerUnit = 0;
    double landingsPerUnit = 0;
};

// The model before its caps: costs rounded to two decimals (halves to even),
// road density and costs not limited. Fan-shaped steps read and write the
// carry; step 1 starts from the unit's initial layout instead.
YardingResult evaluateUncapped(const ModelInputs& in, int step, FanCarry& carry);

// The highest cost ($/mbf) and road density (miles per section) a step
// reports; the charts note where a curve runs along a cap.
inline constexpr double kCostCap = 400;
inline constexpr double kDensityCap = 20;

// Limits road cost, total cost, logging cost to kCostCap and road density to
// kDensityCap.
void applyCaps(YardingResult& result);

// One step of the static analysis: the uncapped model, then the caps.
YardingResult Evaluate_Step(const ModelInputs& in, int step, FanCarry& carry);

// Whether every figure is a finite number. A step that overflows or divides
// by zero somewhere yields a non-finite figure; the caps are checked before
// they can hide one.
bool isFinite(const YardingResult& result);

}  // namespace quorvale
