#pragma once
// What "Save Report..." reads besides the windows: the range case of the
// menu marks, the last simulation run and the inputs it read, and the unit
// commands (the unit as it stands, its name, the toolbar).

#include <optional>

#include "base/gui/ToolsHost.h"
#include "model/GraphMarks.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale {

class UnitActions;

class ReportHost : public ToolsHost {
public:
    virtual GraphMarks graphMarks() const = 0;
    virtual const std::optional<RunSummary>& lastRun() const = 0;
    // Whether the last run read these values and this pattern.
    virtual bool lastRunMatches(InputVariables& inputs) = 0;
    virtual UnitActions& units() const = 0;

protected:
    ~ReportHost() = default;
};

}  // namespace quorvale
