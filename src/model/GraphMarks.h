#pragma once
// The check marks of the "Show Results" menu: the only record of which range
// case the static analysis uses and which quantities it charts.

namespace quorvale {

struct GraphMarks {
    // Range group.
    bool low = false;
    bool average = false;
    bool high = false;
    // Cost group.
    bool roadCost = false;
    bool loggingCost = false;
    bool totalCost = false;
    // Production group.
    bool tonsDay = false;
    bool mbfDay = false;
    bool loadsDay = false;
    // Logging-time group.
    bool totalDays = false;
    bool riggingTime = false;
    bool cycleTime = false;
    // Roads group.
    bool roadDensity = false;
    bool landingSpacing = false;
    // Layout group.
    bool ayd = false;
    bool lyd = false;
    bool alyd = false;
    bool aeyd = false;
    bool landings = false;
    bool corridors = false;
    // Simulation chart.
    bool simulation = false;
};

}  // namespace quorvale
