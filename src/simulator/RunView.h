#pragma once
// The Monte Carlo run's view of the Simulator window, the simulation chart and
// the rest of the application. The window implements it; the command-line
// tool and the tests use plain implementations.
//
// The run keeps the latest text of every field and bar and writes them through
// setField() and setBar() right before it yields, because nothing else can
// look at the fields between two yields. It yields at the end of every step and, within a
// step, whenever yieldDue() says the time budget is spent.

#include <cstdint>
#include <string>

#include "simulator/RunChart.h"

namespace quorvale {

// The output fields of the Simulator window, by their control names.
enum class RunField {
    TextEYD,
    TextCheck,
    TextRuns,
    TextAverage,
    TextVariance,
    TextMin,
    TextMax,
    TextOptEYD,
    TextMinCost,
    TextSpacing,
    TextDensity,
    TextAyd,
    TextAeyd,
    TextLyd,
    TextAlyd,
    TextCorridors,
    TextLandings,
};
inline constexpr int kRunFieldCount = 17;

// ProgressBar1 (this step's closeness to the target) and ProgressBar2 (the
// fraction of steps done); each comes with its "0%" label.
enum class RunBar { Step, Run };

class RunView {
public:
    virtual ~RunView() = default;

    // Writes one field's text (already in its stated form).
    virtual void setField(RunField field, const std::string& text) = 0;
    // Sets a bar (0 to 1) and its percent label (the "0%" text of the value).
    virtual void setBar(RunBar bar, float value, const std::string& percent) = 0;

    // The target half-width: the numeric value of the target field, read
    // anew after every sample.
    virtual double target() = 0;
    // The "End" button's flag.
    virtual bool stopRequested() = 0;
    virtual void clearStop() = 0;

    // Whether the time budget since the last yield is spent.
    virtual bool yieldDue() = 0;
    // Lets the event loop run (input, repaints, "Pause 5 Sec.").
    virtual void yieldToEvents() = 0;

    // The "Simulation Graph" check mark and the chart window's visibility.
    virtual bool simulationGraphChecked() = 0;
    virtual bool chartVisible() = 0;
    virtual void setChartVisible(bool visible) = 0;
    // The simulation chart; a write to it opens a closed chart window.
    virtual RunChart& chart() = 0;

    // The stop path: every output field "0", both bars empty.
    virtual void initiateVariables() = 0;
    // End of the run in either state: the Variables window takes input again;
    // after a normal end the target field is unlocked.
    virtual void runEnded(bool stopped) = 0;

    // Whether the step now sampling has drawn the run's notice count of
    // samples (kDefaultMaxSamplesPerStep unless the run was told otherwise)
    // and still wants more. Told only when it changes:
    // true once a step passes the count, false when the next step starts
    // or the run ends. The window's run goes on sampling; a view may show
    // the step as not converged.
    virtual void setStepOverSampleCount(bool over) { static_cast<void>(over); }

    // The step that starts sampling now, of `steps` in the run. A view that
    // shows progress as numbers takes them from here rather than reading
    // them back from a field's text.
    virtual void stepStarted(int step, int steps) {
        static_cast<void>(step);
        static_cast<void>(steps);
    }
};

}  // namespace quorvale
