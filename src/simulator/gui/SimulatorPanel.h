#pragma once
// What a run's view reaches of the Simulator window: the output fields and
// bars, the target, the "End" flag, the lock of the target field and the
// not-converged mark. The window implements it.

#include <string>

#include "simulator/RunView.h"

namespace quorvale {

class SimulatorPanel {
public:
    // Writes a field's text at once.
    virtual void showField(RunField field, const std::string& text) = 0;
    // Sets a bar and its percent label at once; a value the bar refuses
    // (outside 0 to 1) leaves both as they were.
    virtual void showBar(RunBar bar, float value, const std::string& percent) = 0;
    // Every output field "0", both bars empty.
    virtual void Initiate_Variables() = 0;

    // The numeric value of the target field.
    virtual double target() const = 0;
    // Whether "End" was pressed, or the window is on its way out, since the
    // flag was last cleared.
    virtual bool stopRequested() const = 0;
    virtual void clearStop() = 0;

    // After a normal end the target field takes edits.
    virtual void unlockTarget() = 0;
    // Draws the step's sample count and its bar as not converged, or not.
    virtual void setStepOverSampleCount(bool over) = 0;
    // While held, what is written into the window is not drawn; the whole
    // window is drawn once when the hold ends.
    virtual void holdRepaints(bool held) = 0;

protected:
    ~SimulatorPanel() = default;
};

}  // namespace quorvale
