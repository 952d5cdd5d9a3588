#pragma once
// The charts of the Decision Analysis window: the cost by EYD, the tornado,
// what is worth measuring and the comparison of two alternatives.

#include "decision/gui/DecisionComparisonChart.h"
#include "decision/gui/DecisionCostChart.h"
#include "decision/gui/DecisionTornadoChart.h"
#include "decision/gui/DecisionVoiChart.h"
