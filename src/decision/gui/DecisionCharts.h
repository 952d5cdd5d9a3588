#pragma once
// The two charts of the Decision Analysis window: the cost by EYD and the
// tornado.

#include "decision/gui/DecisionCostChart.h"
#include "decision/gui/DecisionTornadoChart.h"
